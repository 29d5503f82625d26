// The option pages and their sheet (see ZQOptionsPages.h).
#include "app/ZQOptionsPages.h"

#include "app/ZQApp.h"
#include "res/resource.h"

namespace {

// The index of "6" in the precision lists.
const int kDefaultPrecisionIndex = 5;
// The entries of the decimal symbol lists.
const int kDotEntry = 0;
const int kCommaEntry = 1;

} // namespace

// ---- General -----------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CZQOptionsPropPage1, CPropertyPage)

BEGIN_MESSAGE_MAP(CZQOptionsPropPage1, CPropertyPage)
    ON_BN_CLICKED(IDC_ZQ_GENERAL_DEFAULTS, OnDefaults)
END_MESSAGE_MAP()

CZQOptionsPropPage1::CZQOptionsPropPage1()
    : CPropertyPage(IDD_ZQ_OPTIONS_GENERAL), m_crBars(0), m_crPoints(0), m_crLine(0), m_crAxis(0), m_crBackground(0),
      m_nUtilityPrecision(-1), m_nEvaluationsPrecision(-1), m_bRestoringConfirmation(0)
{
}

CZQOptionsPropPage1::~CZQOptionsPropPage1() = default;

void CZQOptionsPropPage1::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_ZQ_UTILITY_PRECISION, m_nUtilityPrecision);
    DDX_CBIndex(pDX, IDC_ZQ_EVALUATIONS_PRECISION, m_nEvaluationsPrecision);
    DDX_Check(pDX, IDC_ZQ_RESTORING_CONFIRMATION, m_bRestoringConfirmation);
    DDX_WellColor(pDX, IDC_ZQ_BACKGROUND_COLOR, m_crBackground);
    DDX_WellColor(pDX, IDC_ZQ_AXIS_COLOR, m_crAxis);
    DDX_WellColor(pDX, IDC_ZQ_LINE_COLOR, m_crLine);
    DDX_WellColor(pDX, IDC_ZQ_POINTS_COLOR, m_crPoints);
    DDX_WellColor(pDX, IDC_ZQ_BARS_COLOR, m_crBars);
}

BOOL CZQOptionsPropPage1::OnInitDialog()
{
    // before the base fills the controls: the colours go into the wells
    const struct {
        SECWellButton& well;
        int nID;
    } wells[] = {{m_wellBackground, IDC_ZQ_BACKGROUND_COLOR},
                 {m_wellAxis, IDC_ZQ_AXIS_COLOR},
                 {m_wellLine, IDC_ZQ_LINE_COLOR},
                 {m_wellPoints, IDC_ZQ_POINTS_COLOR},
                 {m_wellBars, IDC_ZQ_BARS_COLOR}};
    for (const auto& w : wells) {
        if (w.well.m_hWnd == nullptr)
            w.well.SubclassDlgItem(w.nID, this);
    }
    return CPropertyPage::OnInitDialog();
}

void CZQOptionsPropPage1::OnDefaults()
{
    // the controls are filled from the members below: take what the user set first
    UpdateData(TRUE);
    m_crBackground = RGB(255, 255, 255);
    m_crAxis = RGB(0, 0, 0);
    m_crLine = RGB(0, 0, 255);
    m_crPoints = RGB(255, 0, 0);
    m_crBars = RGB(0, 192, 0);
    m_nUtilityPrecision = kDefaultPrecisionIndex;
    m_nEvaluationsPrecision = kDefaultPrecisionIndex;
    UpdateData(FALSE);
}

// ---- Files -------------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CZQOptionsPropPage2, CPropertyPage)

BEGIN_MESSAGE_MAP(CZQOptionsPropPage2, CPropertyPage)
    ON_BN_CLICKED(IDC_ZQ_FILES_DEFAULTS, OnDefaults)
END_MESSAGE_MAP()

CZQOptionsPropPage2::CZQOptionsPropPage2()
    : CPropertyPage(IDD_ZQ_OPTIONS_FILES), m_nInputDecimalSymbol(-1), m_nOutputDecimalSymbol(-1),
      m_bAddSegmentsInfo(0), m_bAddReferenceInfo(0), m_locale(LOCALE_USER_DEFAULT)
{
}

CZQOptionsPropPage2::~CZQOptionsPropPage2() = default;

void CZQOptionsPropPage2::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_ZQ_INPUT_DECIMAL, m_nInputDecimalSymbol);
    DDX_CBIndex(pDX, IDC_ZQ_OUTPUT_DECIMAL, m_nOutputDecimalSymbol);
    DDX_Text(pDX, IDC_ZQ_INPUT_LIST_SEPARATOR, m_strInputListSeparator);
    DDX_Text(pDX, IDC_ZQ_OUTPUT_LIST_SEPARATOR, m_strOutputListSeparator);
    DDX_Check(pDX, IDC_ZQ_ADD_SEGMENTS_INFO, m_bAddSegmentsInfo);
    DDX_Check(pDX, IDC_ZQ_ADD_REFERENCE_INFO, m_bAddReferenceInfo);
}

void CZQOptionsPropPage2::OnDefaults()
{
    const char cDecimal = ZQLocaleSymbol(m_locale, LOCALE_SDECIMAL, '.');
    const char cSeparator = ZQLocaleSymbol(m_locale, LOCALE_SLIST, ',');
    m_bAddSegmentsInfo = 1;
    m_bAddReferenceInfo = 1;
    m_nInputDecimalSymbol = m_nOutputDecimalSymbol = cDecimal == ',' ? kCommaEntry : kDotEntry;
    m_strInputListSeparator = m_strOutputListSeparator = CString(cSeparator);
    UpdateData(FALSE);
}

// ---- the sheet -----------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CZQOptionsPropSheet, CPropertySheet)

CZQOptionsPropSheet::CZQOptionsPropSheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
    AddPage(&m_pageGeneral);
    AddPage(&m_pageFiles);
}

CZQOptionsPropSheet::~CZQOptionsPropSheet() = default;
