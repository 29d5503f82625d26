// CZQAltPropSheet: the property sheet of one alternative, "Properties of the Alternative", with its
// one page CZQAltPropPage1 "General" (template 101): the name (edit 1000) and the description (edit
// 1003). The alternatives pane fills the page's two texts, runs the sheet and reads them back after
// OK. The sheet has no Apply and no Help button.
//
// Leaving the page (OK, or another tab) checks the name: the name it started with is accepted as it
// is; an empty name, or one that some row of the project's alternatives table already has (compared
// exactly), is refused in an information box owned by the page, captioned "Ondrix" ("Alternative name
// cannot be empty!", "Alternative '<name>' already exists!"): the name at the start goes back into the
// field and the sheet stays open. An empty name would stand in the evaluations table beside its
// header cell and could not be saved sensibly, hence its refusal.
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQAltPropPage1 : public CPropertyPage {
    DECLARE_DYNAMIC(CZQAltPropPage1)
public:
    // Both texts empty.
    CZQAltPropPage1();
    ~CZQAltPropPage1() override;

    // Edits 1000 (name) and 1003 (description).
    void DoDataExchange(CDataExchange* pDX) override;
    // Keeps the name as the name at the start, then the base fills the controls.
    BOOL OnInitDialog() override;
    // Reads the controls and checks the name (see the top of this file); FALSE refuses.
    BOOL OnKillActive() override;

    CString m_strName;
    CString m_strDescription;
    CString m_strStartName; // the name when the page was made
};

class CZQAltPropSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CZQAltPropSheet)
public:
    // The sheet captioned with string 57708, holding m_page1; pParentWnd its owner (null: the main
    // window).
    explicit CZQAltPropSheet(CWnd* pParentWnd = nullptr);
    ~CZQAltPropSheet() override;

    CZQAltPropPage1 m_page1;
};
