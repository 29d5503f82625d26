// Dialog data exchange: the DDX_ functions move a value between a control of the dialog and a member,
// the DDV_ functions check a value just read. A dialog's DoDataExchange calls them in order; each DDV_
// call checks the value of the DDX_ call before it.
//
// Reading (m_bSaveAndValidate TRUE): a text that is not a number of the asked kind, or a DDV_ check
// that fails, shows the library's message through AfxMessageBox (so through the services seam; the
// texts are the string resources AFX_IDP_PARSE_*, with English fallbacks, "%1"/"%2" the limits), puts
// the focus on the control (selecting the text of an edit control) and throws CUserException, which
// UpdateData turns into FALSE: the dialog stays open. The members read before the refusal (and a
// value refused by a DDV_ check) keep what was read: callers take the members only after IDOK.
// Numbers are read and written in the C numeric locale: integers as optional sign and decimal digits
// with blanks around them; doubles as strtod reads them (finite values only) and written with 15
// significant digits ("%.15g"). long is checked against the 32-bit LONG range.
// A control id that the dialog lacks is refused with CInvalidArgException naming the id.
#pragma once

#include "win/CWnd.h"

class CDataExchange {
public:
    // pDlgWnd: the dialog; bSaveAndValidate: TRUE reads the controls, FALSE fills them.
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // The control nIDC (remembered as the one a failure focuses).
    HWND PrepareCtrl(int nIDC);
    // The same for an edit control (a failure selects its text).
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the last prepared control and throws CUserException.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl;
    BOOL m_bEditLastControl;
};

// Window text of control nIDC.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// Check box state: 0, 1 or 2 (indeterminate); another value to show is refused.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Radio group starting at nIDC (the first button, WS_GROUP): the index of the checked button among
// the group's radio buttons, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Selected index of a combo box / list box, -1 for none.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// Text of a combo box: reading gives the selected entry's text of a drop-down list (empty with none
// selected), the edit field's text of the other kinds. Filling selects the first entry that begins
// with value (case-insensitive); when none does, a drop-down list selects nothing and the others show
// value in their edit field.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
// Subclasses control nIDC with rControl the first time (rControl then receives its messages).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Range checks of the value just read (nothing while filling the controls).
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal);
// At most nChars bytes; while filling, limits the edit control to nChars.
void DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars);
