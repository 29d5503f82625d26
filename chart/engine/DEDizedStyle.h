// DEDizedStyle: the drawing style shared by charts, groups, items and components. It only holds the
// fields; what most of them mean lies with the components and displays that read them.
//
// The low nibble of the kind word says whose style it is (kindComponent, kindData for groups, items
// and a data manager's default item style, kindChart). Bit 22 of the flags word excludes a group
// from data access (SRGDataManager). Bit 24 of the option word records that the image of an image
// fill is loaded; a new image file name clears it.
//
// Fills and edges (DEDizedComponent::FillPolygon, FramePolygon). A component style (kind nibble 1)
// takes its fill kind and edge kind from the style word (bits 8-11 and 0-3); every other style from
// the data style word (the "line kind" field: line kind bits 0-3, which is the edge kind, fill kind
// bits 4-7, marker kind bits 8-15). Both fill with fill colours 1 and 2, the gradient angle and the
// image file; bit 31 of the style word stretches an image (else it is tiled). Lines and edges are
// drawn in the colour field, as wide as the extra int (0: one pixel) and, for patterned edges, with
// the bitmap resource named by the second text.
//
// Data points (DEDizedComponent::DrawDataPoint and the operations it calls) read the marker kind from
// bits 8-15 of the data style word, and from the kind word: the value-label kind (bits 4-7: 0x20 the
// value, 0x50 the text, 0x60 both), the selection nibble (bits 8-11: set on a marked item), and the
// shape (bits 16-19), position (20-23), angle (24-27) and font size (30-31) of its value label. Bit 30
// of the flags word says that the style brings its own sizes: the symbol width and height (first and
// second limits) and the depth of bars and bands (third limit); without it markers, widgets and line
// ends take their standard sizes and depths are 10. Bit 28 of the flags word shades the top and side
// faces of bars, bit 20 draws leader lines from value labels that had to move to their points. The
// first text names the widget of a data style (for line ends two names, "start|end"); labels turn
// their text by the sixth value (degrees).
//
// Stored form (schema 1, versionable), in this order: line kind, flags word, option word, style word,
// fill colour 1, fill colour 2, extra int (ints); gradient angle, second limit, first limit, third
// limit (doubles); style-set flag (int); image file, first text (CStrings); kind word, colour (ints);
// size, fifth value, sixth value (doubles). The second text is not stored.
#pragma once

#include "core/Core.h"

#include <windows.h>

class DEDizedStyle : public CObject {
    DECLARE_SERIAL(DEDizedStyle)
public:
    // Whose style it is: the low nibble of the kind word.
    enum { kindComponent = 1, kindData = 2, kindChart = 3 };
    // Flags word: the group is excluded from data access.
    enum { flagExcludedGroup = 0x400000 };
    // Option word: the image of an image fill is loaded.
    enum { optionImageLoaded = 0x1000000 };

    // The defaults (kind word 0x1010).
    DEDizedStyle();
    // The defaults with nKindNibble (0..15) as the low nibble of the kind word.
    explicit DEDizedStyle(int nKindNibble);
    DEDizedStyle(const DEDizedStyle& other);
    DEDizedStyle& operator=(const DEDizedStyle& other);

    void Serialize(CArchive& ar) override;

    // Copies every field of other, the three texts included.
    void CopyFrom(const DEDizedStyle& other);
    // Sets the image file of an image fill; a name unlike the present one clears the image-loaded
    // flag.
    void SetImageFile(const char* lpszName);

    // The fill code: style word & 0xF00 (fill kind x 256) for a component style, data style word &
    // 0xF0 (fill kind x 16) for any other.
    int GetFillCode() const;
    // The edge kind: the low nibble of the style word for a component style, of the data style word
    // for any other.
    int GetEdgeKind() const;
    // Flags word: the style's own symbol sizes and depth; shaded bar faces; leader lines of value
    // labels.
    enum { flagOwnSizes = 0x40000000, flagShadedFaces = 0x10000000, flagLeaderLines = 0x100000 };

    // The parts of the data style word: line kind (bits 0-3), fill kind (bits 4-7), marker kind
    // (bits 8-15).
    int GetLineKind() const { return m_nLineKind & 0xF; }
    int GetDataFillKind() const { return (m_nLineKind >> 4) & 0xF; }
    int GetMarkerKind() const { return (m_nLineKind >> 8) & 0xFF; }
    // The parts of the kind word that data points and their value labels read.
    int GetValueLabelKind() const { return m_nKind & 0xF0; }
    int GetSelection() const { return (m_nKind >> 8) & 0xF; }
    int GetLabelShape() const { return (m_nKind >> 16) & 0xF; }
    int GetLabelPosition() const { return (m_nKind >> 20) & 0xF; }
    int GetLabelAngleCode() const { return (m_nKind >> 24) & 0xF; }
    int GetLabelFontSizeCode() const { return (m_nKind >> 30) & 3; }
    // The own sizes (see the top of this file) and whether the style brings them.
    bool HasOwnSizes() const { return (m_nFlags & flagOwnSizes) != 0; }
    double GetSymbolWidth() const { return m_dLimit1; }
    double GetSymbolHeight() const { return m_dLimit2; }
    double GetDepth() const { return m_dLimit3; }
    // The widget (or "start|end" line ends) of a data style.
    const CString& GetWidgetName() const { return m_strText1; }
    // The angle of a label's text in degrees.
    double GetTextAngle() const { return m_dValue6; }
    void SetTextAngle(double dDegrees) { m_dValue6 = dDegrees; }

    // The colour, width and pattern bitmap name of lines and edges.
    COLORREF GetEdgeColour() const { return m_crColor; }
    int GetEdgeWidth() const { return m_nExtra; }
    const CString& GetEdgeBitmapName() const { return m_strText2; }

    int m_nKind;              // kind word (see the top of this file)
    COLORREF m_crColor;       // colour
    int m_nOptions;           // option word
    double m_dLimit1;         // first limit
    double m_dLimit2;         // second limit
    double m_dLimit3;         // third limit
    CString m_strText1;       // first text
    int m_nLineKind;          // line kind: the data style word (line kind 0-3, fill 4-7, marker 8-15)
    int m_nFlags;             // flags word
    int m_nStyle;             // style word: border kind bits 0-3, shadow 4-7, fill 8-11, image placement bit 31
    int m_nExtra;             // extra int: the width of lines and edges
    CString m_strText2;       // second text (not stored): the pattern bitmap of edges
    int m_nStyleSet;          // style-set flag
    COLORREF m_crFill1;       // fill colour 1
    COLORREF m_crFill2;       // fill colour 2
    double m_dGradientAngle;  // gradient angle in degrees
    CString m_strImageFile;   // image file of an image fill
    double m_dSize;           // size
    double m_dValue5;         // fifth value
    double m_dValue6;         // sixth value
};
