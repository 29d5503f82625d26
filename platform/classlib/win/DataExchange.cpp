// the standard headers first: windows.h defines min and max as macros
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "win/DataExchange.h"

#include "win/AfxResource.h"
#include "win/AfxStrings.h"
#include "win/ArgCheck.h"
#include "win/WinServices.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(nullptr), m_bEditLastControl(FALSE)
{
    AfxRequirePointer(pDlgWnd, "CDataExchange", "pDlgWnd");
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == nullptr)
        AfxThrowInvalidArgFormat("DDX: the dialog has no control with id %d", nIDC);
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

namespace {

CString ControlText(HWND hWnd)
{
    CString text;
    CWnd::FromHandle(hWnd)->GetWindowText(text);
    return text;
}

// Shows the library's message nIDPrompt (with %1, %2 filled) and fails the exchange.
[[noreturn]] void FailWith(CDataExchange* pDX, UINT nIDPrompt, LPCSTR lpsz1 = nullptr, LPCSTR lpsz2 = nullptr)
{
    CString text;
    LPCSTR strings[2] = {lpsz1, lpsz2};
    AfxFormatStrings(text, AfxLoadLibraryString(nIDPrompt), strings, 2);
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

// Reads a whole decimal integer with blanks around it. false when the text is not one or the value
// lies outside [minValue, maxValue].
bool ParseInteger(const CString& text, long long minValue, long long maxValue, long long& value)
{
    const char* p = text.GetString();
    while (*p == ' ' || *p == '\t')
        ++p;
    const char* start = p;
    if (*p == '+' || *p == '-')
        ++p;
    if (*p < '0' || *p > '9')
        return false;
    errno = 0;
    char* end = nullptr;
    const long long parsed = strtoll(start, &end, 10);
    if (errno == ERANGE)
        return false;
    for (const char* q = end; *q != '\0'; ++q)
        if (*q != ' ' && *q != '\t')
            return false;
    if (parsed < minValue || parsed > maxValue)
        return false;
    value = parsed;
    return true;
}

void ExchangeInteger(CDataExchange* pDX, int nIDC, long long& value, long long minValue, long long maxValue,
                     UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!ParseInteger(ControlText(hWndCtrl), minValue, maxValue, value))
            FailWith(pDX, nIDPrompt);
    } else {
        CString text;
        text.Format("%lld", value);
        ::SetWindowTextA(hWndCtrl, text);
    }
}

CString FormatDouble(double value)
{
    CString text;
    text.Format("%.15g", value);
    return text;
}

// The selected item of list or combo box nIDC to or from index (msgGet / msgSet: its GETCURSEL and
// SETCURSEL messages); lpszWhere names the exchange in the message for a null pDX.
void ExchangeSelection(CDataExchange* pDX, const char* lpszWhere, int nIDC, int& index, UINT msgGet, UINT msgSet)
{
    AfxRequirePointer(pDX, lpszWhere, "pDX");
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = int(::SendMessageA(hWndCtrl, msgGet, 0, 0));
    else
        ::SendMessageA(hWndCtrl, msgSet, WPARAM(index), 0);
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    AfxRequirePointer(pDX, "DDX_Text", "pDX");
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    AfxRequirePointer(pDX, "DDX_Text", "pDX");
    long long v = value;
    ExchangeInteger(pDX, nIDC, v, INT_MIN, INT_MAX, AFX_IDP_PARSE_INT);
    value = int(v);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    AfxRequirePointer(pDX, "DDX_Text", "pDX");
    long long v = value;
    ExchangeInteger(pDX, nIDC, v, 0, UINT_MAX, AFX_IDP_PARSE_UINT);
    value = UINT(v);
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    AfxRequirePointer(pDX, "DDX_Text", "pDX");
    long long v = value;
    ExchangeInteger(pDX, nIDC, v, INT_MIN, INT_MAX, AFX_IDP_PARSE_INT);
    value = long(v);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    AfxRequirePointer(pDX, "DDX_Text", "pDX");
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        const CString text = ControlText(hWndCtrl);
        const char* end = nullptr;
        const double parsed = AfxStrToDouble(text, &end);
        bool bValid = end != text.GetString() && std::isfinite(parsed);
        for (const char* q = end; bValid && *q != '\0'; ++q)
            if (*q != ' ' && *q != '\t')
                bValid = false;
        if (!bValid)
            FailWith(pDX, AFX_IDP_PARSE_REAL);
        value = parsed;
    } else {
        ::SetWindowTextA(hWndCtrl, FormatDouble(value));
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    AfxRequirePointer(pDX, "DDX_Check", "pDX");
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = int(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    } else {
        if (value < 0 || value > 2)
            AfxThrowInvalidArgFormat("DDX_Check: check state %d of control %d is not 0, 1 or 2", value, nIDC);
        ::SendMessageA(hWndCtrl, BM_SETCHECK, WPARAM(value), 0);
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    AfxRequirePointer(pDX, "DDX_Radio", "pDX");
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int nIndex = 0;
    // the group: from the first button up to the next control that starts a group
    for (HWND hWnd = hWndCtrl; hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (hWnd != hWndCtrl && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_GROUP))
            break;
        if (!(::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = nIndex;
        } else {
            ::SendMessageA(hWnd, BM_SETCHECK, nIndex == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++nIndex;
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeSelection(pDX, "DDX_CBIndex", nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    AfxRequirePointer(pDX, "DDX_CBString", "pDX");
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    const bool bDropList = (::GetWindowLongA(hWndCtrl, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST;
    if (pDX->m_bSaveAndValidate) {
        if (!bDropList) {
            value = ControlText(hWndCtrl);
            return;
        }
        value.Empty();
        const LRESULT nSelected = ::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0);
        const LRESULT nLength = nSelected >= 0 ? ::SendMessageA(hWndCtrl, CB_GETLBTEXTLEN, WPARAM(nSelected), 0) : CB_ERR;
        if (nLength == CB_ERR)
            return;
        std::vector<char> text(size_t(nLength) + 1);
        ::SendMessageA(hWndCtrl, CB_GETLBTEXT, WPARAM(nSelected), reinterpret_cast<LPARAM>(text.data()));
        value = text.data();
    } else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(value.GetString())) ==
               CB_ERR) {
        if (bDropList)
            ::SendMessageA(hWndCtrl, CB_SETCURSEL, WPARAM(-1), 0);
        else
            ::SetWindowTextA(hWndCtrl, value);
    }
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeSelection(pDX, "DDX_LBIndex", nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    AfxRequirePointer(pDX, "DDX_Control", "pDX");
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowInvalidArgFormat("DDX_Control: control %d cannot be subclassed", nIDC);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    AfxRequirePointer(pDX, "DDV_MinMaxInt", "pDX");
    if (minVal > maxVal)
        AfxThrowInvalidArgFormat("DDV_MinMaxInt: minimum %d above maximum %d", minVal, maxVal);
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin;
    CString strMax;
    strMin.Format("%d", minVal);
    strMax.Format("%d", maxVal);
    FailWith(pDX, AFX_IDP_PARSE_INT_RANGE, strMin, strMax);
}

void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal)
{
    AfxRequirePointer(pDX, "DDV_MinMaxDouble", "pDX");
    if (!(minVal <= maxVal))
        AfxThrowInvalidArgFormat("DDV_MinMaxDouble: minimum %g above maximum %g", minVal, maxVal);
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    FailWith(pDX, AFX_IDP_PARSE_REAL_RANGE, FormatDouble(minVal), FormatDouble(maxVal));
}

void DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars)
{
    AfxRequirePointer(pDX, "DDV_MaxChars", "pDX");
    if (nChars < 1)
        AfxThrowInvalidArgFormat("DDV_MaxChars: limit %d is not positive", nChars);
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString strLimit;
            strLimit.Format("%d", nChars);
            FailWith(pDX, AFX_IDP_PARSE_STRING_SIZE, strLimit);
        }
    } else if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl) {
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, WPARAM(nChars), 0);
    }
}
