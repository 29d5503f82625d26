// The drawn caption (its place, the gradient, the split title and its fit) and the look-ups over the
// application's document templates.
#include "MdiTestSupport.h"

#include "ToolkitTestSupport.h"
#include "frames/SECDocTemplateUtils.h"

namespace {

// ---- the drawn caption ---------------------------------------------------------------------------------

// The columns of canvas row y (from x0 on) where a white pixel is.
std::vector<int> WhiteColumns(const DibCanvas& canvas, int y0, int y1, int x0 = 0)
{
    std::vector<int> columns;
    for (int x = x0; x < canvas.Width(); x++)
        for (int y = y0; y < y1; y++)
            if (canvas.At(x, y) == kWhite) {
                columns.push_back(x);
                break;
            }
    return columns;
}

class CaptionTest : public ::testing::Test {
protected:
    void SetUp() override { SECStartToolkit(); }
    // The width of lpszText in the italic caption font.
    int EmphasisWidth(const char* lpszText)
    {
        DibCanvas canvas(4, 4);
        canvas.dc.SelectObject(caption.GetEmphasisFont());
        return canvas.dc.GetTextExtent(lpszText).cx;
    }
    int PlainWidth(const char* lpszText)
    {
        DibCanvas canvas(4, 4);
        canvas.dc.SelectObject(caption.GetPlainFont());
        return canvas.dc.GetTextExtent(lpszText).cx;
    }

    SECFrameCaption caption;
};

TEST_F(CaptionTest, TheActiveBandRunsFromBlackToTheCaptionColourAndTheInactiveIsPlain)
{
    const int cy = ::GetSystemMetrics(SM_CYSIZE);
    const int nWidth = 400;
    const COLORREF clrTo = ::GetSysColor(COLOR_ACTIVECAPTION);
    DibCanvas active(nWidth, cy);
    caption.DrawCaptionTo(&active.dc, CRect(0, 0, nWidth, cy), nullptr, "", TRUE);
    EXPECT_EQ(active.At(0, 1), RGB(0, 0, 0)); // the icon's square
    EXPECT_EQ(active.At(cy, 1), RGB(0, 0, 0)); // the first band
    // 60 bands: each channel rises by a 60th of its target per band, never past it
    const COLORREF clrLast = active.At(nWidth - 1, 1);
    EXPECT_NEAR(GetRValue(clrLast), GetRValue(clrTo), GetRValue(clrTo) / 60 + 1);
    EXPECT_NEAR(GetBValue(clrLast), GetBValue(clrTo), GetBValue(clrTo) / 60 + 1);
    EXPECT_LE(GetBValue(clrLast), GetBValue(clrTo));
    int nChanges = 0;
    for (int x = cy + 1; x < nWidth; x++) {
        nChanges += active.At(x, 1) != active.At(x - 1, 1) ? 1 : 0;
        EXPECT_GE(GetBValue(active.At(x, 1)), GetBValue(active.At(x - 1, 1))) << x;
    }
    EXPECT_LE(nChanges, 59);

    DibCanvas inactive(nWidth, cy);
    caption.DrawCaptionTo(&inactive.dc, CRect(0, 0, nWidth, cy), nullptr, "", FALSE);
    EXPECT_EQ(inactive.At(0, 1), ::GetSysColor(COLOR_INACTIVECAPTION));
    EXPECT_EQ(inactive.At(nWidth - 1, 1), ::GetSysColor(COLOR_INACTIVECAPTION));
}

TEST_F(CaptionTest, TheTitlesSecondPartIsLeftOutWhereItWouldNotFit)
{
    const int cy = ::GetSystemMetrics(SM_CYSIZE);
    const int nFirst = EmphasisWidth("Ondrix ");
    const int nNeeded = nFirst + 6 + PlainWidth("W...");
    const int nTextLeft = cy + 3;
    // wide enough: white text beyond the first part; too narrow: none there
    const struct {
        int nBand;
        BOOL bSecondPart;
    } cases[] = {{nNeeded + 40, TRUE}, {nNeeded - 1, FALSE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nBand);
        const int nWidth = cy + 3 + c.nBand;
        DibCanvas canvas(nWidth, cy);
        caption.DrawCaptionTo(&canvas.dc, CRect(0, 0, nWidth, cy), nullptr, "Ondrix - a project", TRUE);
        const std::vector<int> columns = WhiteColumns(canvas, 0, cy, nTextLeft + nFirst + 2);
        EXPECT_EQ(!columns.empty(), c.bSecondPart);
        EXPECT_FALSE(WhiteColumns(canvas, 0, cy, nTextLeft).empty()); // the first part always shows
    }
}

TEST_F(CaptionTest, CentredAndRightAlignedTitles)
{
    const int cy = ::GetSystemMetrics(SM_CYSIZE);
    const int nWidth = 400;
    const int nText = EmphasisWidth("Ondrix");
    const int nBandLeft = cy + 3;
    const struct {
        int nAlign;
        int nTextStart;
    } cases[] = {{0, nBandLeft}, {1, nBandLeft + (nWidth - nBandLeft - nText) / 2}, {2, nWidth - 1 - nText}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nAlign);
        caption.Enable(TRUE, c.nAlign);
        DibCanvas canvas(nWidth, cy);
        caption.DrawCaptionTo(&canvas.dc, CRect(0, 0, nWidth, cy), nullptr, "Ondrix", TRUE);
        const std::vector<int> columns = WhiteColumns(canvas, 0, cy);
        ASSERT_FALSE(columns.empty());
        EXPECT_GE(columns.front(), c.nTextStart);
        EXPECT_LE(columns.back(), c.nTextStart + nText);
    }
    ExpectInvalidArg([&] { caption.Enable(TRUE, 3); }, "alignment 3");
}

TEST_F(CaptionTest, TheCaptionLiesInsideTheBorderBesideTheBoxesItShows)
{
    CWinApp app("Ondrix");
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Captioned", WS_OVERLAPPEDWINDOW, CRect(10, 10, 410, 310)));
    const int cxFrame = ::GetSystemMetrics(SM_CXSIZEFRAME), cyFrame = ::GetSystemMetrics(SM_CYSIZEFRAME);
    const int cxButton = ::GetSystemMetrics(SM_CXSIZE);
    EXPECT_EQ(caption.CalcCaptionRect(pFrame),
              CRect(cxFrame, cyFrame, 400 - cxFrame - 3 * cxButton, cyFrame + ::GetSystemMetrics(SM_CYSIZE)));
    pFrame->ModifyStyle(WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0);
    ::EnableMenuItem(::GetSystemMenu(pFrame->m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_EQ(caption.CalcCaptionRect(pFrame).right, 400 - cxFrame);
    pFrame->DestroyWindow();
}

TEST_F(MdiFrameTest, AFrameWithTheDrawnCaptionStillTakesItsTextAndStaysVisible)
{
    SECMDIFrameWnd* pFrame = LoadMainFrame();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_FALSE(pFrame->IsCustomCaption());
    pFrame->EnableCustomCaption(TRUE, 1);
    EXPECT_TRUE(pFrame->IsCustomCaption());
    pFrame->SetWindowText("Ondrix - a project");
    pFrame->SendMessage(WM_NCACTIVATE, FALSE);
    pFrame->SendMessage(WM_NCPAINT, 1);
    EXPECT_EQ(TextOf(pFrame), "Ondrix - a project");
    EXPECT_TRUE(pFrame->GetStyle() & WS_VISIBLE);
    pFrame->EnableCustomCaption(FALSE);
    EXPECT_FALSE(pFrame->IsCustomCaption());
}

// ---- document templates -----------------------------------------------------------------------------

class CMdiOtherDoc : public CDocument {
    DECLARE_DYNCREATE(CMdiOtherDoc)
};
IMPLEMENT_DYNCREATE(CMdiOtherDoc, CDocument)

TEST_F(MdiFrameTest, TemplatesAreNarrowedByTypeMenuAndIdAndFoundByName)
{
    CMultiDocTemplate* pFirst = AddSheetTemplate();
    CMultiDocTemplate* pSecond = AddSheetTemplate();
    CMultiDocTemplate* pOther = new CMultiDocTemplate(IDR_MDI_OTHER, RUNTIME_CLASS(CMdiOtherDoc),
                                                      RUNTIME_CLASS(SECWorksheet), RUNTIME_CLASS(CMdiTestView));
    app.AddDocTemplate(pOther);

    SECDocTemplateUtils utils;
    EXPECT_EQ(utils.GetTemplates(), (std::vector<CDocTemplate*>{pFirst, pSecond, pOther}));
    utils.KeepResourceID(IDR_MDI_SHEET);
    EXPECT_EQ(utils.GetTemplates().size(), 2u);
    EXPECT_EQ(utils.GetSingle(), nullptr);
    utils.KeepSharedMenu(pSecond->m_hMenuShared);
    EXPECT_EQ(utils.GetSingle(), pSecond);
    utils.ListAll();
    utils.KeepTypes(RUNTIME_CLASS(CMdiOtherDoc), nullptr);
    EXPECT_EQ(utils.GetSingle(), pOther);

    EXPECT_EQ(SECDocTemplateUtils::FindByDocName("Sheet", 0), pFirst);
    EXPECT_EQ(SECDocTemplateUtils::FindByDocName("Sheet", 1), pSecond);
    EXPECT_EQ(SECDocTemplateUtils::FindByDocName("Sheet", 2), nullptr);
    EXPECT_EQ(SECDocTemplateUtils::IndexAmongNamesakes(pSecond), 1);

    LoadMainFrame();
    pTemplate = pSecond;
    EXPECT_EQ(SECDocTemplateUtils::TemplateOfFrame(OpenSheet()), pSecond);
}

} // namespace
