// Support of the cell-control tests: the cell controls registered once the library has started (the
// engine tests' input support starts it), a grid window in a shown frame that notes what reaches the
// grid from its controls, an edit cell that shows its window state and can refuse texts, and keys and
// characters sent as the user's keyboard sends them (to the window that has the focus).
#pragma once

#include "input_test_support.h"

#include "grid/controls/GXControls.h"
#include "grid/controls/GXEditControl.h"
#include "grid/engine/GXGridWnd.h"
#include "grid/engine/GXResource.h"
#include "win/CWindowDC.h"

#include <string>
#include <vector>

// Registers the cell controls once the library has started, as the application does.
class ControlLibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override { GXRegisterCellControls(); }
};
inline ::testing::Environment* const g_pControlLibraryEnvironment =
    ::testing::AddGlobalTestEnvironment(new ControlLibraryEnvironment);

// An edit cell whose window state the tests read, and that refuses texts holding m_strRefused.
class CTestEdit : public CGXEditControl {
public:
    explicit CTestEdit(CGXGridCore* pGrid) : CGXEditControl(pGrid, GX_IDS_CTRL_EDIT) {}

    BOOL ValidateString(const CString& strText) override
    {
        return m_strRefused.IsEmpty() || strText.Find(m_strRefused) < 0;
    }
    void OnInvalidInput(const CString& strText) override { m_invalid.push_back(strText.GetString()); }

    DWORD LastStyle() const { return m_dwLastStyle; }
    int LineHeight() const { return m_nLineHeight; }
    std::string Text() const
    {
        CString strText;
        GetWindowText(strText);
        return strText.GetString();
    }
    CPoint Sel() const
    {
        int nStart, nEnd;
        GetSel(nStart, nEnd);
        return CPoint(nStart, nEnd);
    }

    CString m_strRefused;
    std::vector<std::string> m_invalid;
};

// A grid window that notes the value stores, the control-text stores, the current-cell moves, the
// keys its cells' windows pass on and the selection clicks, and whose validate-cell and delete hooks
// answer as set.
class CNotingGrid : public CGXGridWnd {
public:
    struct Store {
        std::string value;
        int nMode;
        int nKind;
        UINT nFlags;
    };
    BOOL SetStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int nMode, int nKind,
                       const CObArray* pStyleArray, UINT nFlags, int nCommandType) override
    {
        if (pStyle != nullptr && pStyle->GetIncludeValue())
            m_stores.push_back({pStyle->GetValueRef().GetString(), nMode, nKind, nFlags});
        return CGXGridWnd::SetStyleRange(range, pStyle, nMode, nKind, pStyleArray, nFlags, nCommandType);
    }
    BOOL SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags,
                              const CGXStyle* pStyle) override
    {
        m_controlTexts.push_back({pszText, 0, 0, nFlags});
        return CGXGridWnd::SetControlTextRowCol(nRow, nCol, pszText, nFlags, pStyle);
    }
    BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags = 6) override
    {
        m_currentCellFlags.push_back(nFlags);
        return CGXGridWnd::SetCurrentCell(nRow, nCol, nFlags);
    }
    BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) override
    {
        if (pSender != this && nMessage == WM_KEYDOWN)
            m_passedKeys.push_back(nChar);
        return CGXGridWnd::ProcessKeys(pSender, nMessage, nChar, nRepCnt, nFlags);
    }
    void OnEditSelectionClick(ROWCOL nRow, ROWCOL nCol) override
    {
        m_selectionClicks.push_back(CPoint(int(nRow), int(nCol)));
    }
    BOOL OnValidateCell(ROWCOL, ROWCOL) override { return m_bValidateCell; }
    BOOL OnDeleteCell(ROWCOL, ROWCOL) override { return m_bDeleteCell; }

    std::vector<Store> m_stores;
    std::vector<Store> m_controlTexts;
    std::vector<UINT> m_currentCellFlags;
    std::vector<UINT> m_passedKeys;
    std::vector<CPoint> m_selectionClicks;
    BOOL m_bValidateCell = TRUE;
    BOOL m_bDeleteCell = TRUE;
};

// A shown frame holding a grid window of 6 rows by 4 columns whose default control is a CTestEdit
// (m_pEdit); Ctrl, Shift and Alt are up through the key-state seam, and the grid has the focus. The
// grid makes its cell data of pDataClass (null: the grid's own choice).
struct EditGridFixture {
    explicit EditGridFixture(CRuntimeClass* pDataClass = nullptr)
    {
        ReleaseModifierKeys(fake);
        fake.SetTickCount(0);
        EXPECT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                                   400, nullptr, nullptr));
        EXPECT_TRUE(grid.Create("CGXGridWnd", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 360), &frame, 1));
        if (pDataClass != nullptr)
            grid.SetDataClass(pDataClass);
        grid.Initialize();
        grid.GetParam()->GetData()->SetRowCount(6);
        grid.GetParam()->GetData()->SetColCount(4);
        m_pEdit = new CTestEdit(&grid);
        grid.RegisterControl(GX_IDS_CTRL_EDIT, m_pEdit, TRUE);
        grid.SetFocus();
        grid.UpdateWindow();
    }
    ~EditGridFixture() { frame.DestroyWindow(); }

    // Stores a value in a cell.
    void SetValue(ROWCOL nRow, ROWCOL nCol, const char* pszValue)
    {
        grid.SetStyleRange(CGXCellRange(nRow, nCol, nRow, nCol), &CGXStyle().SetValue(pszValue), CGXStyle::gxOverride,
                           0, nullptr, 2, CGXGridCore::gxRollback);
    }
    // The value stored at a cell.
    std::string Stored(ROWCOL nRow, ROWCOL nCol) { return grid.GetStoredValueRowCol(nRow, nCol).GetString(); }
    // Makes (nRow, nCol) current (the grid keeps the focus).
    void MakeCurrent(ROWCOL nRow, ROWCOL nCol)
    {
        ASSERT_TRUE(grid.SetCurrentCell(nRow, nCol));
        grid.UpdateWindow();
    }
    // Makes (nRow, nCol) current and its edit active with the window shown and focused.
    void Activate(ROWCOL nRow, ROWCOL nCol)
    {
        MakeCurrent(nRow, nCol);
        m_pEdit->SetActive(TRUE);
        m_pEdit->Refresh();
        grid.UpdateWindow();
        ASSERT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    }
    // A key pressed and released on the window that has the focus.
    void Press(UINT nKey)
    {
        ::SendMessageA(::GetFocus(), WM_KEYDOWN, nKey, MAKELPARAM(1, 0));
        ::SendMessageA(::GetFocus(), WM_KEYUP, nKey, MAKELPARAM(1, 0xC000));
    }
    // Characters typed on the window that has the focus, one message each.
    void Type(const char* pszText)
    {
        for (const char* p = pszText; *p != 0; ++p)
            ::SendMessageA(::GetFocus(), WM_CHAR, BYTE(*p), MAKELPARAM(1, 0));
    }
    std::string Current()
    {
        ROWCOL nRow, nCol;
        return grid.GetCurrentCell(nRow, nCol) ? std::to_string(nRow) + "," + std::to_string(nCol) : "none";
    }

    CFakeServices fake;
    CWnd frame;
    CNotingGrid grid;
    CTestEdit* m_pEdit = nullptr;  // owned by the grid
};
