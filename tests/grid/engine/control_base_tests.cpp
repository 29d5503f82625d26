// The cell-control base: validation against the cell's bounds, storing text, choice lists, the 3D
// frame and the current-cell frame, the clipboard, key routing and the base answers of its hooks.
#include "library_test_support.h"

#include "grid/engine/GXCellTip.h"
#include "grid/engine/GXChild.h"
#include "grid/engine/GXResource.h"


namespace {

// A grid of 3 by 3 cells whose "Standard" style uses a CTestControl, current at (1, 1) and active.
class ControlBase : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.CreateGrid(3, 3);
        pControl = new CTestControl(&grid);
        grid.RegisterControl(GX_IDS_CTRL_EDIT, pControl, TRUE);
        ASSERT_TRUE(grid.SetCurrentCell(1, 1, 0x10));
        ASSERT_TRUE(pControl->IsActive());
    }
    // Stores style at (1, 1) and attaches the control to the cell again.
    void SetCellStyle(const CGXStyle& style)
    {
        grid.StoreStyleRowCol(1, 1, &style, CGXStyle::gxOverride);
        pControl->Init(1, 1);
        pControl->SetActive(TRUE);
    }
    // The control edits pszText.
    void Type(const char* pszText)
    {
        pControl->SetCurrentText(pszText);
        pControl->SetModify(TRUE);
    }

    CTestGridWnd grid;
    CTestControl* pControl = nullptr;
};

// A gadget that notes what reaches it.
class CRecordingChild : public CGXChild {
public:
    CRecordingChild(CGXControl* pControl, const CRect& rect, std::vector<std::string>& log)
        : CGXChild(pControl), m_log(log)
    {
        SetRect(rect);
    }
    void DrawButton(CDC*, BOOL bFocus) override { m_log.push_back(bFocus ? "draw focus" : "draw"); }
    BOOL OnLButtonDown(UINT, CPoint) override
    {
        m_log.push_back("down");
        return TRUE;
    }
    BOOL OnLButtonUp(UINT, CPoint) override
    {
        m_log.push_back("up");
        return TRUE;
    }
    BOOL ProcessKeyMessage(UINT nMessage, UINT nChar, UINT, UINT) override
    {
        if (nMessage != WM_KEYDOWN || nChar != VK_SPACE)
            return FALSE;
        m_log.push_back("space");
        return TRUE;
    }
    void OnGridCancelMode() override { m_log.push_back("cancel"); }

private:
    std::vector<std::string>& m_log;
};

// A control that notes which key handler a message reached.
class CKeyControl : public CGXControl {
public:
    explicit CKeyControl(CGXGridCore* pGrid) : CGXControl(pGrid) {}
    BOOL OnGridKeyDown(UINT nChar, UINT, UINT) override { return Note("keydown", nChar); }
    BOOL OnGridChar(UINT nChar, UINT, UINT) override { return Note("char", nChar); }
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT, UINT) override
    {
        m_log.push_back("pair " + std::to_string(strChar.GetLength()));
        return TRUE;
    }
    BOOL OnGridSysChar(UINT nChar, UINT, UINT) override { return Note("syschar", nChar); }
    std::vector<std::string> m_log;

private:
    BOOL Note(const char* pszWhat, UINT nChar)
    {
        m_log.push_back(std::string(pszWhat) + " " + std::to_string(nChar));
        return TRUE;
    }
};

}  // namespace

TEST_F(ControlBase, ValidationAgainstTheCellsBounds)
{
    CGXStyle style;
    style.SetUserAttribute(GX_IDS_UA_VALID_MIN, "10");
    style.SetUserAttribute(GX_IDS_UA_VALID_MAX, "20");
    style.SetUserAttribute(GX_IDS_UA_VALID_MSG, "Between 10 and 20");
    SetCellStyle(style);

    const struct {
        const char* pszText;
        BOOL bValid;
    } cases[] = {{"9.5", FALSE}, {"10", TRUE}, {"20", TRUE}, {"20.01", FALSE}, {"", TRUE}, {"abc", FALSE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        Type(c.pszText);
        EXPECT_EQ(pControl->ValidateInput(), c.bValid);
        EXPECT_STREQ(grid.GetWarningText(), c.bValid ? "" : "Between 10 and 20");
        grid.SetWarningText(nullptr);
    }

    // the grid shows the warning through the message box
    CFakeServices fake;
    fake.ExpectMessageBox(IDOK, "Between 10 and 20");
    Type("9.5");
    EXPECT_FALSE(pControl->ValidateInput());
    grid.ShowWarningText();
    EXPECT_TRUE(grid.IsWarningShown());
    EXPECT_STREQ(grid.GetWarningText(), "");

    // a cell without bounds, or a control that is not editing, passes
    Type("9.5");
    pControl->SetActive(FALSE);
    EXPECT_TRUE(pControl->ValidateInput());
}

TEST_F(ControlBase, SetControlTextCutsToMaxLength)
{
    CGXStyle style;
    style.SetMaxLength(3);
    SetCellStyle(style);
    EXPECT_TRUE(pControl->SetControlText(1, 1, "abcdef"));
    EXPECT_STREQ(StoredValue(*grid.GetParam()->GetData(), 1, 1), "abc");

    // a double-byte pair is never cut in half (0x82 leads a pair in code page 932)
    const char pair[] = {'a', char(0x82), char(0xA0), 'b', 0};
    const struct {
        int nMax;
        int nCut;
    } cuts[] = {{1, 1}, {2, 1}, {3, 3}, {9, 4}};
    for (const auto& c : cuts)
        EXPECT_EQ(GXCharBoundaryLength(pair, c.nMax, 932), c.nCut) << "at most " << c.nMax;
    EXPECT_EQ(GXCharBoundaryLength(pair, 2, 1252), 2) << "no lead bytes in a single-byte code page";

    // a read-only cell, or a locked grid, refuses
    CGXStyle readOnly;
    readOnly.SetReadOnly(TRUE);
    grid.StoreStyleRowCol(3, 3, &readOnly, CGXStyle::gxOverride);
    EXPECT_FALSE(pControl->SetControlText(3, 3, "x"));
    grid.SetReadOnly(TRUE);
    EXPECT_FALSE(pControl->SetControlText(1, 1, "x"));
    EXPECT_TRUE(pControl->IsReadOnlyCell());
    grid.SetReadOnly(FALSE);
    EXPECT_STREQ(StoredValue(*grid.GetParam()->GetData(), 1, 1), "abc");
}

TEST_F(ControlBase, ChoiceLists)
{
    CString strItem;
    EXPECT_FALSE(pControl->GetChoiceListItem(strItem, "one\ntwo", -1));
    EXPECT_STREQ(strItem, "");
    EXPECT_TRUE(pControl->GetChoiceListItem(strItem, "one\ntwo", 1));
    EXPECT_STREQ(strItem, "two");
    EXPECT_FALSE(pControl->GetChoiceListItem(strItem, "one\ntwo", 2));

    const struct {
        const char* pszList;
        const char* pszText;
        BOOL bExact;
        int nIndex;
        const char* pszItem;
    } cases[] = {{"apple\napricot\nAp", "ap", FALSE, 2, "Ap"},
                 {"apple\napricot", "ap", FALSE, 0, "apple"},
                 {"apple\napricot", "ap", TRUE, -1, ""},
                 {"apple\napricot", "APRICOT", TRUE, 1, "apricot"},
                 {"apple", "", FALSE, -1, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pszText) + (c.bExact ? " exact" : ""));
        EXPECT_EQ(pControl->FindChoiceListItem(strItem, c.pszText, c.pszList, c.bExact), c.nIndex);
        EXPECT_STREQ(strItem, c.pszItem);
    }
}

TEST_F(ControlBase, Draw3dFrameRaisedInsetAndBlackAndWhite)
{
    const COLORREF clrHighlight = GXGetSysColors()->GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrBlack = RGB(0, 0, 0);
    const CRect rect(4, 4, 24, 24);
    // the frame runs one pixel inside the cell, around the rectangle that the grid line leaves
    const CRect inner = grid.SubtractBorders(rect, CGXStyle().SetDraw3dFrame(1), TRUE);
    const struct {
        UINT nFrame;
        COLORREF clrTopLeft;
        COLORREF clrBottomRight;
    } cases[] = {{1, clrHighlight, clrBlack}, {2, clrBlack, clrHighlight}, {0, RGB(0, 128, 0), RGB(0, 128, 0)}};
    const COLORREF clrGreen = RGB(0, 128, 0);  // the canvas, neither frame colour
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nFrame);
        DibCanvas canvas(30, 30);
        canvas.dc.FillSolidRect(0, 0, 30, 30, clrGreen);
        CGXStyle style;
        style.SetDraw3dFrame(c.nFrame);
        pControl->Draw3dFrame(&canvas.dc, rect, style);
        EXPECT_EQ(canvas.At(inner.left - 1, 12), c.clrTopLeft);
        EXPECT_EQ(canvas.At(12, inner.top - 1), c.clrTopLeft);
        EXPECT_EQ(canvas.At(inner.right, 12), c.clrBottomRight);
        EXPECT_EQ(canvas.At(12, inner.bottom), c.clrBottomRight);
        EXPECT_EQ(canvas.At(12, 12), clrGreen);
    }

    // printing in black and white draws no frame
    CDC printer;
    printer.CreateCompatibleDC(nullptr);
    grid.GetParam()->GetProperties()->SetBlackWhite(TRUE);
    grid.SetPrinting(&printer, FALSE);
    DibCanvas canvas(30, 30);
    pControl->Draw3dFrame(&canvas.dc, rect, CGXStyle().SetDraw3dFrame(1));
    grid.SetPrinting(nullptr);
    EXPECT_EQ(canvas.At(inner.left - 1, 12), kWhite);
}

TEST_F(ControlBase, CurrentCellFrameFollowsThePropertiesForm)
{
    const COLORREF clrBlue = RGB(0, 0, 255), clrInverted = RGB(255, 255, 0);
    const struct {
        const char* pszForm;
        COLORREF aclr[3];  // pixels 0, 1 and 2 in from the left edge
    } cases[] = {{"Thin Border.", {0, clrBlue, clrBlue}},
                 {"Thick Border.", {0, 0, clrBlue}},
                 {"No Border.", {clrBlue, clrBlue, clrBlue}},
                 {"Invert Thick.", {clrInverted, clrInverted, clrBlue}},
                 {"Invert Thin.", {clrInverted, clrBlue, clrBlue}},
                 {"anything else", {clrInverted, clrBlue, clrBlue}}};
    CGXProperties* pProp = grid.GetParam()->GetProperties();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszForm);
        CGXStyle form(pProp->GetUserProperty(GX_IDS_UP_CURRENTCELL));
        form.SetValue(c.pszForm);
        pProp->AddUserProperty(GX_IDS_UP_CURRENTCELL, form);
        DibCanvas canvas(40, 40);
        canvas.dc.FillSolidRect(0, 0, 40, 40, clrBlue);
        pControl->DrawCurrentCellFrame(&canvas.dc, CRect(10, 10, 30, 30), CGXStyle());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(canvas.At(10 + i, 20), c.aclr[i]) << "pixel " << i;
        EXPECT_EQ(canvas.At(29, 20), c.aclr[0]) << "the right edge";
        EXPECT_EQ(canvas.At(20, 10), c.aclr[0]) << "the top edge";
    }

    // marking 2 draws only while the grid has the focus; a hidden frame never
    DibCanvas canvas(40, 40);
    grid.m_nMarkCurrentCell = 2;
    grid.SetFocusFlag(FALSE);
    pControl->DrawCurrentCellFrame(&canvas.dc, CRect(10, 10, 30, 30), CGXStyle());
    grid.m_nMarkCurrentCell = 0;
    grid.m_bHideCurrentCell = TRUE;
    pControl->DrawCurrentCellFrame(&canvas.dc, CRect(10, 10, 30, 30), CGXStyle());
    grid.m_bHideCurrentCell = FALSE;
    EXPECT_EQ(canvas.At(10, 20), kWhite);
}

TEST_F(ControlBase, ActiveCopyLeavesOnlyItsTextOnTheClipboard)
{
    // an older block of the grid's own format
    ASSERT_TRUE(::OpenClipboard(grid.m_hWnd));
    ::EmptyClipboard();
    HGLOBAL hOld = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    ::SetClipboardData(GXGetLibraryState()->m_nClipboardFormat, hOld);
    ::CloseClipboard();

    Type("copied text");
    ASSERT_TRUE(pControl->CanCopy());
    ASSERT_TRUE(pControl->Copy());
    EXPECT_FALSE(::IsClipboardFormatAvailable(GXGetLibraryState()->m_nClipboardFormat));
    ASSERT_TRUE(::OpenClipboard(grid.m_hWnd));
    HANDLE hText = ::GetClipboardData(CF_TEXT);
    ASSERT_NE(hText, nullptr);
    EXPECT_STREQ(static_cast<const char*>(::GlobalLock(hText)), "copied text");
    ::GlobalUnlock(hText);
    ::CloseClipboard();

    // pasting stores the text in the current cell
    ASSERT_TRUE(pControl->CanPaste());
    EXPECT_TRUE(pControl->Paste());
    EXPECT_STREQ(StoredValue(*grid.GetParam()->GetData(), 1, 1), "copied text");
    // the grid's own format, when preferred, refuses the paste
    grid.GetParam()->SetPreferPrivateClipboardFormat(TRUE);
    ASSERT_TRUE(::OpenClipboard(grid.m_hWnd));
    ::SetClipboardData(GXGetLibraryState()->m_nClipboardFormat, ::GlobalAlloc(GMEM_MOVEABLE, 4));
    ::CloseClipboard();
    EXPECT_FALSE(pControl->Paste());
    grid.GetParam()->SetPreferPrivateClipboardFormat(FALSE);

    // inactive, the control copies and clears through the grid's modules (none here)
    pControl->SetActive(FALSE);
    EXPECT_FALSE(pControl->Copy());
    EXPECT_FALSE(pControl->Cut());
}

TEST_F(ControlBase, ChildrenGetTheMouseKeysAndNotices)
{
    std::vector<std::string> log;
    auto* pChild = new CRecordingChild(pControl, CRect(0, 0, 10, 10), log);
    pControl->AddChild(pChild);
    EXPECT_EQ(pControl->GetCount(), 1);
    EXPECT_TRUE(pControl->OnLButtonDown(0, CPoint(5, 5)));
    EXPECT_EQ(pControl->GetFocusChild(), pChild);
    EXPECT_TRUE(pControl->OnLButtonUp(0, CPoint(50, 50))) << "the release goes to the focus child";
    EXPECT_FALSE(pControl->OnLButtonDown(0, CPoint(50, 50))) << "no child under the point";
    EXPECT_TRUE(pControl->ProcessKeyMessage(WM_KEYDOWN, VK_SPACE, 1, 0));
    pControl->OnGridCancelMode();
    grid.SetFocusFlag(TRUE);
    DibCanvas canvas(20, 20);
    pControl->Draw(&canvas.dc, CRect(0, 0, 20, 20), 1, 1, CGXStyle(), nullptr);
    pControl->Draw(&canvas.dc, CRect(0, 0, 20, 20), 2, 2, CGXStyle(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"down", "up", "space", "cancel", "draw focus", "draw"}));
    EXPECT_TRUE(pControl->RemoveChild(pChild));
    EXPECT_EQ(pControl->GetFocusChild(), nullptr);
    delete pChild;
}

TEST_F(ControlBase, KeyMessagesReachTheirHandlers)
{
    CKeyControl keys(&grid);
    EXPECT_TRUE(keys.ProcessKeyMessage(WM_KEYDOWN, VK_LEFT, 1, 0));
    EXPECT_TRUE(keys.ProcessKeyMessage(WM_CHAR, 'a', 1, 0));
    EXPECT_TRUE(keys.ProcessKeyMessage(WM_SYSCHAR, 'x', 1, 0));
    EXPECT_FALSE(keys.ProcessKeyMessage(WM_MOUSEMOVE, 0, 0, 0));
    EXPECT_FALSE(keys.ProcessKeyMessage(WM_KEYUP, VK_LEFT, 1, 0)) << "the base does not take it";
    EXPECT_EQ(keys.m_log, (std::vector<std::string>{"keydown 37", "char 97", "syschar 120"}));

    CString strText;
    BOOL bPending = FALSE;
    BYTE chLead = 0;
    EXPECT_FALSE(ComposeMultiByteChar('q', strText, bPending, chLead));
    EXPECT_STREQ(strText, "q");
    bPending = TRUE;
    chLead = 0x82;
    EXPECT_TRUE(ComposeMultiByteChar(0xA0, strText, bPending, chLead));
    EXPECT_FALSE(bPending);
    EXPECT_EQ(strText.GetLength(), 2);
    EXPECT_EQ(BYTE(strText[0]), 0x82);
}

TEST_F(ControlBase, BaseAnswers)
{
    // the operations with a fixed answer in the base, each with its number (from 0) and name
    CGXControl& base = *grid.GetRegisteredControl(GX_IDS_CTRL_HEADER);
    base.Init(2, 2);
    CString strText;
    HBRUSH hbr = nullptr;
    const struct {
        int nNumber;
        const char* pszName;
        long long nAnswer;
        long long nExpected;
    } answers[] = {{2, "GetWndRuntimeClass", base.GetWndRuntimeClass() != nullptr, 0},
                   {3, "GetWndPtr", base.GetWndPtr() != nullptr, 0},
                   {5, "IsActive", base.IsActive(), FALSE},
                   {8, "GetModify", base.GetModify(), FALSE},
                   {11, "Store", base.Store(), FALSE},
                   {13, "OnStartEditing", base.OnStartEditing(), TRUE},
                   {15, "OnCancelEditing", base.OnCancelEditing(), TRUE},
                   {17, "OnValidateCell", base.OnValidateCell(), TRUE},
                   {18, "OnLeftCell", base.OnLeftCell(3, 3), TRUE},
                   {19, "OnEndEditing", base.OnEndEditing(), TRUE},
                   {22, "CalcSize", base.CalcSize(nullptr, 2, 2, CGXStyle(), nullptr, FALSE).cx, 0},
                   {23, "CanFloatCell", base.CanFloatCell(2, 2, CGXStyle(), TRUE), FALSE},
                   {33, "ConvertTextToValue", base.ConvertTextToValue(strText, 2, 2, nullptr), TRUE},
                   {54, "OnGridKeyDown", base.OnGridKeyDown(VK_DOWN, 1, 0), FALSE},
                   {62, "OnGridSysDeadChar", base.OnGridSysDeadChar('x', 1, 0), FALSE},
                   {66, "CanCopy", base.CanCopy(), TRUE},
                   {73, "GetSelectedText", base.GetSelectedText(strText), FALSE},
                   {77, "OnGridCtlColor", base.OnGridCtlColor(nullptr, nullptr, CTLCOLOR_EDIT, hbr), FALSE},
                   {82, "NeedShowCellTip", base.NeedShowCellTip(2, 2, CGXStyle()), FALSE},
                   // the factory gives the header its tip object
                   {83, "GetCellTipDelay", base.GetCellTipDelay(), GX_CELLTIP_DELAY},
                   {89, "GetCount", base.GetCount(), 0},
                   {95, "ValidateString", base.ValidateString("x"), TRUE},
                   {96, "ValidatePasteText", base.ValidatePasteText("x"), TRUE}};
    for (const auto& a : answers)
        EXPECT_EQ(a.nAnswer, a.nExpected) << a.nNumber << " " << a.pszName;

    // the hooks reach the grid with the control's cell
    ROWCOL nRow = 0, nCol = 0;
    grid.GetInitCell(nRow, nCol);
    EXPECT_EQ(nRow, 2u);
    EXPECT_EQ(nCol, 2u);
    EXPECT_TRUE(base.IsAttachedTo(2, 2));
    base.Reset();
    EXPECT_FALSE(base.IsInit());
    EXPECT_FALSE(base.CanCopy());
}

TEST(PlainTextControl, DrawsTheCellsTextInItsStyle)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXControl* pStatic = grid.GetRegisteredControl(GX_IDS_CTRL_STATIC);
    ASSERT_NE(dynamic_cast<CGXPlainTextControl*>(pStatic), nullptr);
    CGXStyle style;
    grid.ComposeStyleRowCol(1, 1, &style);
    style.SetValue("abc").SetHorizontalAlignment(DT_RIGHT).SetWrapText(FALSE).SetTextColor(RGB(200, 0, 0));
    grid.StoreStyleRowCol(1, 1, &style, CGXStyle::gxOverride);
    const CRect rect(10, 10, 110, 40);

    CRecordingDC dc;
    CFont* pOld = grid.SelectStyleFont(&dc, style);
    const int cxText = dc.Width("abc");
    dc.SelectObject(pOld);
    pStatic->Draw(&dc, rect, 1, 1, style, nullptr);
    ASSERT_EQ(dc.m_texts.size(), 1u);
    EXPECT_EQ(dc.m_texts[0].text, "abc");
    EXPECT_EQ(dc.m_texts[0].x, pStatic->GetCellRect(1, 1, &rect).right - cxText) << "right-aligned in the cell";
    EXPECT_EQ(dc.m_texts[0].color, RGB(200, 0, 0));

    // printing in black and white: black text
    CDC printer;
    printer.CreateCompatibleDC(nullptr);
    grid.GetParam()->GetProperties()->SetBlackWhite(TRUE);
    grid.SetPrinting(&printer, FALSE);
    pStatic->Draw(&dc, rect, 1, 1, style, nullptr);
    grid.SetPrinting(nullptr);
    ASSERT_EQ(dc.m_texts.size(), 2u);
    EXPECT_EQ(dc.m_texts[1].color, RGB(0, 0, 0));

    // an empty cell draws its children; a cell one pixel wide with a text draws nothing at all
    std::vector<std::string> log;
    auto* pChild = new CRecordingChild(pStatic, CRect(0, 0, 5, 5), log);
    pStatic->AddChild(pChild);
    pStatic->Draw(&dc, CRect(10, 10, 11, 40), 1, 1, style, nullptr);
    style.SetValue("");
    pStatic->Draw(&dc, rect, 1, 1, style, nullptr);
    EXPECT_EQ(dc.m_texts.size(), 2u);
    EXPECT_EQ(log, std::vector<std::string>{"draw"});
}
