// The option pages and their sheet: CZQOptionsPropPage1 "General" (template 104) and
// CZQOptionsPropPage2 "Files" (template 105) edit, in their members, the settings of the result
// precisions, chart colours, restoring confirmation, CSV symbols and project XML contents;
// CZQOptionsPropSheet holds the two. No menu offers the sheet and nothing copies the pages' members
// to or from the application's settings: whoever builds the sheet fills the members and reads them
// after OK.
//
// The General page shows the five chart colours in colour-well buttons on its buttons 1023
// (background), 1026 (axis), 1029 (line), 1030 (points) and 1031 (bars): the wells take the members'
// colours when the page is made, and the members take the wells' colours when the page is left.
#pragma once

#include <windows.h>

#include "frames/SECWellButton.h"
#include "win/Win.h"

class CZQOptionsPropPage1 : public CPropertyPage {
    DECLARE_DYNCREATE(CZQOptionsPropPage1)
    DECLARE_MESSAGE_MAP()
public:
    // Colours black, both precision choices -1 (none), confirmation off.
    CZQOptionsPropPage1();
    ~CZQOptionsPropPage1() override;

    // The precision lists 1020 and 1021 (indices: 0 is "1", 5 is "6"), check box 1036 and the five
    // colour wells.
    void DoDataExchange(CDataExchange* pDX) override;
    // Attaches the colour wells to their buttons, then the base fills every control from the members.
    BOOL OnInitDialog() override;

    COLORREF m_crBars;
    COLORREF m_crPoints;
    COLORREF m_crLine;
    COLORREF m_crAxis;
    COLORREF m_crBackground;
    int m_nUtilityPrecision;     // index into list 1020 ("Final ranking")
    int m_nEvaluationsPrecision; // index into list 1021 ("Marginal utility charts")
    int m_bRestoringConfirmation; // "Confirm before restoring marginal utilities"
    SECWellButton m_wellBackground;
    SECWellButton m_wellAxis;
    SECWellButton m_wellLine;
    SECWellButton m_wellPoints;
    SECWellButton m_wellBars;

protected:
    // "Defaults" (1032): white background, black axis, blue line, red points, green bars into the
    // wells and "6" in both precision lists; what else the page shows (the confirmation check) stays
    // as the user left it.
    afx_msg void OnDefaults();
};

class CZQOptionsPropPage2 : public CPropertyPage {
    DECLARE_DYNCREATE(CZQOptionsPropPage2)
    DECLARE_MESSAGE_MAP()
public:
    // Both decimal choices -1 (none), both separators empty, both checks off; the locale of
    // "Defaults" the user's.
    CZQOptionsPropPage2();
    ~CZQOptionsPropPage2() override;

    // The decimal symbol lists 1017 (input) and 1018 (output), whose entries are ".  (dot)" (0) and
    // ",  (comma)" (1); the list separator edits 1002 and 1005; check boxes 1016 and 1015.
    void DoDataExchange(CDataExchange* pDX) override;

    int m_nInputDecimalSymbol;
    int m_nOutputDecimalSymbol;
    CString m_strInputListSeparator;
    CString m_strOutputListSeparator;
    int m_bAddSegmentsInfo;   // "Add information about no. of segments to file"
    int m_bAddReferenceInfo;  // "Add information about reference set to file "
    LCID m_locale;            // whose symbols "Defaults" takes (LOCALE_USER_DEFAULT)

protected:
    // "Defaults" (1006): both checks on; both decimal lists on the entry that shows the locale's
    // decimal symbol (the comma entry for ',', the dot entry for any other); both separators the
    // locale's list separator. A locale that cannot be read counts as '.' and ','.
    afx_msg void OnDefaults();
};

class CZQOptionsPropSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CZQOptionsPropSheet)
public:
    // The sheet with the General and the Files page, in that order. pszCaption: its caption;
    // pParentWnd: its owner (null: the main window); iSelectPage: the page shown first.
    explicit CZQOptionsPropSheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CZQOptionsPropSheet() override;

    CZQOptionsPropPage1 m_pageGeneral;
    CZQOptionsPropPage2 m_pageFiles;
};
