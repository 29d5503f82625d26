// SECCustomToolBar: creation, the buttons it holds, their command update, drawing and what the
// buttons ask of the bar.
#include <algorithm>
#include <exception>
#include <vector>

#include "frames/SECCustomToolBar.h"

#include "frames/SECBmpMgr.h"
#include "frames/SECBtnDrawContext.h"
#include "frames/SECResourceData.h"
#include "frames/SECToolBarManager.h"
#include "frames/SECToolkit.h"
#include "win/ArgCheck.h"
#include "win/CDC.h"
#include "win/CFrameWnd.h"

IMPLEMENT_DYNCREATE(SECCustomToolBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECCustomToolBar, SECControlBar)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_TIMER()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_MOUSEACTIVATE()
    ON_WM_DESTROY()
    ON_WM_SHOWWINDOW()
    ON_REGISTERED_MESSAGE(g_nMsgNoDelayHide, OnNoDelayHide)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(TB_ADDBUTTONS, OnAddButtons)
    ON_MESSAGE(TB_DELETEBUTTON, OnDeleteButton)
END_MESSAGE_MAP()

namespace {

// Set while a tool bar sends a button's command: bars leave presses to their base meanwhile.
BOOL g_bInCommand = FALSE;

// CBRS_HIDE_INPLACE: the bar hides while an in-place object is active.
const DWORD kHideInPlace = 0x0008;

} // namespace

// ---- command update -------------------------------------------------------------------------------------

void SECCustomToolCmdUI::ChangeStyle(UINT nRemove, UINT nAdd)
{
    SECCustomToolBar* pBar = static_cast<SECCustomToolBar*>(m_pOther);
    const int nIndex = int(m_nIndex);
    if (pBar->GetBtn(nIndex) != nullptr)
        pBar->SetButtonStyle(nIndex, (pBar->GetButtonStyle(nIndex) & ~nRemove) | nAdd);
}

void SECCustomToolCmdUI::Enable(BOOL bOn)
{
    ChangeStyle(TBBS_DISABLED, bOn ? 0 : TBBS_DISABLED);
    m_bEnableChanged = TRUE;
}

void SECCustomToolCmdUI::SetCheck(int nCheck)
{
    if (nCheck < 0 || nCheck > 2)
        AfxThrowInvalidArgFormat("SECCustomToolCmdUI::SetCheck: check state %d is not 0, 1 or 2", nCheck);
    const UINT nState = nCheck == 1 ? TBBS_CHECKED : nCheck == 2 ? TBBS_INDETERMINATE : 0;
    ChangeStyle(TBBS_CHECKED | TBBS_INDETERMINATE, TBBS_CHECKBOX | nState);
}

void SECCustomToolCmdUI::SetText(LPCSTR lpszText)
{
    (void)lpszText;
}

// ---- creation -------------------------------------------------------------------------------------------

SECCustomToolBar::SECCustomToolBar()
    : m_pManager(nullptr), m_pBmpMgr(new SECBmpMgr), m_nSepWidth(8), m_nCustomizeSel(-1), m_nHotBtn(-1), m_nTrackedBtn(-1),
      m_nPressedBtn(-1), m_pCustomizeWnd(nullptr), m_nOrientation(0), m_bDirty{TRUE, TRUE, TRUE},
      m_hFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))), m_pBtnTable1(nullptr),
      m_pBtnTable2(nullptr), m_bTracking(FALSE), m_nMaxBtnWidth(0)
{
    SetBorders(GetBorders().left, 3, GetBorders().right, 3);
    const int nGripper[5] = {2, 3, 1, 3, 2};
    std::copy(std::begin(nGripper), std::end(nGripper), m_gripperInfo.m_cxVert);
    std::copy(std::begin(nGripper), std::end(nGripper), m_gripperInfo.m_cyHorz);
    m_gripperInfo.m_nInset = 0;
}

SECCustomToolBar::~SECCustomToolBar()
{
    // the control bar's destructor destroys a window still there, without the buttons
    RemoveAllButtons();
    if (m_pManager != nullptr)
        m_pManager->RemoveBar(this);
    m_pBmpMgr->Release();
}

BOOL SECCustomToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCSTR lpszTitle)
{
    return CreateEx(0, pParentWnd, dwStyle, nID, lpszTitle);
}

BOOL SECCustomToolBar::CreateEx(DWORD dwToolBarStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCSTR lpszTitle)
{
    return CreateEx(nullptr, lpszTitle, dwStyle, dwToolBarStyle, nID, CRect(0, 0, 0, 0), pParentWnd);
}

BOOL SECCustomToolBar::CreateEx(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle,
                                UINT nID, const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext)
{
    SetLayoutsDirty();
    if (m_pManager == nullptr)
        SetManager(SECFindToolBarManager(pParentWnd));
    if (!SECControlBar::CreateEx(lpszClassName, lpszWindowName, dwStyle | kHideInPlace,
                                 dwExStyle | SEC_CBRS_EX_FIXEDSIZE, nID, rect, pParentWnd, pContext))
        return FALSE;
    NotifyManager(SEC_BARNOTIFY_CREATED);
    return TRUE;
}

void SECCustomToolBar::SetExBarStyle(DWORD dwExStyle, BOOL bRedraw)
{
    if ((dwExStyle | SEC_CBRS_EX_FIXEDSIZE) != m_dwExStyle)
        SetLayoutsDirty();
    SECControlBar::SetExBarStyle(dwExStyle | SEC_CBRS_EX_FIXEDSIZE, bRedraw);
}

void SECCustomToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    SECControlBar::OnBarStyleChange(dwOldStyle, dwNewStyle);
    // borders, docking side and floating all change the layout
    SetLayoutsDirty();
    const UINT nOrientation = dwNewStyle & CBRS_ORIENT_VERT;
    if (nOrientation != m_nOrientation) {
        m_nOrientation = nOrientation;
        for (SECStdBtn* pBtn : m_btns)
            pBtn->SetMode(m_nOrientation);
    }
}

void SECCustomToolBar::OnDestroy()
{
    CancelPressedButton();
    SetHotButton(-1);
    SelectCustomizeButton(-1);
    NotifyManager(SEC_BARNOTIFY_DESTROYED);
    SECControlBar::OnDestroy();
}

void SECCustomToolBar::OnShowWindow(BOOL bShow, UINT nStatus)
{
    SECControlBar::OnShowWindow(bShow, nStatus);
    NotifyManager(bShow ? SEC_BARNOTIFY_SHOWN : SEC_BARNOTIFY_HIDDEN);
}

// ---- content ------------------------------------------------------------------------------------------

BOOL SECCustomToolBar::LoadToolBar(UINT nIDResource)
{
    return LoadToolBar(MAKEINTRESOURCEA(nIDResource));
}

BOOL SECCustomToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    SECToolBarResource toolBar;
    if (lpszResourceName == nullptr || !SECReadToolBarResource(lpszResourceName, toolBar) ||
        !m_pBmpMgr->LoadToolBarResource(lpszResourceName))
        return FALSE;
    return SetButtons(toolBar.ids.data(), int(toolBar.ids.size()));
}

BOOL SECCustomToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (nIDCount < 0)
        AfxThrowInvalidArgFormat("SECCustomToolBar::SetButtons: count %d is negative", nIDCount);
    RemoveAllButtons();
    m_nCustomizeSel = -1;
    if (lpIDArray != nullptr) {
        for (int i = 0; i < nIDCount; i++) {
            const BOOL bSeparator = lpIDArray[i] == 0 && FindClassEntry(0) == nullptr;
            SECStdBtn* pBtn = bSeparator ? CreateSeparator() : CreateButton(lpIDArray[i]);
            if (pBtn != nullptr)
                m_btns.push_back(pBtn);
        }
    }
    SetLayoutsDirty();
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

const SECBtnClassEntry* SECCustomToolBar::FindClassEntry(UINT nID) const
{
    const SECBtnClassEntry* pEntry = nullptr;
    const SECBtnClassEntry* pTable1 = m_pManager != nullptr ? m_pManager->GetBtnClassTable1() : m_pBtnTable1;
    const SECBtnClassEntry* pTable2 = m_pManager != nullptr ? m_pManager->GetBtnClassTable2() : m_pBtnTable2;
    for (const SECBtnClassEntry* pTable : {pTable1, pTable2})
        for (const SECBtnClassEntry* p = pTable; p != nullptr && p->pClass != nullptr; p++)
            if (p->nID == nID)
                pEntry = p;
    return pEntry;
}

SECStdBtn* SECCustomToolBar::CreateButton(UINT nID)
{
    const SECBtnClassEntry* pEntry = FindClassEntry(nID);
    SECStdBtn* pBtn = nullptr;
    if (pEntry == nullptr) {
        pBtn = new SECStdBtn;
    } else {
        if (!pEntry->pClass->IsDerivedFrom(RUNTIME_CLASS(SECStdBtn)))
            return nullptr;
        try {
            pBtn = static_cast<SECStdBtn*>(pEntry->pClass->CreateObject());
        } catch (CException* e) {
            e->Delete();
            return nullptr;
        } catch (const std::exception&) {
            return nullptr;
        }
        if (pBtn == nullptr)
            return nullptr;
        pBtn->SetStyle(pEntry->nStyle);
    }
    pBtn->m_nID = nID;
    if (pBtn->m_nType != SECStdBtn::BtnMenu) {
        HBITMAP hBitmap = nullptr;
        int nImage = 0;
        if (m_pBmpMgr->GetImage(nID, hBitmap, nImage))
            pBtn->m_nImage = nImage;
    }
    pBtn->Init(this, pEntry != nullptr ? pEntry->data : nullptr);
    pBtn->SetMode(m_nOrientation);
    return pBtn;
}

SECStdBtn* SECCustomToolBar::CreateSeparator()
{
    SECStdBtn* pBtn = new SECStdBtn;
    pBtn->SetStyle(TBBS_SEPARATOR);
    pBtn->Init(this, nullptr);
    pBtn->m_cx = m_nSepWidth;
    pBtn->m_cy = GetBtnHeight();
    return pBtn;
}

void SECCustomToolBar::GetRowRange(int nIndex, int& nFirst, int& nLast) const
{
    nFirst = nIndex;
    while (nFirst > 0 && !m_btns[size_t(nFirst - 1)]->HasStyle(TBBS_WRAPPED))
        nFirst--;
    nLast = nIndex;
    while (nLast + 1 < GetBtnCount() && !m_btns[size_t(nLast)]->HasStyle(TBBS_WRAPPED))
        nLast++;
}

int SECCustomToolBar::TallestInRange(int nFirst, int nLast) const
{
    int cy = 0;
    for (int i = nFirst; i <= nLast; i++)
        if (!m_btns[size_t(i)]->HasStyle(TBBS_SEPARATOR))
            cy = (std::max)(cy, m_btns[size_t(i)]->m_cy);
    return cy;
}

void SECCustomToolBar::SetSeparatorHeights(int nFirst, int nLast, int cy)
{
    for (int i = nFirst; i <= nLast; i++)
        if (m_btns[size_t(i)]->HasStyle(TBBS_SEPARATOR))
            m_btns[size_t(i)]->m_cy = cy;
}

BOOL SECCustomToolBar::InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoRelayout)
{
    nIndex = (std::max)(0, (std::min)(nIndex, GetBtnCount()));
    SECStdBtn* pBtn = bSeparator ? CreateSeparator() : CreateButton(nID);
    if (pBtn == nullptr)
        return FALSE;
    m_btns.insert(m_btns.begin() + nIndex, pBtn);

    int nFirst = 0;
    int nLast = 0;
    GetRowRange(nIndex, nFirst, nLast);
    if (bSeparator) {
        const int cy = TallestInRange(nFirst, nLast);
        if (cy > 0)
            pBtn->m_cy = cy;
    } else {
        for (int i = nFirst; i <= nLast; i++) {
            SECStdBtn* pSep = m_btns[size_t(i)];
            if (pSep->HasStyle(TBBS_SEPARATOR) && pSep->m_cy < pBtn->m_cy)
                pSep->m_cy = pBtn->m_cy;
        }
    }
    SetMRUWidth(GetMRUWidth() + pBtn->m_cx);

    // the selection and the hot button stay with their buttons
    if (m_nCustomizeSel >= nIndex) {
        m_nCustomizeSel++;
        if (m_hWnd != nullptr)
            m_btns[size_t(m_nCustomizeSel)]->Invalidate();
    }
    if (m_nHotBtn >= nIndex) {
        m_nHotBtn++;
        if (m_hWnd != nullptr)
            m_btns[size_t(m_nHotBtn)]->Invalidate();
    }
    for (int* pnIndex : {&m_nTrackedBtn, &m_nPressedBtn})
        if (*pnIndex >= nIndex)
            ++*pnIndex;

    SetLayoutsDirty();
    if (m_hWnd != nullptr)
        UpdateButton(nIndex);
    if (!bNoRelayout)
        Relayout();
    return TRUE;
}

BOOL SECCustomToolBar::RemoveButton(int nIndex, BOOL bNoRelayout)
{
    if (nIndex < 0 || nIndex >= GetBtnCount())
        return FALSE;
    RemoveEntries(nIndex);
    const BOOL bButtonsLeft = !m_btns.empty();
    if (bNoRelayout)
        return bButtonsLeft;
    const UINT nID = m_hWnd != nullptr ? UINT(GetDlgCtrlID()) : 0;
    if (!bButtonsLeft && nID >= SEC_IDW_FIRST_USERBAR && nID <= SEC_IDW_LAST_USERBAR) {
        DestroyWindow();
        return FALSE;
    }
    Relayout();
    return bButtonsLeft;
}

void SECCustomToolBar::RemoveAllButtons()
{
    if (m_hWnd != nullptr) {
        CancelPressedButton();
        SetHotButton(-1);
    }
    for (SECStdBtn* pBtn : m_btns)
        delete pBtn;
    m_btns.clear();
    m_nHotBtn = m_nTrackedBtn = m_nPressedBtn = -1;
    SetLayoutsDirty();
}

void SECCustomToolBar::Relayout()
{
    if (m_hWnd == nullptr)
        return;
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->RecalcLayout();
    Invalidate();
}

SECStdBtn* SECCustomToolBar::GetBtn(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetBtnCount() ? m_btns[size_t(nIndex)] : nullptr;
}

UINT SECCustomToolBar::GetButtonStyle(int nIndex) const
{
    const SECStdBtn* pBtn = GetBtn(nIndex);
    return pBtn != nullptr ? pBtn->GetStyle() : 0;
}

void SECCustomToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    SECStdBtn* pBtn = GetBtn(nIndex);
    if (pBtn == nullptr || pBtn->GetStyle() == nStyle)
        return;
    const UINT nChanged = pBtn->GetStyle() ^ nStyle;
    pBtn->SetStyle(nStyle);
    if (nChanged & TBBS_HIDDEN)
        SetLayoutsDirty();
    if (m_hWnd != nullptr)
        pBtn->Invalidate();
}

CRect SECCustomToolBar::GetItemRect(int nIndex) const
{
    const SECStdBtn* pBtn = GetBtn(nIndex);
    return pBtn != nullptr ? pBtn->GetRect() : CRect(0, 0, 0, 0);
}

void SECCustomToolBar::SetBmpMgr(SECBmpMgr* pBmpMgr)
{
    AfxRequirePointer(pBmpMgr, "SECCustomToolBar::SetBmpMgr", "pBmpMgr");
    pBmpMgr->AddRef();
    m_pBmpMgr->Release();
    m_pBmpMgr = pBmpMgr;
    SetLayoutsDirty();
}

void SECCustomToolBar::SetBtnClassTables(const SECBtnClassEntry* pTable1, const SECBtnClassEntry* pTable2)
{
    m_pBtnTable1 = pTable1;
    m_pBtnTable2 = pTable2;
}

void SECCustomToolBar::SetBtnFont(HFONT hFont)
{
    m_hFont = hFont;
}

void SECCustomToolBar::SetCustomizeMode(CWnd* pCustomizeWnd)
{
    if (pCustomizeWnd == m_pCustomizeWnd)
        return;
    SelectCustomizeButton(-1);
    m_pCustomizeWnd = pCustomizeWnd;
    if (m_hWnd != nullptr)
        Invalidate();
}

BOOL SECCustomToolBar::IsInCommand()
{
    return g_bInCommand;
}

// ---- command update ----------------------------------------------------------------------------------

void SECCustomToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    SECCustomToolCmdUI state;
    state.m_pOther = this;
    // an update handler may change the buttons: the count is read again every time
    for (int i = 0; i < GetBtnCount(); i++) {
        const SECStdBtn* pBtn = m_btns[size_t(i)];
        if (pBtn->HasStyle(TBBS_SEPARATOR))
            continue;
        state.m_nIndex = UINT(i);
        state.m_nIndexMax = UINT(GetBtnCount());
        state.m_nID = pBtn->m_nID;
        state.DoUpdate(pTarget, bDisableIfNoHndler && !pBtn->HasStyle(SEC_TBBS_NODISABLE));
    }
}

CFrameWnd* SECCustomToolBar::GetUpdateTarget() const
{
    CWnd* pOwner = GetOwner();
    if (pOwner != nullptr && pOwner->IsFrameWnd())
        return static_cast<CFrameWnd*>(pOwner);
    return GetParentFrame();
}

void SECCustomToolBar::UpdateButton(int nIndex)
{
    const SECStdBtn* pBtn = GetBtn(nIndex);
    CFrameWnd* pTarget = GetUpdateTarget();
    if (pBtn == nullptr || pBtn->HasStyle(TBBS_SEPARATOR) || pTarget == nullptr)
        return;
    SECCustomToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndex = UINT(nIndex);
    state.m_nIndexMax = UINT(GetBtnCount());
    state.m_nID = pBtn->m_nID;
    state.DoUpdate(pTarget, !pBtn->HasStyle(SEC_TBBS_NODISABLE));
}

// ---- drawing and tooltips ------------------------------------------------------------------------------

SECBtnDrawContext& SECCustomToolBar::GetDrawContext()
{
    if (m_pManager != nullptr)
        return m_pManager->GetDrawContext();
    if (!m_pDrawContext)
        m_pDrawContext.reset(new SECBtnDrawContext);
    return *m_pDrawContext;
}

void SECCustomToolBar::DrawBorders(CDC* pDC, CRect& rect)
{
    if (!IsFlatLook()) {
        SECControlBar::DrawBorders(pDC, rect);
        return;
    }
    AfxRequirePointer(pDC, "SECCustomToolBar::DrawBorders", "pDC");
    const SECDrawValues& v = SECGetDrawValues();
    const DWORD dwStyle = GetBarStyle();
    if (dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(),
                           (dwStyle & CBRS_BORDER_3D) ? v.clrBtnHilite : v.clrBtnShadow);
    if (dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, v.clrBtnShadow);
    if (dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), v.clrBtnShadow);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, v.clrBtnShadow);
    if (GetDockContext() == nullptr) {
        // a bar that never docks is set off from what lies above it
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, v.clrBtnShadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, v.clrBtnHilite);
    }
    rect.DeflateRect((dwStyle & CBRS_BORDER_LEFT) ? 1 : 0, (dwStyle & CBRS_BORDER_TOP) ? 1 : 0,
                     (dwStyle & CBRS_BORDER_RIGHT) ? 1 : 0, (dwStyle & CBRS_BORDER_BOTTOM) ? 1 : 0);
}

void SECCustomToolBar::DoPaint(CDC* pDC)
{
    SECControlBar::DoPaint(pDC);
    if (m_btns.empty())
        return;
    int cx = m_nMaxBtnWidth;
    int cy = GetBtnHeight();
    for (const SECStdBtn* pBtn : m_btns) {
        cx = (std::max)(cx, pBtn->m_cx);
        cy = (std::max)(cy, pBtn->m_cy);
    }
    SECBtnDrawContext& ctx = GetDrawContext();
    ctx.PrepareBitmaps(cx, cy);
    for (SECStdBtn* pBtn : m_btns)
        if (!pBtn->HasStyle(TBBS_HIDDEN))
            pBtn->Draw(pDC, ctx);
    ctx.ReleaseBitmaps();
}

void SECCustomToolBar::OnSysColorChange()
{
    SECControlBar::OnSysColorChange();
    if (m_pManager != nullptr || m_pDrawContext)
        GetDrawContext().RebuildDitherBrush();
    m_pBmpMgr->ReloadAll(TRUE);
    Invalidate();
}

INT_PTR SECCustomToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    const int nIndex = HitTest(point);
    if (nIndex >= 0)
        return m_btns[size_t(nIndex)]->OnToolHitTest(point, pTI);
    return SECControlBar::OnToolHitTest(point, pTI);
}

// ---- what the buttons ask of the bar -------------------------------------------------------------------

CWnd* SECCustomToolBar::GetBarWnd() const
{
    return const_cast<SECCustomToolBar*>(this);
}

int SECCustomToolBar::GetImgWidth() const
{
    return m_pBmpMgr->GetImageSize().cx;
}

int SECCustomToolBar::GetImgHeight() const
{
    return m_pBmpMgr->GetImageSize().cy;
}

int SECCustomToolBar::GetBtnIndex(const SECStdBtn* pBtn) const
{
    auto it = std::find(m_btns.begin(), m_btns.end(), pBtn);
    return it == m_btns.end() ? -1 : int(it - m_btns.begin());
}

void SECCustomToolBar::RaiseMaxBtnWidth(int cx)
{
    m_nMaxBtnWidth = (std::max)(m_nMaxBtnWidth, cx);
}

void SECCustomToolBar::SetInCommand(BOOL bInCommand)
{
    g_bInCommand = bInCommand;
}

// ---- native buttons -----------------------------------------------------------------------------------

LRESULT SECCustomToolBar::OnAddButtons(WPARAM wParam, LPARAM lParam)
{
    const UINT nButtons = UINT(wParam);
    const TBBUTTON* pButtons = reinterpret_cast<const TBBUTTON*>(lParam);
    if (pButtons == nullptr)
        return FALSE;
    for (UINT i = 0; i < nButtons; i++) {
        const TBBUTTON& button = pButtons[i];
        const int nIndex = GetBtnCount();
        if (!InsertButton(nIndex, UINT(button.idCommand), button.idCommand == 0, i + 1 < nButtons))
            return FALSE;
        SECStdBtn* pBtn = m_btns[size_t(nIndex)];
        pBtn->SetStyle(pBtn->GetStyle() | (UINT(button.fsState) << 16) | button.fsStyle);
    }
    return TRUE;
}

LRESULT SECCustomToolBar::OnDeleteButton(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    return RemoveButton(int(wParam));
}
