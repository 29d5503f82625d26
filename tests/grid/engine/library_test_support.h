// Support of the tests of the grid library's start-up, core, plug-ins, drawing and control base: a
// grid core held by a small window that hands its messages to the core's plug-ins first, a cell
// control that can be active and modified, and guards that put the library state back.
#pragma once

#include "FakeServices.h"
#include "TestSupport.h"
#include "Throws.h"
#include "grid_test_support.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"

#include <cstring>
#include <string>
#include <vector>

// A grid core in a top-level window of its own (not shown). Messages of the window reach the core's
// plug-ins first; the ones no plug-in consumes go to the window's table.
class CTestGridWnd : public CWnd, public CGXGridCore {
public:
    CTestGridWnd() { SetGridWnd(this); }
    ~CTestGridWnd() override { DestroyWindow(); }

    // Makes the window (200 by 100 client pixels).
    void CreateWindowOnly()
    {
        ASSERT_TRUE(CreateEx(0, AfxRegisterWndClass(0), "grid", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                             nullptr));
    }
    // Makes the window and initialises the grid with nRows by nCols cells.
    void CreateGrid(ROWCOL nRows = 0, ROWCOL nCols = 0)
    {
        CreateWindowOnly();
        Initialize();
        GetParam()->GetData()->SetRowCount(nRows);
        GetParam()->GetData()->SetColCount(nCols);
    }

    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT lResult = 0;
        if (OnGridWindowProc(nMessage, wParam, lParam, lResult))
            return lResult;
        if (nMessage >= WM_APP)
            m_received.push_back({nMessage, wParam, lParam});
        return CWnd::WindowProc(nMessage, wParam, lParam);
    }

    struct Received {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
    };
    // The messages from WM_APP on that reached the grid.
    std::vector<Received> m_received;
};

// Makes grid's window and nRows by nCols cells: header column 40 and header row 20 pixels, other
// columns 50 and rows 20 pixels, painting a rectangle of 400 by 300 pixels.
inline void CreatePaintedGrid(CTestGridWnd& grid, ROWCOL nRows, ROWCOL nCols)
{
    grid.CreateGrid(nRows, nCols);
    const CRect rect(0, 0, 400, 300);
    grid.SetGridRect(TRUE, &rect);
    grid.StoreDefaultColWidth(50);
    grid.StoreDefaultRowHeight(20);
    grid.StoreColWidth(0, 40);
    grid.StoreRowHeight(0, 20);
}

// A cell control that can be active and modified, and counts its stores.
class CTestControl : public CGXControl {
    GX_DECLARE_CONTROL(CTestControl)
public:
    explicit CTestControl(CGXGridCore* pGrid) : CGXControl(pGrid) {}

    void SetActive(BOOL bActive) override { m_bActive = bActive; }
    BOOL IsActive() override { return m_bActive; }
    void SetModify(BOOL bModified) override { m_bModified = bModified; }
    BOOL GetModify() override { return m_bModified; }
    BOOL Store() override
    {
        ++m_nStores;
        m_bModified = FALSE;
        return TRUE;
    }
    // The text being edited is the cached style's Value (SetCurrentText).
    // While m_bRefuseValidation is set the control's text fails, leaving m_strWarning with the grid.
    BOOL ValidateInput() override
    {
        if (!m_bRefuseValidation)
            return CGXControl::ValidateInput();
        Grid()->SetWarningText(m_strWarning);
        return FALSE;
    }

    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
    int m_nStores = 0;
    BOOL m_bRefuseValidation = FALSE;
    CString m_strWarning = "Not a valid value";
};

// Puts the library state's module creators back when it goes.
class CreatorsGuard {
public:
    CreatorsGuard() : m_library(GXGetLibraryState()->m_moduleCreators), m_grid(GXGetLibraryState()->m_gridModuleCreators) {}
    ~CreatorsGuard()
    {
        GXGetLibraryState()->m_moduleCreators = m_library;
        GXGetLibraryState()->m_gridModuleCreators = m_grid;
    }
    CreatorsGuard(const CreatorsGuard&) = delete;
    CreatorsGuard& operator=(const CreatorsGuard&) = delete;

private:
    GXLibraryModuleCreators m_library;
    GXGridModuleCreators m_grid;
};

// A memory DC (a white canvas) with an Arial font selected that notes every text it draws.
class CRecordingDC : public CDC {
public:
    struct Text {
        int x;
        int y;
        std::string text;
        COLORREF color;  // the text colour it was drawn in
    };

    CRecordingDC() : m_canvas(400, 400)
    {
        Attach(m_canvas.dc.Detach());
        LOGFONTA lf = {};
        lf.lfHeight = -16;
        std::strcpy(lf.lfFaceName, "Arial");
        m_font.CreateFontIndirect(&lf);
        m_pOldFont = SelectObject(&m_font);
    }
    ~CRecordingDC() override
    {
        SelectObject(m_pOldFont);
        m_canvas.dc.Attach(Detach());
    }

    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                    LPINT lpDxWidths) override
    {
        m_texts.push_back({x, y, std::string(lpszString, nCount), GetTextColor()});
        return CDC::ExtTextOut(x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
    }

    int Width(const char* psz) { return GetTextExtent(psz, int(std::strlen(psz))).cx; }
    int LineHeight()
    {
        TEXTMETRICA tm = {};
        GetTextMetrics(&tm);
        return tm.tmHeight + tm.tmExternalLeading;
    }

    std::vector<Text> m_texts;

private:
    DibCanvas m_canvas;
    CFont m_font;
    CFont* m_pOldFont = nullptr;
};
