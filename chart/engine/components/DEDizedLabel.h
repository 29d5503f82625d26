// DEDizedLabel: text placed at an anchor point rather than in a rectangle: a free label of the chart, an
// entry of a label block (and so a tick label of a scale or an entry of a legend), and the value label
// of a data point. Its texts are kept by mode value (the chart's mode value picks the one shown).
//
// Anchor: two values in the placement's measurement kind (pixels, millimetres, inches, per cent of the
// chart's drawing area), turned into pixels while drawing; a label outside a block is moved with a
// chart that draws into a fixed rectangle of its own (unless a compound component holds it).
//
// Outline: the text block (its widest line by its lines' height) inside a box, circle (style shape 3)
// or flash (shape 4), the last two 1.41421356237 times larger, all widened by a sixth of the line
// height on every side. The anchor position puts the box beside the anchor: 0 right of it (centred
// vertically), 1 right and below, 2 below, 3 left and below, 4 left, 5 left and above, 6 above, 7 right
// and above, 8 (and any other value) centred on it. The box and the text in it turn about the anchor
// by the text angle (the style's sixth value, degrees, counter-clockwise on the screen): the lines of
// a label at 90 degrees stand side by side, each read upwards. The outline is filled and framed under
// the style (the style word's fill and border kinds, as polygons are); a label without text draws
// nothing. A label has no shadow.
//
// In a label block a label without its own style takes the block's style, font, font size and text
// colour; every label in a block draws with the block's DC and takes the block's font flags.
//
// Font size: in pixel measurement the stored size (points, as the title's); in the other kinds the
// general margin field holds it, and the margins read unconverted (see SetFontSize).
//
// Template text: keyword "label ", the title's part, then "anchor-x anchor-y direction-cosine
// direction-sine angle anchor-position in-block" (a shorter part leaves these fields alone), and the
// texts as annotation lines. Stored form: the title's, the texts, then in-block, angle-preset, a
// reserved int, own-style and axis-direction flags, direction sine and cosine, anchor y and x, the
// anchor position and the pixel anchor.
#pragma once

#include "chart/engine/DEDizedAnnotation.h"
#include "chart/engine/components/DEDizedTitle.h"

#include <vector>

class DEDizedLabelBlock;

class DEDizedLabel : public DEDizedTitle {
    DECLARE_SERIAL(DEDizedLabel)
public:
    enum { positionCentre = 8 };

    // Type id chartTypeLabel, anchor (0, 0), direction (1, 0), anchor position 1, left-aligned, its
    // own style, outside any block.
    DEDizedLabel();

    void Serialize(CArchive& ar) override;
    // The stored margins: a label does not convert them (one of them may hold its font size).
    double GetVerticalMarginPixels() override;
    double GetHorizontalMarginPixels() override;
    double GetMarginPixels() override;
    // The component's drawing (see the top of this file); a label outside a block builds its font
    // anew when printing, after a layout change or with automatic size.
    void Draw(CDC* pDC, CWnd* pWnd) override;
    const char* ReadTemplateClassPart(const char* lpszText) override;
    void WriteTemplateKeyword(CStdioFile& writer) override;
    void WriteTemplateExtra(CStdioFile& writer) override;
    // The block's drawing flag for a label in a block.
    int IsDrawing() const override;
    // Builds the outline (none without text) and fills it.
    void DrawBackground() override;
    void DrawBorder() override;
    void DrawContent() override;
    void DrawShadow() override;
    // The chart's font of the face, GetFontSizePixels, the flags and the text angle.
    void BuildFont() override;
    // The title's, and the text angle from lfEscapement.
    void SetLogFont(const LOGFONT* pLogFont) override;
    // GetFontSizePixels (the block's for a label without its own style).
    int FitFontSize() override;
    COLORREF GetTextColour() override;
    DEDizedStyle* GetStyle() override;

    // The font size of the standard value-label size (12).
    virtual int GetDefaultFontSize();
    // Forgets the outline.
    virtual void ClearOutline();
    // Takes the look of a data item's value label from its style's kind word: the angle (bits 24-27:
    // 1 to 7 give 45 to 315 degrees, others 0), the anchor position (bits 20-23: 0 to 7 give 4, 5, 6,
    // 7, 0, 1, 2, 3, others 8), the shape (bits 16-19) and the font size (bits 30-31: 10, 8, 12 or
    // GetDefaultFontSize); and its fill colour 1 and style word.
    virtual void ApplyValueStyle(const DEDizedStyle& style);
    virtual int GetFontSizePixels();
    // In pixel measurement the size truncated; in the others the value, kept in the general margin.
    virtual void SetFontSize(double dSize);
    virtual void SetAnchorX(double dX);
    virtual void SetAnchorY(double dY);
    virtual void SetAnchor(double dX, double dY);
    // The text for a mode value (empty when there is none).
    virtual CString GetText(int nMode);
    using DEDizedTitle::GetText;
    virtual void SetText(int nMode, const char* lpszText);
    using DEDizedTitle::SetText;
    // Width and height of the outline.
    virtual CSize GetOutlineExtent();
    // 0 up (0, -1), 1 left (-1, 0), 2 right (1, 0), 3 down (0, 1), with the axis-direction flag; any
    // other value clears the flag.
    virtual void SetDirectionPreset(int nPreset);
    // Makes rRegion (a CRgn without a handle) the outline's polygon region. FALSE without an outline.
    virtual BOOL GetOutlineRegion(CRgn& rRegion);
    // Builds the outline at the anchor in pixels for the present text and font. Returns its point
    // count (0 without a chart or outside drawing).
    virtual int BuildOutline();
    // The anchor in pixels (computed while drawing, else the last one).
    virtual CPoint GetAnchorPixels();
    // 0 to 3: the text angle 0, 90, 180 or 270 degrees and the angle-preset flag; other values clear
    // the flag.
    virtual void SetAnglePreset(int nPreset);
    // The label's font (the block's for a label without its own style), built when needed.
    virtual HFONT GetFont();
    virtual void SetAnchorPosition(int nPosition);
    // The direction in which a label block moves the label away from others.
    virtual void SetDirection(double dCosine, double dSine);

    double GetAnchorX() const { return m_dAnchorX; }
    double GetAnchorY() const { return m_dAnchorY; }
    // The pixel anchor last computed or placed.
    CPoint GetPixelAnchor() const { return m_ptAnchor; }
    // Both the anchor values and the pixel anchor at (x, y).
    void PlaceAt(int x, int y);
    // Moves the pixel anchor, the outline and the anchor values (in their units) by (dx, dy) pixels.
    void MoveAnchorPixels(int dx, int dy);
    // The offset GetAnchorPixels adds for a chart drawing into a fixed rectangle.
    CPoint GetAnchorOffset() const;
    int GetAnchorPosition() const { return m_nAnchorPosition; }
    double GetDirectionCosine() const { return m_dCosine; }
    double GetDirectionSine() const { return m_dSine; }
    int IsAxisDirection() const { return m_bAxisDirection; }
    int IsAnglePreset() const { return m_bAnglePreset; }
    double GetTextAngle() { return GetStyle()->GetTextAngle(); }
    // The block holding the label (null outside one), with the in-block and own-style flags.
    void SetBlock(DEDizedLabelBlock* pBlock, int bInBlock, int bOwnStyle);
    DEDizedLabelBlock* GetBlock() const { return m_pBlock; }
    int IsInBlock() const { return m_bInBlock; }
    int HasOwnStyle() const { return m_bOwnStyle; }
    const std::vector<POINT>& GetOutline() const { return m_outline; }
    // The texts by mode value (the editing dialogs list and change them).
    DEDizedAnnotationList* GetTexts() { return &m_texts; }

protected:
    // In a block without a style of its own.
    bool UsesBlockStyle() const { return m_pBlock != nullptr && !m_bOwnStyle; }

    double m_dAnchorX;
    double m_dAnchorY;
    CPoint m_ptAnchor;          // the anchor in pixels
    double m_dCosine;           // the direction
    double m_dSine;
    int m_bAxisDirection;       // the direction is one of the four axis directions
    int m_bAnglePreset;         // the text angle is 0, 90, 180 or 270 degrees
    int m_nAnchorPosition;
    DEDizedLabelBlock* m_pBlock;  // not owned
    int m_bInBlock;
    int m_bOwnStyle;
    DEDizedAnnotationList m_texts;
    std::vector<POINT> m_outline;  // device pixels, rebuilt on each draw
    double m_dTextX;            // the top-left of the text block, turned with it
    double m_dTextY;
};
