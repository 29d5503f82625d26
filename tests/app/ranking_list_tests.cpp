// The final-ranking list window: its template among the document manager's, the document and the
// report list it shows (in English and in Polish), two windows at once and the open flag as each goes.
#include "AppTestSupport.h"

#include "app/ZQResultsDoc.h"
#include "app/ZQResultsView.h"
#include "res/resource.h"

#include <string>

namespace {

// The started application with its ranking-list template.
class RankingList : public StartedAppFixture {
protected:
    void SetUp() override
    {
        StartedAppFixture::SetUp();
        ASSERT_NE(app.m_pRankingListTemplate, nullptr);
    }

    // A new list window, as its template makes one; its view.
    CZQResultsView* OpenList()
    {
        CDocument* pDocument = app.m_pRankingListTemplate->OpenDocumentFile(nullptr);
        if (pDocument == nullptr)
            return nullptr;
        POSITION pos = pDocument->GetFirstViewPosition();
        return pos != nullptr ? dynamic_cast<CZQResultsView*>(pDocument->GetNextView(pos)) : nullptr;
    }
};

// Column nCol of the list view: "heading|format|width", "<none>" when it has no such column.
std::string Column(HWND hList, int nCol)
{
    char heading[64] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    if (!ListView_GetColumnA(hList, nCol, &column))
        return "<none>";
    return std::string(heading) + "|" + std::to_string(column.fmt & LVCFMT_JUSTIFYMASK) + "|" +
           std::to_string(column.cx);
}

// The headings of the list view's columns joined by '|'.
std::string Headings(HWND hList)
{
    std::string headings;
    for (int i = 0; i < 3; ++i) {
        const std::string column = Column(hList, i);
        headings += (i > 0 ? "|" : "") + column.substr(0, column.find('|'));
    }
    return headings;
}

TEST_F(RankingList, TheTemplateBelongsToTheDocumentManagerAndNoCommandOpensAList)
{
    bool bFound = false;
    // every template read, so that the position moves on whatever comes after the list's
    for (POSITION pos = app.GetFirstDocTemplatePosition(); pos != nullptr;) {
        if (app.GetNextDocTemplate(pos) == app.m_pRankingListTemplate)
            bFound = true;
    }
    EXPECT_TRUE(bFound);
    CString name;
    EXPECT_FALSE(app.m_pRankingListTemplate->GetDocString(name, CDocTemplate::fileNewName) && !name.IsEmpty());

    app.m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_NEW);
    PumpWaitingMessages();
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);
    EXPECT_EQ(app.m_nRankingListOpen, 0);
}

TEST_F(RankingList, AListIsAnEmptyReportWithThreeLeftAlignedColumns)
{
    CZQResultsView* pView = OpenList();
    ASSERT_NE(pView, nullptr);
    EXPECT_STREQ(pView->GetDocument()->GetTitle(), "Final Ranking (list)");
    EXPECT_TRUE(pView->GetDocument()->IsKindOf(RUNTIME_CLASS(CZQResultsDoc)));
    EXPECT_EQ(app.m_nRankingListOpen, 1);

    char className[64] = {};
    ::GetClassNameA(pView->m_hWnd, className, sizeof className);
    EXPECT_STREQ(className, "SysListView32");
    const DWORD dwStyle = DWORD(::GetWindowLongA(pView->m_hWnd, GWL_STYLE));
    EXPECT_EQ(dwStyle & (WS_CHILD | WS_VISIBLE), DWORD(WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(dwStyle & LVS_TYPEMASK, DWORD(LVS_REPORT));
    // the view's border is drawn as a client edge
    EXPECT_TRUE((dwStyle & WS_BORDER) || (::GetWindowLongA(pView->m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));

    CListCtrl& list = pView->GetListCtrl();
    EXPECT_TRUE(list.GetExtendedStyle() & LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.GetItemCount(), 0);
    const std::string left = std::to_string(LVCFMT_LEFT);
    EXPECT_EQ(Column(pView->m_hWnd, 0), "Rank|" + left + "|50");
    EXPECT_EQ(Column(pView->m_hWnd, 1), "Alternative|" + left + "|150");
    EXPECT_EQ(Column(pView->m_hWnd, 2), "Utility|" + left + "|100");
    EXPECT_EQ(Column(pView->m_hWnd, 3), "<none>");

    // the small images: the four 16 by 16 pictures of bitmap 252, its light grey transparent
    const HIMAGELIST hImages = ListView_GetImageList(pView->m_hWnd, LVSIL_SMALL);
    ASSERT_NE(hImages, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(hImages), 4);
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(hImages, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
    const HDC hdc = ::CreateCompatibleDC(nullptr);
    const HBITMAP hBitmap = ::CreateBitmap(16, 16, 1, 32, nullptr);
    const HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
    const RECT all = {0, 0, 16, 16};
    const HBRUSH hRed = ::CreateSolidBrush(RGB(255, 0, 0));
    ::FillRect(hdc, &all, hRed);
    ImageList_Draw(hImages, 0, hdc, 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(::GetPixel(hdc, 0, 0), RGB(255, 0, 0)) << "the mask colour is not transparent";
    EXPECT_NE(::GetPixel(hdc, 8, 8), RGB(255, 0, 0)) << "the picture was not drawn";
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hRed);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hdc);
}

TEST_F(RankingList, TwoListsAtOnceAndEachCloseClearsTheFlag)
{
    CZQResultsView* pFirst = OpenList();
    CZQResultsView* pSecond = OpenList();
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_NE(pFirst->GetDocument(), pSecond->GetDocument());
    for (CZQResultsView* pView : {pFirst, pSecond}) {
        EXPECT_EQ(Headings(pView->m_hWnd), "Rank|Alternative|Utility");
        EXPECT_EQ(pView->GetListCtrl().GetItemCount(), 0);
    }
    EXPECT_EQ(app.m_nRankingListOpen, 1);

    const HWND hSecond = pSecond->m_hWnd;
    pFirst->GetParentFrame()->SendMessage(WM_CLOSE);
    PumpWaitingMessages();
    EXPECT_EQ(app.m_nRankingListOpen, 0);
    EXPECT_TRUE(::IsWindow(hSecond));

    app.m_nRankingListOpen = 1;
    pSecond->GetParentFrame()->SendMessage(WM_CLOSE);
    PumpWaitingMessages();
    EXPECT_EQ(app.m_nRankingListOpen, 0);
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);

    // a new project closes the lists that are open, asking nothing
    OpenList();
    app.ResetProject();
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);
    EXPECT_EQ(app.m_nRankingListOpen, 0);
}

// text in the program's 8-bit code page, as the program reads its Polish texts under it
std::string Ansi(const char16_t* text)
{
    char ansi[128] = {};
    ::WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWSTR>(text), -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

TEST_F(RankingList, ThePolishLibraryGivesThePolishTitleAndHeadings)
{
    ASSERT_TRUE(app.LoadLanguageLibrary("InternationalPL.dll"));
    CZQResultsView* pView = OpenList();
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(std::string(pView->GetDocument()->GetTitle()), Ansi(u"Ranking ko\u0144cowy (lista)"));
    EXPECT_EQ(Headings(pView->m_hWnd), Ansi(u"Klasa|Wariant|U\u017Cyteczno\u015B\u0107"));
}

} // namespace
