// CZQApp::LoadSettings and SaveSettings: the user's settings in the registry section "Settings".
//
// value                          kind     absent  accepted                    field
// "input csv list separator"     string   ""      non-empty: first character  m_cInputListSeparator
// "output csv list separator"    string   ""      as above                    m_cOutputListSeparator
// "input csv decimal symbol"     string   ""      as above, when              m_cInputDecimalSymbol
//                                                 IsCsvDecimalSymbol takes it
//                                                 beside the input separator
// "output csv decimal symbol"    string   ""      as above, beside the        m_cOutputDecimalSymbol
//                                                 output separator
// "add segments info to xml"     integer  1       any; non-zero is on         m_bAddSegmentsInfo
// "add reference info to xml"    integer  1       any; non-zero is on         m_bAddReferenceInfo
// "charts background color"      integer  -1      0 or more                   m_crChartBackground
// "charts axis color"            integer  -1      0 or more                   m_crChartAxis
// "charts line color"            integer  -1      0 or more                   m_crChartLine
// "charts points color"          integer  -1      0 or more                   m_crChartPoints
// "charts bars color"            integer  -1      0 or more                   m_crChartBars
// "charts evaluations precision" integer  -1      1 to 6                      m_nEvaluationsPrecision
// "results utility precision"    integer  -1      1 to 6                      m_nUtilityPrecision
// "restoring confirmation"       integer  1       any; non-zero is on         m_bRestoringConfirmation
// "language"                     integer  0       any; non-zero is Polish (1) m_nLanguage
//
// A value outside what is accepted leaves the field as the constructor set it.
#include "app/ZQApp.h"

#include "model/files/ProjectCsv.h"

namespace {

const char* const kSymbolEntries[] = {"input csv decimal symbol", "output csv decimal symbol",
                                      "input csv list separator", "output csv list separator"};
const char* const kSegmentsInfo = "add segments info to xml";
const char* const kReferenceInfo = "add reference info to xml";
const char* const kColorEntries[] = {"charts background color", "charts axis color", "charts line color",
                                     "charts points color", "charts bars color"};
const char* const kEvaluationsPrecision = "charts evaluations precision";
const char* const kUtilityPrecision = "results utility precision";
const char* const kRestoringConfirmation = "restoring confirmation";
const char* const kLanguage = "language";

const int kMinPrecision = 1;
const int kMaxPrecision = 6;

} // namespace

void CZQApp::LoadSettings()
{
    const auto readInt = [this](const char* pszEntry, int nDefault) {
        return int(GetProfileInt(ZQ_SETTINGS_SECTION, pszEntry, nDefault));
    };

    char* const symbols[] = {&m_cInputDecimalSymbol, &m_cOutputDecimalSymbol, &m_cInputListSeparator,
                             &m_cOutputListSeparator};
    // The separators first: a decimal symbol is taken only when the numbers written with it can be
    // told from the separator beside it and from their own digits, signs and exponents.
    for (int i : {2, 3, 0, 1}) {
        const CString value = GetProfileString(ZQ_SETTINGS_SECTION, kSymbolEntries[i], "");
        if (!value.IsEmpty() && (i >= 2 || IsCsvDecimalSymbol(value[0], *symbols[i + 2])))
            *symbols[i] = value[0];
    }

    m_bAddSegmentsInfo = readInt(kSegmentsInfo, 1) != 0 ? 1 : 0;
    m_bAddReferenceInfo = readInt(kReferenceInfo, 1) != 0 ? 1 : 0;

    COLORREF* const colors[] = {&m_crChartBackground, &m_crChartAxis, &m_crChartLine, &m_crChartPoints,
                                &m_crChartBars};
    for (int i = 0; i < 5; ++i) {
        const int value = readInt(kColorEntries[i], -1);
        if (value >= 0)
            *colors[i] = COLORREF(value);
    }

    const int evaluationsPrecision = readInt(kEvaluationsPrecision, -1);
    if (evaluationsPrecision >= kMinPrecision && evaluationsPrecision <= kMaxPrecision)
        m_nEvaluationsPrecision = evaluationsPrecision;
    const int utilityPrecision = readInt(kUtilityPrecision, -1);
    if (utilityPrecision >= kMinPrecision && utilityPrecision <= kMaxPrecision)
        m_nUtilityPrecision = utilityPrecision;

    m_bRestoringConfirmation = readInt(kRestoringConfirmation, 1) != 0 ? 1 : 0;
    m_nLanguage = readInt(kLanguage, 0) != 0 ? 1 : 0;
}

void CZQApp::SaveSettings()
{
    const char symbols[] = {m_cInputDecimalSymbol, m_cOutputDecimalSymbol, m_cInputListSeparator,
                            m_cOutputListSeparator};
    for (int i = 0; i < 4; ++i) {
        const char text[2] = {symbols[i], '\0'};
        WriteProfileString(ZQ_SETTINGS_SECTION, kSymbolEntries[i], text);
    }

    WriteProfileInt(ZQ_SETTINGS_SECTION, kSegmentsInfo, m_bAddSegmentsInfo != 0 ? 1 : 0);
    WriteProfileInt(ZQ_SETTINGS_SECTION, kReferenceInfo, m_bAddReferenceInfo != 0 ? 1 : 0);

    const COLORREF colors[] = {m_crChartBackground, m_crChartAxis, m_crChartLine, m_crChartPoints, m_crChartBars};
    for (int i = 0; i < 5; ++i)
        WriteProfileInt(ZQ_SETTINGS_SECTION, kColorEntries[i], int(colors[i]));

    WriteProfileInt(ZQ_SETTINGS_SECTION, kEvaluationsPrecision, m_nEvaluationsPrecision);
    WriteProfileInt(ZQ_SETTINGS_SECTION, kUtilityPrecision, m_nUtilityPrecision);
    WriteProfileInt(ZQ_SETTINGS_SECTION, kRestoringConfirmation, m_bRestoringConfirmation != 0 ? 1 : 0);
    WriteProfileInt(ZQ_SETTINGS_SECTION, kLanguage, m_nLanguage == 1 ? 1 : 0);
}
