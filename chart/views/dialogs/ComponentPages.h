// The property pages of a chart component and of the style of a data group or item, which
// DEDizedComponentProperties gathers into one sheet. The pages only hold values: the edit dialog
// (DEDizedEditDialog) fills their members from the chart before the sheet runs and stores them back
// after IDOK. Every member keeps its value whether or not the page was ever shown; a page that was
// shown holds what the user left in it.
//
// Combo boxes list the codes of the chart engine in code order (entry n for code n). A code that no
// entry stands for shows no selection and is kept. The combo boxes that are not exchanged with a member
// directly keep their choice in a packed member (the page selects from it when it becomes active and
// reads it back when it is left), so that leaving a page and coming back keeps the choices.
//
// Colour swatches (SRSwatchButton) hold their colours in the page; a colour command opens the colour
// dialog with the swatch's colour and takes the one chosen.
#pragma once

#include "chart/views/dialogs/SRSwatchButton.h"
#include "win/Win.h"

#include <windows.h>

// Placement, measurement kind, the component's kind (shown only) and the style's three angle values
// (each 0 to 360).
class SRGCTypeAndPos : public CPropertyPage {
    DECLARE_DYNCREATE(SRGCTypeAndPos)
public:
    SRGCTypeAndPos();

    double m_dLeft;
    double m_dTop;
    double m_dRight;
    double m_dBottom;
    int m_nMeasurement;     // -1: none chosen
    CString m_strTypeName;
    double m_dAngle1;
    double m_dAngle2;
    double m_dAngle3;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

// The fill of a component: kind, the two colours, the fill value (a gradient's angle) and the image
// file. The browse button is hidden: the file is typed in.
class SRGCFillStyle : public CPropertyPage {
    DECLARE_DYNCREATE(SRGCFillStyle)
    DECLARE_MESSAGE_MAP()
public:
    SRGCFillStyle();

    SRSwatchButton m_swatchColour1;
    SRSwatchButton m_swatchColour2;
    int m_nFillKind;
    double m_dFillValue;
    CString m_strFile;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnChooseColour1();
    afx_msg void OnChooseColour2();
    afx_msg void OnBrowse();
};

class SRGCBorderStyle : public CPropertyPage {
    DECLARE_DYNCREATE(SRGCBorderStyle)
public:
    SRGCBorderStyle();

    int m_nBorderKind;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

class SRGCShadowStyle : public CPropertyPage {
    DECLARE_DYNCREATE(SRGCShadowStyle)
public:
    SRGCShadowStyle();

    int m_nShadowKind;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

// The font of a text component: face, size (its magnitude, and whether it counts points or pixels),
// bold, italic, underline, strike-out, the look (plain, embossed, engraved) and the text colour. The
// font dialog fills them all but the look.
class SRGCFontStyle : public CPropertyPage {
    DECLARE_DYNCREATE(SRGCFontStyle)
    DECLARE_MESSAGE_MAP()
public:
    enum { sizePoints = 0, sizePixels = 1 };

    SRGCFontStyle();

    SRSwatchButton m_swatchText;
    CString m_strFace;
    int m_nSizeSign;        // sizePoints or sizePixels; -1: none chosen
    int m_nSize;
    int m_bBold;
    int m_bItalic;
    int m_bUnderline;
    int m_bStrikeOut;
    int m_nFontChoice;      // -1: none chosen

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnChooseColour();
    afx_msg void OnChooseFont();
};

// A display: graph type, axis type and label kind (packed as the bit fields of the style words they
// stand for), the data window and the display's switches. Each check box means what it says when
// checked (the flag that switches the thing off is then clear).
class SRGCDisplayStyle : public CPropertyPage {
    DECLARE_DYNCREATE(SRGCDisplayStyle)
public:
    SRGCDisplayStyle();

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    int m_nGraphBits;       // graph type << 16
    int m_nAxisBits;        // axis type << 24
    int m_nLabelBits;       // label kind << 4
    int m_nLastGroup;
    int m_nLastIndex;
    int m_nFirstGroup;
    int m_nFirstIndex;
    int m_bLogarithmic;
    int m_bZero;
    int m_bVerticalGrid;
    int m_bHorizontalGrid;
    int m_bDepthGrid;
    int m_bXScale;
    int m_bYScale;
    int m_bGroupLabels;
    int m_bXTicks;
    int m_bDataFirst;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

// A legend: where its entries come from and their keys (packed: the source kind as it stands, the key
// kind << 12), and its data window.
class SRGCLegendEdit : public CPropertyPage {
    DECLARE_DYNCREATE(SRGCLegendEdit)
public:
    SRGCLegendEdit();

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    int m_nSourceBits;
    int m_nKeyBits;
    int m_nLastGroup;
    int m_nLastIndex;
    int m_nFirstGroup;
    int m_nFirstIndex;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

// A label or a label block: its anchor, which side of the anchor the text stands on and the angle of
// its text.
class SRGCLabelStyle : public CPropertyPage {
    DECLARE_DYNCREATE(SRGCLabelStyle)
public:
    SRGCLabelStyle();

    double m_dAngle;
    double m_dX;
    double m_dY;
    int m_nPosition;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

// The lines and points of a data group or item: point kind and line kind (combo indices, -1 for a code
// the lists do not show), colour, width (1 to 10), its own symbol sizes and depth, and for a group
// whether its style goes to every item.
class SRGObjStyle : public CPropertyPage {
    DECLARE_DYNCREATE(SRGObjStyle)
    DECLARE_MESSAGE_MAP()
public:
    SRGObjStyle();

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    int m_nMarkerIndex;
    int m_nLineIndex;
    SRSwatchButton m_swatchColour;
    int m_nWidth;
    int m_bAllItems;
    int m_bOwnSizes;
    double m_dDepth;
    double m_dSymbolWidth;
    double m_dSymbolHeight;
    int m_bGroup;           // a group's style is edited: "apply to every item" may be checked

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnChooseColour();
    afx_msg void OnOwnSizes();
    // The size fields are enabled while "own sizes" is checked.
    void EnableSizes();
};

// The fill of a data group or item: fill kind (combo index, -1 for a code the list does not show),
// the two colours, the fill value, the image file with its placement, and the widget's name.
class SRGInteriorEdit : public CPropertyPage {
    DECLARE_DYNCREATE(SRGInteriorEdit)
    DECLARE_MESSAGE_MAP()
public:
    SRGInteriorEdit();

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

    int m_nFillIndex;
    SRSwatchButton m_swatchColour1;
    SRSwatchButton m_swatchColour2;
    double m_dFillValue;
    CString m_strFile;
    CString m_strWidget;
    int m_bStretch;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnChooseColour1();
    afx_msg void OnChooseColour2();
};
