// The small dialogs of the chart edit dialog. Each holds its values in members: the caller sets them
// before DoModal and reads them after IDOK.
//
// DEDizedAnnotationEdit: the text and index of an annotation; an index outside 1 to 99 is refused with
// the range message and the dialog stays open.
// SRGComponentChoice: the kind of component to add, as the index of the combo box's entry (0
// background, 1 display, 2 legend, 3 title, 4 label, 5 label block; -1 when none is selected).
// DEDizedItemEdit: the chart's two switches, off-screen drawing and hit regions.
// DEDizedValueEdit: one value.
#pragma once

#include "win/Win.h"

#include <windows.h>

class DEDizedAnnotationEdit : public CDialog {
    DECLARE_DYNAMIC(DEDizedAnnotationEdit)
public:
    // An empty text, index 0.
    explicit DEDizedAnnotationEdit(CWnd* pParent = nullptr);

    CString m_strText;
    int m_nIndex;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class SRGComponentChoice : public CDialog {
    DECLARE_DYNAMIC(SRGComponentChoice)
public:
    // Index 0.
    explicit SRGComponentChoice(CWnd* pParent = nullptr);

    int m_nIndex;

protected:
    // Lists the kinds and selects the index.
    BOOL OnInitDialog() override;
    // Takes the selection (-1 for none) and ends with IDOK.
    void OnOK() override;
};

class DEDizedItemEdit : public CDialog {
    DECLARE_DYNAMIC(DEDizedItemEdit)
public:
    // Both unchecked.
    explicit DEDizedItemEdit(CWnd* pParent = nullptr);

    int m_bBuffered;
    int m_bHitRegions;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class DEDizedValueEdit : public CDialog {
    DECLARE_DYNAMIC(DEDizedValueEdit)
public:
    // Value 0.
    explicit DEDizedValueEdit(CWnd* pParent = nullptr);

    double m_dValue;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
