// The chart wizard's preview: the grid and snapping, moving a component with the tracker, the layout
// file, the context menu, export and printing.
#include "wine_gtest.h"

#include <fstream>
#include <string>
#include <vector>

#include "WizardTestSupport.h"

#include "chart/engine/components/SRGTextPanel.h"
#include "chart/views/ChartViewResource.h"
#include "chart/views/image/SECDib.h"

namespace {

const COLORREF kGreen = RGB(0, 128, 0);

class WizardPreviewTest : public WizardTest {
protected:
    // A green background over the preview of 300 by 200 pixels and a display at (20, 40, 120, 140).
    void OpenPreview()
    {
        AddBackground(chart, "", CRect(0, 0, 300, 200))->GetStyle()->m_crFill1 = kGreen;
        AddDisplay(chart, "", CRect(20, 40, 120, 140));
        Open(TRUE, 300, 200);
        pView = pSheet->GetPreview();
        ASSERT_NE(pView, nullptr);
    }
    void Repaint()
    {
        pSheet->RepaintPreview();
        pView->UpdateWindow();
    }
    COLORREF Pixel(int x, int y)
    {
        CClientDC dc(pView);
        return dc.GetPixel(x, y);
    }
    CPoint Screen(int x, int y)
    {
        CPoint point(x, y);
        pView->ClientToScreen(&point);
        return point;
    }
    // A press at from and a drag to to, the left button released there.
    void Drag(CPoint from, CPoint to)
    {
        PostDrag(*pView, {Screen(to.x, to.y)});
        pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    }
    static CRect Placement(DEDizedComponent* pComponent)
    {
        const DEDizedRect* pRect = pComponent->GetRect();
        return CRect(int(pRect->m_dLeft), int(pRect->m_dTop), int(pRect->m_dRight), int(pRect->m_dBottom));
    }

    SRGWizView* pView = nullptr;
};

} // namespace

TEST_F(WizardPreviewTest, TheGridInvertsEveryPointAtAMultipleOfItsStep)
{
    OpenPreview();
    Repaint();
    ASSERT_EQ(Pixel(10, 10), kGreen);
    pSheet->m_nGridStep = 10;
    pSheet->m_bGrid = 1;
    Repaint();
    const COLORREF kInverted = RGB(255, 127, 255);
    for (const CPoint point : {CPoint(0, 0), CPoint(10, 10), CPoint(290, 190), CPoint(150, 0)})
        EXPECT_EQ(Pixel(point.x, point.y), kInverted) << point.x << ", " << point.y;
    for (const CPoint point : {CPoint(5, 5), CPoint(11, 10), CPoint(10, 9)})
        EXPECT_EQ(Pixel(point.x, point.y), kGreen) << point.x << ", " << point.y;
}

TEST_F(WizardPreviewTest, SnappingRoundsDownOrUpAboveHalfAStep)
{
    struct Case {
        int nValue;
        int nStep;
        int nSnapped;
    };
    for (const Case& c : {Case{13, 9, 9}, Case{14, 9, 18}, Case{18, 9, 18}, Case{15, 10, 10}, Case{16, 10, 20},
                          Case{-4, 9, 0}, Case{-5, 9, -9}, Case{7, 0, 7}})
        EXPECT_EQ(SRGWizView::Snap(c.nValue, c.nStep), c.nSnapped) << c.nValue << " by " << c.nStep;
}

TEST_F(WizardPreviewTest, AComponentPickedWithShiftMovesWhereItIsDroppedOrOntoTheGrid)
{
    OpenPreview();
    DEDizedComponent* pDisplay = pSheet->GetWorkingChart()->GetComponent(1, -1);
    // without Shift a press is the chart view's own
    fake.SetKeyState(VK_SHIFT, 0);
    Drag(CPoint(50, 60), CPoint(60, 70));
    PumpWaitingMessages();
    EXPECT_FALSE(pView->IsTracking());
    EXPECT_EQ(Placement(pDisplay), CRect(20, 40, 120, 140));

    fake.SetKeyState(VK_SHIFT, SHORT(0x8000));
    Drag(CPoint(50, 60), CPoint(113, 114));
    EXPECT_TRUE(pView->IsTracking());
    EXPECT_EQ(pView->GetTracked(), pDisplay);
    EXPECT_EQ(pSheet->GetCurrentIndex(), 1);
    EXPECT_EQ(Placement(pDisplay), CRect(83, 94, 183, 194));
    // the page shows where it went
    CString left;
    pSheet->m_mainPage.GetDlgItemText(IDC_WIZ_LEFT, left);
    EXPECT_EQ(left, CString("83"));

    // while tracking no Shift is needed; with the grid and snapping on the rectangle lands on it
    fake.SetKeyState(VK_SHIFT, 0);
    pSheet->m_bGrid = 1;
    pSheet->m_bSnap = 1;
    pSheet->m_nGridStep = 10;
    Drag(CPoint(100, 100), CPoint(133, 124));
    EXPECT_EQ(Placement(pDisplay), CRect(120, 120, 220, 220));

    // a component in per cent stays in per cent
    pDisplay->SetMeasurement(DEDizedRect::measurePerCent);
    pDisplay->SetRectValues(10, 10, 50, 50);
    pSheet->m_bGrid = 0;
    pSheet->m_bSnap = 0;
    Drag(CPoint(60, 40), CPoint(90, 60));
    EXPECT_EQ(pDisplay->GetRect()->GetMeasurement(), DEDizedRect::measurePerCent);
    EXPECT_EQ(Placement(pDisplay), CRect(20, 20, 60, 60));

    // a release ends it
    pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(pView->IsTracking());
    EXPECT_EQ(pView->GetTracked(), nullptr);
}

TEST_F(WizardPreviewTest, TheContextMenuEnablesUndoZoomAndEndTrackingOnlyWhenTheyApply)
{
    OpenPreview();
    auto expectStates = [&](UINT nUndo, UINT nEnd) {
        fake.ExpectPopupMenu(0, [=](HMENU hMenu) {
            EXPECT_EQ(::GetMenuState(hMenu, ID_CHART_UNDO_ZOOM, MF_BYCOMMAND) & MF_GRAYED, nUndo);
            EXPECT_EQ(::GetMenuState(hMenu, ID_WIZ_END_TRACKING, MF_BYCOMMAND) & MF_GRAYED, nEnd);
            EXPECT_EQ(::GetMenuState(hMenu, ID_WIZ_COPY, MF_BYCOMMAND) & MF_GRAYED, 0u);
        });
        const CPoint point = Screen(30, 30);
        pView->SendMessage(WM_CONTEXTMENU, WPARAM(pView->m_hWnd), MAKELPARAM(point.x, point.y));
    };
    fake.SetKeyState(VK_SHIFT, 0);
    expectStates(MF_GRAYED, MF_GRAYED);
    fake.SetKeyState(VK_SHIFT, SHORT(0x8000));
    Drag(CPoint(50, 60), CPoint(50, 60));
    ASSERT_TRUE(pView->IsTracking());
    expectStates(MF_GRAYED, 0);
    pView->SendMessage(WM_COMMAND, ID_WIZ_END_TRACKING);
    EXPECT_FALSE(pView->IsTracking());
}

TEST_F(WizardPreviewTest, SavingTheLayoutAppendsALineOfPerCentsToTheFile)
{
    OpenPreview();
    DEDized& working = *pSheet->GetWorkingChart();
    working.GetComponent(0, -1)->GetStyle()->m_nStyle = 0x123;
    DEDizedComponent* pDisplay = working.GetComponent(1, -1);
    pDisplay->GetStyle()->m_nStyle = (pDisplay->GetStyle()->m_nStyle & ~0xFFF) | 0x102;
    pDisplay->SetRectValues(30, -5, 150, 100);
    // a title in per cent, and a text panel, which the layouts do not hold
    DEDizedTitle* pTitle = AddTitle(working, "", CRect(0, 0, 1, 1));
    pTitle->SetMeasurement(DEDizedRect::measurePerCent);
    pTitle->SetRectValues(5, 2, 95, 14);
    pTitle->GetStyle()->m_nStyle = 0;
    working.AddComponent(new SRGTextPanel);

    ScratchFile file("layouts.txt");
    {
        std::ofstream out(file.host, std::ios::binary);
        out << "Display 3 0 0 0 0 0 100 100";
    }
    const std::string line = "Background 3 3 2 1 0 0 100 100 Display 3 2 0 1 10 -1 50 50 Title 3 0 0 0 5 2 95 14 ";
    for (int n = 0; n < 2; ++n) {
        fake.ExpectFileDialog(IDOK, file.windows.c_str());
        pView->SendMessage(WM_COMMAND, ID_WIZ_SAVE_LAYOUT);
    }
    EXPECT_EQ(FileText(file.host), "Display 3 0 0 0 0 0 100 100\n\n" + line + "\n\n" + line);
    const auto calls = fake.CallsOf("GetOpenFileName");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].dwFlags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT), DWORD(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(calls[0].filter, (std::vector<std::string>{"Layout Files(*.txt)", "*.txt ", " All Files(*.*)", "*.*"}));

    // what was saved reads back as a layout
    pSheet->LoadLayouts(file.host.c_str(), "NO_SUCH_TYPE");
    ASSERT_EQ(pSheet->GetLayouts().size(), 3u);
    EXPECT_EQ(pSheet->GetLayouts()[1].size(), 3u);
    EXPECT_EQ(pSheet->GetLayouts()[1][1].nTop, -1);

    fake.ExpectFileDialog(IDOK, "Z:\\ondrix_no_such_folder\\layouts.txt");
    fake.ExpectMessageBox(IDOK, "File could not be opened ");
    pView->SendMessage(WM_COMMAND, ID_WIZ_SAVE_LAYOUT);
}

TEST_F(WizardPreviewTest, TheLayoutLineGivesWholePerCentsOfThePreviewByMeasurementKind)
{
    DEDized layoutChart;
    struct Case {
        int nMeasurement;
        double dLeft, dTop, dRight, dBottom;
    };
    // a preview of 100 by 100 pixels at 96 dots per inch; each part truncated
    for (const Case& c : {Case{DEDizedRect::measurePixels, 10.5, 20.5, 55.5, 90.5},
                          Case{DEDizedRect::measureMillimetres, 10, 5, 20, -1},
                          Case{DEDizedRect::measureInches, 0.3, 0.15, 0.6, 0.9},
                          Case{DEDizedRect::measurePerCent, 25.5, 25, 50.9, 100}}) {
        DEDizedBackground* pBackground = AddBackground(layoutChart, "", CRect(0, 0, 1, 1));
        pBackground->SetMeasurement(c.nMeasurement);
        pBackground->SetRectValues(c.dLeft, c.dTop, c.dRight, c.dBottom);
        pBackground->GetStyle()->m_nStyle = 0;
    }
    EXPECT_EQ(SRGWizView::LayoutLine(layoutChart, CSize(100, 100), 96, 96),
              CString("Background 3 0 0 0 10 20 55 90 Background 3 0 0 0 37 18 75 -1 "
                      "Background 3 0 0 0 28 14 57 86 Background 3 0 0 0 25 25 50 100 "));
}

TEST_F(WizardPreviewTest, ThePreviewCopiesExportsAndPrintsItsPicture)
{
    OpenPreview();
    Repaint();
    pView->SendMessage(WM_COMMAND, ID_WIZ_COPY);
    ASSERT_TRUE(::OpenClipboard(pView->m_hWnd));
    BITMAP info = {};
    ::GetObjectA(::GetClipboardData(CF_BITMAP), sizeof info, &info);
    ::CloseClipboard();
    EXPECT_EQ(CSize(info.bmWidth, info.bmHeight), CSize(300, 200));

    ScratchFile bmp("preview.bmp");
    fake.ExpectFileDialog(IDOK, bmp.windows.c_str());
    pView->SendMessage(WM_COMMAND, ID_CHART_EXPORT_BMP);
    SECDib image;
    ASSERT_TRUE(image.LoadImage(bmp.host.c_str()));
    CRect client;
    pView->GetClientRect(&client);
    EXPECT_EQ(CSize(int(image.m_dwWidth), int(image.m_dwHeight)), client.Size());

    // printing asks for the page set-up first and names the job after the wizard
    fake.ExpectModal([](CDialog& dialog) { ClickButton(dialog, IDOK); });
    FakePrinter printer{"Office printer", 600, 800, 100, 100};
    fake.ExpectPrintDialog(IDOK, &printer);
    pView->SendMessage(WM_COMMAND, ID_WIZ_PRINT);
    ASSERT_EQ(fake.PrinterDCs().size(), 1u);
    EXPECT_EQ(fake.PrinterDCs().back()->DocCalls().front(), "StartDoc Chart Wizard");
    EXPECT_EQ(fake.PrinterDCs().back()->PixelAt(150, 100), kGreen);
}
