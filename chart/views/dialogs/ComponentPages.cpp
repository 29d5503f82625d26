#include "chart/views/dialogs/ComponentPages.h"

#include "chart/views/dialogs/ChartDialogLists.h"
#include "chart/views/dialogs/ChartDialogResource.h"

IMPLEMENT_DYNCREATE(SRGCTypeAndPos, CPropertyPage)
IMPLEMENT_DYNCREATE(SRGCFillStyle, CPropertyPage)
IMPLEMENT_DYNCREATE(SRGCBorderStyle, CPropertyPage)
IMPLEMENT_DYNCREATE(SRGCShadowStyle, CPropertyPage)
IMPLEMENT_DYNCREATE(SRGCFontStyle, CPropertyPage)
IMPLEMENT_DYNCREATE(SRGCDisplayStyle, CPropertyPage)
IMPLEMENT_DYNCREATE(SRGCLegendEdit, CPropertyPage)
IMPLEMENT_DYNCREATE(SRGCLabelStyle, CPropertyPage)
IMPLEMENT_DYNCREATE(SRGObjStyle, CPropertyPage)
IMPLEMENT_DYNCREATE(SRGInteriorEdit, CPropertyPage)

namespace {

// Selects the entry of combo box nIDC that a packed value stands for (no entry for a code the combo
// box does not list).
void SelectPacked(CWnd& rPage, int nIDC, int nPacked, int nShift)
{
    const int nIndex = nPacked < 0 ? -1 : int(unsigned(nPacked) >> nShift);
    rPage.SendDlgItemMessage(nIDC, CB_SETCURSEL, WPARAM(nIndex));
}

// Packs the selection of combo box nIDC into rPacked; with no selection rPacked keeps its value.
void ReadPacked(CWnd& rPage, int nIDC, int& rPacked, int nShift)
{
    const LRESULT nIndex = rPage.SendDlgItemMessage(nIDC, CB_GETCURSEL);
    if (nIndex != CB_ERR)
        rPacked = int(unsigned(nIndex) << nShift);
}

// The colour dialog for a swatch of pPage: on IDOK the swatch takes the colour chosen and the page is
// repainted.
void ChooseSwatchColour(CPropertyPage* pPage, SRSwatchButton& rSwatch)
{
    CColorDialog dialog(rSwatch.GetColour(), 0, pPage);
    if (dialog.DoModal() != IDOK)
        return;
    rSwatch.SetColour(dialog.GetColor());
    pPage->Invalidate();
}

} // namespace

// ---- type and position ------------------------------------------------------------------------------

SRGCTypeAndPos::SRGCTypeAndPos()
    : CPropertyPage(IDD_CHART_PAGE_TYPE),
      m_dLeft(0.0),
      m_dTop(0.0),
      m_dRight(0.0),
      m_dBottom(0.0),
      m_nMeasurement(-1),
      m_dAngle1(0.0),
      m_dAngle2(0.0),
      m_dAngle3(0.0)
{
}

BOOL SRGCTypeAndPos::OnInitDialog()
{
    FillComboFromList(*this, IDC_CHART_TYPE_MEASUREMENT, IDS_CHART_LIST_MEASUREMENTS);
    return CPropertyPage::OnInitDialog();
}

void SRGCTypeAndPos::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CHART_TYPE_LEFT, m_dLeft);
    DDX_Text(pDX, IDC_CHART_TYPE_TOP, m_dTop);
    DDX_Text(pDX, IDC_CHART_TYPE_RIGHT, m_dRight);
    DDX_Text(pDX, IDC_CHART_TYPE_BOTTOM, m_dBottom);
    DDX_CBIndex(pDX, IDC_CHART_TYPE_MEASUREMENT, m_nMeasurement);
    DDX_Text(pDX, IDC_CHART_TYPE_NAME, m_strTypeName);
    DDX_Text(pDX, IDC_CHART_TYPE_ANGLE_3, m_dAngle3);
    DDV_MinMaxDouble(pDX, m_dAngle3, 0.0, 360.0);
    DDX_Text(pDX, IDC_CHART_TYPE_ANGLE_1, m_dAngle1);
    DDV_MinMaxDouble(pDX, m_dAngle1, 0.0, 360.0);
    DDX_Text(pDX, IDC_CHART_TYPE_ANGLE_2, m_dAngle2);
    DDV_MinMaxDouble(pDX, m_dAngle2, 0.0, 360.0);
}

// ---- fill --------------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SRGCFillStyle, CPropertyPage)
    ON_BN_CLICKED(IDC_CHART_FILL_CHOOSE_1, OnChooseColour1)
    ON_BN_CLICKED(IDC_CHART_FILL_CHOOSE_2, OnChooseColour2)
    ON_BN_CLICKED(IDC_CHART_FILL_BROWSE, OnBrowse)
END_MESSAGE_MAP()

SRGCFillStyle::SRGCFillStyle() : CPropertyPage(IDD_CHART_PAGE_FILL), m_nFillKind(-1), m_dFillValue(0.0) {}

BOOL SRGCFillStyle::OnInitDialog()
{
    FillComboFromList(*this, IDC_CHART_FILL_KIND, IDS_CHART_LIST_FILL_KINDS);
    const BOOL bResult = CPropertyPage::OnInitDialog();
    if (CWnd* pBrowse = GetDlgItem(IDC_CHART_FILL_BROWSE))
        pBrowse->ShowWindow(SW_HIDE);
    return bResult;
}

void SRGCFillStyle::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHART_FILL_COLOUR_2, m_swatchColour2);
    DDX_Control(pDX, IDC_CHART_FILL_COLOUR_1, m_swatchColour1);
    DDX_CBIndex(pDX, IDC_CHART_FILL_KIND, m_nFillKind);
    DDX_Text(pDX, IDC_CHART_FILL_VALUE, m_dFillValue);
    DDX_Text(pDX, IDC_CHART_FILL_FILE, m_strFile);
}

void SRGCFillStyle::OnChooseColour1()
{
    ChooseSwatchColour(this, m_swatchColour1);
}

void SRGCFillStyle::OnChooseColour2()
{
    ChooseSwatchColour(this, m_swatchColour2);
}

void SRGCFillStyle::OnBrowse()
{
    CFileDialog dialog(TRUE, ".PLY", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Polygon file|*.PLY||", this);
    if (dialog.DoModal() != IDOK)
        return;
    // the chart reads its files at host paths
    CString hostPath;
    if (AfxGetHostPath(dialog.GetPathName(), hostPath))
        SetDlgItemText(IDC_CHART_FILL_FILE, hostPath);
}

// ---- border and shadow -------------------------------------------------------------------------------

SRGCBorderStyle::SRGCBorderStyle() : CPropertyPage(IDD_CHART_PAGE_BORDER), m_nBorderKind(-1) {}

BOOL SRGCBorderStyle::OnInitDialog()
{
    FillComboFromList(*this, IDC_CHART_BORDER_KIND, IDS_CHART_LIST_BORDER_KINDS);
    return CPropertyPage::OnInitDialog();
}

void SRGCBorderStyle::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_CHART_BORDER_KIND, m_nBorderKind);
}

SRGCShadowStyle::SRGCShadowStyle() : CPropertyPage(IDD_CHART_PAGE_SHADOW), m_nShadowKind(-1) {}

BOOL SRGCShadowStyle::OnInitDialog()
{
    FillComboFromList(*this, IDC_CHART_SHADOW_KIND, IDS_CHART_LIST_SHADOW_KINDS);
    return CPropertyPage::OnInitDialog();
}

void SRGCShadowStyle::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_CHART_SHADOW_KIND, m_nShadowKind);
}

// ---- font --------------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SRGCFontStyle, CPropertyPage)
    ON_BN_CLICKED(IDC_CHART_FONT_CHOOSE_COLOUR, OnChooseColour)
    ON_BN_CLICKED(IDC_CHART_FONT_CHOOSE_FONT, OnChooseFont)
END_MESSAGE_MAP()

SRGCFontStyle::SRGCFontStyle()
    : CPropertyPage(IDD_CHART_PAGE_FONT),
      m_nSizeSign(-1),
      m_nSize(0),
      m_bBold(0),
      m_bItalic(0),
      m_bUnderline(0),
      m_bStrikeOut(0),
      m_nFontChoice(-1)
{
}

BOOL SRGCFontStyle::OnInitDialog()
{
    FillComboFromList(*this, IDC_CHART_FONT_SIZE_SIGN, IDS_CHART_LIST_SIZE_SIGNS);
    FillComboFromList(*this, IDC_CHART_FONT_CHOICE, IDS_CHART_LIST_FONT_CHOICES);
    return CPropertyPage::OnInitDialog();
}

void SRGCFontStyle::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHART_FONT_COLOUR, m_swatchText);
    DDX_Text(pDX, IDC_CHART_FONT_FACE, m_strFace);
    DDX_CBIndex(pDX, IDC_CHART_FONT_SIZE_SIGN, m_nSizeSign);
    DDX_Text(pDX, IDC_CHART_FONT_SIZE, m_nSize);
    DDX_Check(pDX, IDC_CHART_FONT_BOLD, m_bBold);
    DDX_Check(pDX, IDC_CHART_FONT_ITALIC, m_bItalic);
    DDX_Check(pDX, IDC_CHART_FONT_UNDERLINE, m_bUnderline);
    DDX_Check(pDX, IDC_CHART_FONT_STRIKE_OUT, m_bStrikeOut);
    DDX_CBIndex(pDX, IDC_CHART_FONT_CHOICE, m_nFontChoice);
}

void SRGCFontStyle::OnChooseColour()
{
    ChooseSwatchColour(this, m_swatchText);
}

void SRGCFontStyle::OnChooseFont()
{
    // what the user typed so far is kept: the dialog replaces only what it chooses
    if (!UpdateData(TRUE))
        return;
    CFontDialog dialog(nullptr, CF_SCREENFONTS | CF_EFFECTS, this);
    if (dialog.DoModal() != IDOK)
        return;
    m_bBold = dialog.GetWeight() == FW_BOLD;
    m_bItalic = dialog.IsItalic();
    m_bUnderline = dialog.IsUnderline();
    m_bStrikeOut = dialog.IsStrikeOut();
    m_nSizeSign = sizePoints;
    m_nSize = dialog.GetSize() / 10;
    m_strFace = dialog.GetFaceName();
    m_swatchText.SetColour(dialog.GetColor());
    UpdateData(FALSE);
    Invalidate();
}

// ---- display -----------------------------------------------------------------------------------------

SRGCDisplayStyle::SRGCDisplayStyle()
    : CPropertyPage(IDD_CHART_PAGE_DISPLAY),
      m_nGraphBits(0),
      m_nAxisBits(0),
      m_nLabelBits(0),
      m_nLastGroup(-1),
      m_nLastIndex(-1),
      m_nFirstGroup(-1),
      m_nFirstIndex(-1),
      m_bLogarithmic(0),
      m_bZero(0),
      m_bVerticalGrid(0),
      m_bHorizontalGrid(0),
      m_bDepthGrid(0),
      m_bXScale(0),
      m_bYScale(0),
      m_bGroupLabels(0),
      m_bXTicks(0),
      m_bDataFirst(0)
{
}

BOOL SRGCDisplayStyle::OnInitDialog()
{
    FillComboFromList(*this, IDC_CHART_DISPLAY_GRAPH_TYPE, IDS_CHART_LIST_GRAPH_TYPES);
    FillComboFromList(*this, IDC_CHART_DISPLAY_AXIS_TYPE, IDS_CHART_LIST_AXIS_TYPES);
    FillComboFromList(*this, IDC_CHART_DISPLAY_LABEL_KIND, IDS_CHART_LIST_LABEL_KINDS);
    return CPropertyPage::OnInitDialog();
}

BOOL SRGCDisplayStyle::OnSetActive()
{
    SelectPacked(*this, IDC_CHART_DISPLAY_GRAPH_TYPE, m_nGraphBits, 16);
    SelectPacked(*this, IDC_CHART_DISPLAY_AXIS_TYPE, m_nAxisBits, 24);
    SelectPacked(*this, IDC_CHART_DISPLAY_LABEL_KIND, m_nLabelBits, 4);
    return CPropertyPage::OnSetActive();
}

BOOL SRGCDisplayStyle::OnKillActive()
{
    ReadPacked(*this, IDC_CHART_DISPLAY_GRAPH_TYPE, m_nGraphBits, 16);
    ReadPacked(*this, IDC_CHART_DISPLAY_AXIS_TYPE, m_nAxisBits, 24);
    ReadPacked(*this, IDC_CHART_DISPLAY_LABEL_KIND, m_nLabelBits, 4);
    return CPropertyPage::OnKillActive();
}

void SRGCDisplayStyle::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CHART_DISPLAY_LAST_GROUP, m_nLastGroup);
    DDX_Text(pDX, IDC_CHART_DISPLAY_LAST_INDEX, m_nLastIndex);
    DDX_Text(pDX, IDC_CHART_DISPLAY_FIRST_GROUP, m_nFirstGroup);
    DDX_Text(pDX, IDC_CHART_DISPLAY_FIRST_INDEX, m_nFirstIndex);
    DDX_Check(pDX, IDC_CHART_DISPLAY_LOGARITHMIC, m_bLogarithmic);
    DDX_Check(pDX, IDC_CHART_DISPLAY_ZERO, m_bZero);
    DDX_Check(pDX, IDC_CHART_DISPLAY_VERTICAL_GRID, m_bVerticalGrid);
    DDX_Check(pDX, IDC_CHART_DISPLAY_HORIZONTAL_GRID, m_bHorizontalGrid);
    DDX_Check(pDX, IDC_CHART_DISPLAY_DEPTH_GRID, m_bDepthGrid);
    DDX_Check(pDX, IDC_CHART_DISPLAY_X_SCALE, m_bXScale);
    DDX_Check(pDX, IDC_CHART_DISPLAY_Y_SCALE, m_bYScale);
    DDX_Check(pDX, IDC_CHART_DISPLAY_GROUP_LABELS, m_bGroupLabels);
    DDX_Check(pDX, IDC_CHART_DISPLAY_X_TICKS, m_bXTicks);
    DDX_Check(pDX, IDC_CHART_DISPLAY_DATA_FIRST, m_bDataFirst);
}

// ---- legend ------------------------------------------------------------------------------------------

SRGCLegendEdit::SRGCLegendEdit()
    : CPropertyPage(IDD_CHART_PAGE_LEGEND),
      m_nSourceBits(0),
      m_nKeyBits(0),
      m_nLastGroup(-1),
      m_nLastIndex(-1),
      m_nFirstGroup(-1),
      m_nFirstIndex(-1)
{
}

BOOL SRGCLegendEdit::OnInitDialog()
{
    FillComboFromList(*this, IDC_CHART_LEGEND_SOURCE, IDS_CHART_LIST_LEGEND_SOURCES);
    FillComboFromList(*this, IDC_CHART_LEGEND_KEY, IDS_CHART_LIST_KEY_KINDS);
    return CPropertyPage::OnInitDialog();
}

BOOL SRGCLegendEdit::OnSetActive()
{
    SelectPacked(*this, IDC_CHART_LEGEND_SOURCE, m_nSourceBits, 0);
    SelectPacked(*this, IDC_CHART_LEGEND_KEY, m_nKeyBits, 12);
    return CPropertyPage::OnSetActive();
}

BOOL SRGCLegendEdit::OnKillActive()
{
    ReadPacked(*this, IDC_CHART_LEGEND_SOURCE, m_nSourceBits, 0);
    ReadPacked(*this, IDC_CHART_LEGEND_KEY, m_nKeyBits, 12);
    return CPropertyPage::OnKillActive();
}

void SRGCLegendEdit::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CHART_LEGEND_LAST_GROUP, m_nLastGroup);
    DDX_Text(pDX, IDC_CHART_LEGEND_LAST_INDEX, m_nLastIndex);
    DDX_Text(pDX, IDC_CHART_LEGEND_FIRST_GROUP, m_nFirstGroup);
    DDX_Text(pDX, IDC_CHART_LEGEND_FIRST_INDEX, m_nFirstIndex);
}

// ---- label -------------------------------------------------------------------------------------------

SRGCLabelStyle::SRGCLabelStyle()
    : CPropertyPage(IDD_CHART_PAGE_LABEL), m_dAngle(0.0), m_dX(0.0), m_dY(0.0), m_nPosition(0)
{
}

BOOL SRGCLabelStyle::OnInitDialog()
{
    FillComboFromList(*this, IDC_CHART_LABEL_POSITION, IDS_CHART_LIST_ANCHOR_POSITIONS);
    return CPropertyPage::OnInitDialog();
}

void SRGCLabelStyle::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CHART_LABEL_ANGLE, m_dAngle);
    DDX_Text(pDX, IDC_CHART_LABEL_X, m_dX);
    DDX_Text(pDX, IDC_CHART_LABEL_Y, m_dY);
    DDX_CBIndex(pDX, IDC_CHART_LABEL_POSITION, m_nPosition);
}

// ---- object style ------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SRGObjStyle, CPropertyPage)
    ON_BN_CLICKED(IDC_CHART_OBJECT_COLOUR, OnChooseColour)
    ON_BN_CLICKED(IDC_CHART_OBJECT_OWN_SIZES, OnOwnSizes)
END_MESSAGE_MAP()

SRGObjStyle::SRGObjStyle()
    : CPropertyPage(IDD_CHART_PAGE_OBJECT_STYLE),
      m_nMarkerIndex(0),
      m_nLineIndex(0),
      m_nWidth(0),
      m_bAllItems(0),
      m_bOwnSizes(0),
      m_dDepth(0.0),
      m_dSymbolWidth(0.0),
      m_dSymbolHeight(0.0),
      m_bGroup(0)
{
}

BOOL SRGObjStyle::OnInitDialog()
{
    FillComboFromList(*this, IDC_CHART_OBJECT_MARKER, IDS_CHART_LIST_MARKER_KINDS);
    FillComboFromList(*this, IDC_CHART_OBJECT_LINE, IDS_CHART_LIST_LINE_KINDS);
    return CPropertyPage::OnInitDialog();
}

BOOL SRGObjStyle::OnSetActive()
{
    SelectPacked(*this, IDC_CHART_OBJECT_MARKER, m_nMarkerIndex, 0);
    SelectPacked(*this, IDC_CHART_OBJECT_LINE, m_nLineIndex, 0);
    const BOOL bResult = CPropertyPage::OnSetActive();
    if (CWnd* pAllItems = GetDlgItem(IDC_CHART_OBJECT_ALL_ITEMS))
        pAllItems->EnableWindow(m_bGroup);
    EnableSizes();
    return bResult;
}

BOOL SRGObjStyle::OnKillActive()
{
    ReadPacked(*this, IDC_CHART_OBJECT_MARKER, m_nMarkerIndex, 0);
    ReadPacked(*this, IDC_CHART_OBJECT_LINE, m_nLineIndex, 0);
    return CPropertyPage::OnKillActive();
}

void SRGObjStyle::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHART_OBJECT_COLOUR, m_swatchColour);
    DDX_Text(pDX, IDC_CHART_OBJECT_WIDTH, m_nWidth);
    DDV_MinMaxInt(pDX, m_nWidth, 1, 10);
    DDX_Check(pDX, IDC_CHART_OBJECT_ALL_ITEMS, m_bAllItems);
    DDX_Check(pDX, IDC_CHART_OBJECT_OWN_SIZES, m_bOwnSizes);
    DDX_Text(pDX, IDC_CHART_OBJECT_DEPTH, m_dDepth);
    DDX_Text(pDX, IDC_CHART_OBJECT_SYMBOL_WIDTH, m_dSymbolWidth);
    DDX_Text(pDX, IDC_CHART_OBJECT_SYMBOL_HEIGHT, m_dSymbolHeight);
}

void SRGObjStyle::OnChooseColour()
{
    ChooseSwatchColour(this, m_swatchColour);
}

void SRGObjStyle::OnOwnSizes()
{
    EnableSizes();
}

void SRGObjStyle::EnableSizes()
{
    const BOOL bOwnSizes = IsDlgButtonChecked(IDC_CHART_OBJECT_OWN_SIZES) == BST_CHECKED;
    for (int nID : {IDC_CHART_OBJECT_DEPTH, IDC_CHART_OBJECT_SYMBOL_WIDTH, IDC_CHART_OBJECT_SYMBOL_HEIGHT})
        if (CWnd* pField = GetDlgItem(nID))
            pField->EnableWindow(bOwnSizes);
}

// ---- interior ----------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(SRGInteriorEdit, CPropertyPage)
    ON_BN_CLICKED(IDC_CHART_INTERIOR_CHOOSE_1, OnChooseColour1)
    ON_BN_CLICKED(IDC_CHART_INTERIOR_COLOUR_1, OnChooseColour1)
    ON_BN_CLICKED(IDC_CHART_INTERIOR_CHOOSE_2, OnChooseColour2)
    ON_BN_CLICKED(IDC_CHART_INTERIOR_COLOUR_2, OnChooseColour2)
END_MESSAGE_MAP()

SRGInteriorEdit::SRGInteriorEdit()
    : CPropertyPage(IDD_CHART_PAGE_INTERIOR), m_nFillIndex(0), m_dFillValue(0.0), m_bStretch(0)
{
}

BOOL SRGInteriorEdit::OnInitDialog()
{
    FillComboFromList(*this, IDC_CHART_INTERIOR_FILL, IDS_CHART_LIST_DATA_FILL_KINDS);
    return CPropertyPage::OnInitDialog();
}

BOOL SRGInteriorEdit::OnSetActive()
{
    SelectPacked(*this, IDC_CHART_INTERIOR_FILL, m_nFillIndex, 0);
    return CPropertyPage::OnSetActive();
}

BOOL SRGInteriorEdit::OnKillActive()
{
    ReadPacked(*this, IDC_CHART_INTERIOR_FILL, m_nFillIndex, 0);
    return CPropertyPage::OnKillActive();
}

void SRGInteriorEdit::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHART_INTERIOR_COLOUR_2, m_swatchColour2);
    DDX_Control(pDX, IDC_CHART_INTERIOR_COLOUR_1, m_swatchColour1);
    DDX_Text(pDX, IDC_CHART_INTERIOR_VALUE, m_dFillValue);
    DDX_Text(pDX, IDC_CHART_INTERIOR_FILE, m_strFile);
    DDX_Text(pDX, IDC_CHART_INTERIOR_WIDGET, m_strWidget);
    DDX_Check(pDX, IDC_CHART_INTERIOR_STRETCH, m_bStretch);
}

void SRGInteriorEdit::OnChooseColour1()
{
    ChooseSwatchColour(this, m_swatchColour1);
}

void SRGInteriorEdit::OnChooseColour2()
{
    ChooseSwatchColour(this, m_swatchColour2);
}
