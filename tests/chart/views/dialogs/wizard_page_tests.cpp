// The chart wizard's pages: layouts and their thumbnails, the main page's sub-panels, the fill and font
// pages, the advanced page's list of components.
#include "wine_gtest.h"

#include <fstream>
#include <string>
#include <vector>

#include "WizardTestSupport.h"

#include "chart/engine/components/SRGTextPanel.h"

namespace {

// A chart of a background, a display, a title and a legend, in pixels.
void MakeFullChart(DEDized& rChart)
{
    AddBackground(rChart, "", CRect(0, 0, 380, 300));
    AddDisplay(rChart, "", CRect(20, 45, 280, 290), GT_VBAR);
    AddTitle(rChart, "", CRect(20, 5, 360, 40));
    AddLegend(rChart, "", CRect(290, 45, 370, 200));
}

// Sends control nID's notification nCode to the page, as the control would.
void Notify(CWnd& rPage, int nID, UINT nCode)
{
    rPage.SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(rPage.GetDlgItem(nID)->m_hWnd));
}

void Check(CWnd& rPage, int nID, bool bChecked)
{
    rPage.CheckDlgButton(nID, bChecked ? BST_CHECKED : BST_UNCHECKED);
    Notify(rPage, nID, BN_CLICKED);
}

bool IsChecked(CWnd& rPage, int nID)
{
    return rPage.IsDlgButtonChecked(nID) == BST_CHECKED;
}

bool Enabled(CWnd& rPage, int nID)
{
    return rPage.GetDlgItem(nID)->IsWindowEnabled() != 0;
}

std::string ItemText(CWnd& rPage, int nID)
{
    CString text;
    rPage.GetDlgItemText(nID, text);
    return text.GetString();
}

} // namespace

TEST_F(WizardTest, ALayoutMakesItsComponentsByNameWithoutCaseAndSkipsOtherNames)
{
    const WizLayout layout = {{"background", 3, 0, 0, 5, 0, 0, 100, 100}, {"Pie", 3, 0, 0, 1, 1, 1, 2, 2},
                              {"TITLE", 1, 1, 2, 0, 5, 2, 95, 14},        {"Display", 3, 2, 0, 1, 5, 16, 72, 96},
                              {"legend", 0, 3, 1, 1, 10, 20, 30, 40}};
    WizLayoutColours colours;
    colours.crLegend = RGB(1, 2, 3);
    AddTitle(chart, "old", CRect(0, 0, 10, 10));
    ApplyWizardLayout(chart, layout, colours, GT_VECTOR);
    ASSERT_EQ(ComponentClasses(chart),
              (std::vector<std::string>{"DEDizedBackground", "DEDizedTitle", "DEDizedDisplay", "DEDizedLegend"}));

    DEDizedComponent* pBackground = chart.GetComponent(0, -1);
    EXPECT_EQ(pBackground->GetRect()->GetMeasurement(), 3);
    // a positive fill number is a solid fill
    EXPECT_EQ(pBackground->GetStyle()->m_nStyle & 0xFFF, 0x100);
    EXPECT_EQ(pBackground->GetStyle()->m_crFill1, colours.crBackground);

    DEDizedTitle* pTitle = static_cast<DEDizedTitle*>(chart.GetComponent(1, -1));
    EXPECT_EQ(pTitle->GetRect()->GetMeasurement(), 1);
    EXPECT_EQ(pTitle->GetStyle()->m_nStyle & 0xFFF, 0x021);
    EXPECT_EQ(pTitle->GetFontFlags(), DEDizedTitle::fontAutoSize);
    EXPECT_EQ(chart.GetChartAnnotation(1), CString("Title"));

    SRGDisplayBase* pDisplay = static_cast<SRGDisplayBase*>(chart.GetComponent(2, -1));
    EXPECT_EQ(pDisplay->GetGraphType(), GT_VECTOR);
    EXPECT_EQ(pDisplay->GetAxisType(), AXIS_BY_GRAPH_TYPE);

    DEDizedLegend* pLegend = static_cast<DEDizedLegend*>(chart.GetComponent(3, -1));
    const DEDizedRect* pRect = pLegend->GetRect();
    EXPECT_EQ(pRect->GetMeasurement(), 0);
    EXPECT_EQ(CRect(int(pRect->m_dLeft), int(pRect->m_dTop), int(pRect->m_dRight), int(pRect->m_dBottom)),
              CRect(10, 20, 30, 40));
    EXPECT_EQ(pLegend->GetStyle()->m_nStyle & 0xFFF, 0x113);
    EXPECT_DOUBLE_EQ(pLegend->GetKeySize(), 8.0);
    EXPECT_EQ(pLegend->GetSourceKind(), DEDizedLegend::entriesGroups);
    EXPECT_DOUBLE_EQ(pLegend->GetStyle()->m_dLimit2, 3.0);
    EXPECT_EQ(pLegend->GetStyle()->m_crFill1, RGB(1, 2, 3));
}

TEST_F(WizardTest, TheLayoutPageShowsSixLayoutsAtATimeAndAppliesTheOneClicked)
{
    Open();
    CLayoutPage& page = *pSheet->GetLayoutPage();
    // the program's eight layouts: the arrow to the next six works, the one back does not
    ASSERT_EQ(pSheet->GetLayouts().size(), 8u);
    EXPECT_FALSE(Enabled(page, IDC_WIZ_PREVIOUS_LAYOUTS));
    EXPECT_TRUE(Enabled(page, IDC_WIZ_NEXT_LAYOUTS));

    Notify(page, IDC_WIZ_THUMBNAIL_FIRST + 2, STN_CLICKED);
    EXPECT_EQ(ComponentClasses(*pSheet->GetWorkingChart()), (std::vector<std::string>{"DEDizedBackground", "DEDizedDisplay"}));

    page.GetDlgItem(IDC_WIZ_NEXT_LAYOUTS)->SetFocus();
    Notify(page, IDC_WIZ_NEXT_LAYOUTS, BN_CLICKED);
    EXPECT_EQ(page.GetFirstShown(), 6);
    EXPECT_TRUE(Enabled(page, IDC_WIZ_PREVIOUS_LAYOUTS));
    EXPECT_FALSE(Enabled(page, IDC_WIZ_NEXT_LAYOUTS));
    // the focus leaves the button that disabled itself
    EXPECT_EQ(::GetFocus(), page.GetDlgItem(IDC_WIZ_PREVIOUS_LAYOUTS)->m_hWnd);
    // the first of them is applied at once
    EXPECT_EQ(ComponentClasses(*pSheet->GetWorkingChart()),
              (std::vector<std::string>{"DEDizedBackground", "DEDizedTitle", "DEDizedLegend", "DEDizedDisplay"}));

    // six layouts or fewer: the arrow to the next six stays disabled
    ScratchFile file("six_layouts.txt");
    {
        std::ofstream out(file.host);
        for (int n = 0; n < 6; ++n)
            out << "Background 3 0 0 1 0 0 100 100\r\n";
    }
    pSheet->LoadLayouts(file.host.c_str(), "NO_SUCH_TYPE");
    page.ShowLayouts(0);
    EXPECT_FALSE(Enabled(page, IDC_WIZ_NEXT_LAYOUTS));
    EXPECT_FALSE(Enabled(page, IDC_WIZ_PREVIOUS_LAYOUTS));
    EXPECT_EQ(ComponentClasses(*pSheet->GetWorkingChart()), (std::vector<std::string>{"DEDizedBackground"}));
}

TEST_F(WizardTest, TheStandardChartPageSetsTheTypeOnTheFirstDisplay)
{
    Open(FALSE);
    Click(IDC_WIZ_NEXT);
    CStandardChartPage& page = *pSheet->GetStandardPage();
    const int nIndex = page.m_list.FindStringExact(-1, "Vectors");
    ASSERT_GE(nIndex, 0);
    page.m_list.SetCurSel(nIndex);
    Notify(page, IDC_WIZ_GRAPH_TYPES, LBN_SELCHANGE);
    SRGDisplayBase* pDisplay = dynamic_cast<SRGDisplayBase*>(pSheet->GetWorkingChart()->GetComponent(0, chartTypeDisplay));
    ASSERT_NE(pDisplay, nullptr);
    EXPECT_EQ(pDisplay->GetGraphType(), GT_VECTOR);
    EXPECT_EQ(pDisplay->GetAxisType(), AXIS_BY_GRAPH_TYPE);
    EXPECT_EQ(pSheet->GetChosenGraphType(), GT_VECTOR);
    // the sample data's four groups are one block of vectors
    EXPECT_EQ(pSheet->GetWorkingChart()->GetDataItem(9, 3)->GetStyle()->m_strText1, CString("TAILA|ARROWA"));
    // a layout applied afterwards makes its display of that type
    Click(IDC_WIZ_BACK);
    SRGDisplayBase* pMade = dynamic_cast<SRGDisplayBase*>(pSheet->GetWorkingChart()->GetComponent(0, chartTypeDisplay));
    ASSERT_NE(pMade, nullptr);
    EXPECT_EQ(pMade->GetGraphType(), GT_VECTOR);
}

TEST_F(WizardTest, TheMainPageShowsTheSubPanelOfTheComponentsKindAndLoadsItsValues)
{
    MakeFullChart(chart);
    chart.SetChartAnnotation("Sales", 1);
    SRGDisplayBase* pCaller = static_cast<SRGDisplayBase*>(chart.GetComponent(1, -1));
    pCaller->SetFlags(pCaller->GetFlags() | SRGDisplayBase::flagNoVerticalGrid);
    pCaller->SetDataWindow(1, 0, 4, 2);
    Open();
    CMainPage& main = pSheet->m_mainPage;

    struct Case {
        int nIndex;
        int nKind;
        bool bWindow;
    };
    for (const Case& c : {Case{0, 0, false}, Case{1, chartTypeDisplay, true}, Case{2, chartTypeTitle, false},
                          Case{3, chartTypeLegend, true}}) {
        SCOPED_TRACE(c.nIndex);
        pSheet->SetCurrentIndex(c.nIndex);
        EXPECT_EQ(main.GetShownPanel(), c.nKind != 0 ? &main.GetPanel(c.nKind) : nullptr);
        for (int nKind : {chartTypeDisplay, chartTypeTitle, chartTypeLegend, chartTypeTextPanel})
            EXPECT_EQ(main.GetPanel(nKind).IsShown() != 0, nKind == c.nKind) << nKind;
        EXPECT_EQ(WizardTest::Visible(main, IDC_WIZ_FIRST_INDEX), c.bWindow);
    }

    pSheet->SetCurrentIndex(1);
    EXPECT_EQ(ItemText(main, IDC_WIZ_GRAPH_TYPE), "Vertical bars");
    EXPECT_EQ(ItemText(main, IDC_WIZ_LEFT), "20");
    EXPECT_EQ(ItemText(main, IDC_WIZ_BOTTOM), "290");
    EXPECT_FALSE(IsChecked(main, IDC_WIZ_VERTICAL_GRID));
    EXPECT_TRUE(IsChecked(main, IDC_WIZ_HORIZONTAL_GRID));
    EXPECT_EQ(ItemText(main, IDC_WIZ_FIRST_INDEX), "1");
    EXPECT_EQ(ItemText(main, IDC_WIZ_LAST_GROUP), "2");
    EXPECT_EQ(ItemText(main, IDC_WIZ_DEPTH), "60");
    pSheet->SetCurrentIndex(2);
    EXPECT_EQ(ItemText(main, IDC_WIZ_TITLE_TEXT), "Sales");
    pSheet->SetCurrentIndex(3);
    EXPECT_EQ(ItemText(main, IDC_WIZ_LEGEND_SOURCE), "Automatic");
    EXPECT_EQ(ItemText(main, IDC_WIZ_LEGEND_KEY), "By the graph type");
    EXPECT_FALSE(Enabled(main, IDC_WIZ_LEGEND_COLUMNS));
    Check(main, IDC_WIZ_LEGEND_GRID, true);
    EXPECT_TRUE(Enabled(main, IDC_WIZ_LEGEND_COLUMNS));
}

TEST_F(WizardTest, TheMainPageStoresWhatTheUserChangedIntoTheCurrentComponent)
{
    MakeFullChart(chart);
    Open();
    CMainPage& main = pSheet->m_mainPage;
    DEDized& working = *pSheet->GetWorkingChart();

    // a click stores at once
    pSheet->SetCurrentIndex(1);
    SRGDisplayBase* pDisplay = static_cast<SRGDisplayBase*>(working.GetComponent(1, -1));
    Check(main, IDC_WIZ_HORIZONTAL_GRID, false);
    EXPECT_TRUE(pDisplay->HasFlag(SRGDisplayBase::flagNoHorizontalGrid));
    Check(main, IDC_WIZ_OWN_DEPTH, true);
    EXPECT_TRUE(pDisplay->HasFlag(SRGDisplayBase::flagOwnDepth));
    EXPECT_DOUBLE_EQ(pDisplay->GetStyle()->m_dLimit3, 60.0);

    // typed values wait for Apply, which clears the page's mark
    main.SetDlgItemText(IDC_WIZ_RIGHT, "250");
    main.m_borderCombo.SelectByData(3);
    Notify(main, IDC_WIZ_BORDER, CBN_SELCHANGE);
    EXPECT_DOUBLE_EQ(pDisplay->GetRect()->m_dRight, 280.0);
    Click(ID_APPLY_NOW);
    EXPECT_DOUBLE_EQ(pDisplay->GetRect()->m_dRight, 250.0);
    EXPECT_EQ(pDisplay->GetStyle()->m_nStyle & 0xF, 3);

    pSheet->SetCurrentIndex(2);
    main.SetDlgItemText(IDC_WIZ_TITLE_TEXT, "Costs");
    Click(ID_APPLY_NOW);
    EXPECT_EQ(working.GetChartAnnotation(1), CString("Costs"));
    EXPECT_EQ(ItemText(main, IDC_WIZ_TITLE_TEXT), "Costs");

    // OK stores the active page too
    main.SetDlgItemText(IDC_WIZ_TOP, "7");
    Click(IDOK);
    EXPECT_TRUE(pSheet->IsModalEnded());
    EXPECT_EQ(pSheet->GetModalResult(), IDOK);
    EXPECT_DOUBLE_EQ(working.GetComponent(2, -1)->GetRect()->m_dTop, 7.0);
}

TEST_F(WizardTest, TheMainPageEditsATextPanelsHeadingAndBody)
{
    SRGTextPanel* pPanel = new SRGTextPanel;
    pPanel->SetRectFromRECT(CRect(10, 10, 200, 100));
    chart.AddComponent(pPanel);
    Open();
    CMainPage& main = pSheet->m_mainPage;
    EXPECT_EQ(main.GetShownPanel(), &main.GetPanel(chartTypeTextPanel));
    EXPECT_EQ(ItemText(main, IDC_WIZ_PANEL_BODY), CMainPage::kDefaultPanelBody);
    EXPECT_EQ(ItemText(main, IDC_WIZ_PANEL_HEADING_TEXT), CMainPage::kDefaultPanelTitle);
    const bool bShown = IsChecked(main, IDC_WIZ_PANEL_HEADING);
    EXPECT_EQ(Enabled(main, IDC_WIZ_PANEL_HEADING_TEXT), bShown);

    main.SetDlgItemText(IDC_WIZ_PANEL_BODY, "Notes");
    main.SetDlgItemText(IDC_WIZ_PANEL_HEADING_TEXT, "About");
    main.SendDlgItemMessage(IDC_WIZ_PANEL_HEADING_PLACE, CB_SETCURSEL, SRGTextPanel::headingLeft);
    Check(main, IDC_WIZ_PANEL_HEADING, true);
    EXPECT_TRUE(Enabled(main, IDC_WIZ_PANEL_HEADING_TEXT));
    SRGTextPanel* pWorking = static_cast<SRGTextPanel*>(pSheet->GetWorkingChart()->GetComponent(0, -1));
    const int nMode = pSheet->GetWorkingChart()->GetMode();
    EXPECT_EQ(pWorking->GetBodyText(nMode), CString("Notes"));
    EXPECT_EQ(pWorking->GetHeadingText(nMode), CString("About"));
    EXPECT_TRUE(pWorking->GetHeadingShown());
    EXPECT_EQ(pWorking->GetHeadingPosition(), SRGTextPanel::headingLeft);
}

TEST_F(WizardTest, TheFillPageMapsItsEntriesToFillKindsAndStoresWhatEachNeeds)
{
    struct Case {
        int nKind;
        int nEntry;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{2, 5}, Case{3, 4}, Case{4, 2}, Case{5, 3}, Case{6, 6}}) {
        EXPECT_EQ(CFillStyle::EntryOfKind(c.nKind), c.nEntry) << c.nKind;
        EXPECT_EQ(CFillStyle::KindOfEntry(c.nEntry), c.nKind) << c.nKind;
    }
    EXPECT_EQ(CFillStyle::EntryOfKind(9), CFillStyle::fillSolid);

    MakeFullChart(chart);
    Open();
    pSheet->SetActivePage(&pSheet->m_fillPage);
    CFillStyle& fill = pSheet->m_fillPage;
    DEDizedStyle* pStyle = pSheet->GetWorkingChart()->GetComponent(0, -1)->GetStyle();
    EXPECT_EQ(int(fill.SendDlgItemMessage(IDC_WIZ_FILL_KIND, CB_GETCURSEL)), CFillStyle::fillSolid);
    EXPECT_FALSE(Enabled(fill, IDC_WIZ_FILL_FILE));

    // an angled gradient: both colours and the angle
    fill.m_swatchColour2.SetColour(RGB(9, 8, 7));
    fill.SetDlgItemText(IDC_WIZ_FILL_VALUE, "45");
    fill.SendDlgItemMessage(IDC_WIZ_FILL_KIND, CB_SETCURSEL, CFillStyle::fillAngled);
    Notify(fill, IDC_WIZ_FILL_KIND, CBN_SELCHANGE);
    EXPECT_TRUE(Enabled(fill, IDC_WIZ_FILL_VALUE));
    EXPECT_EQ((pStyle->m_nStyle >> 8) & 0xF, 4);
    EXPECT_EQ(pStyle->m_crFill2, RGB(9, 8, 7));
    EXPECT_DOUBLE_EQ(pStyle->m_dGradientAngle, 45.0);

    // an image file waits for its name
    fill.SendDlgItemMessage(IDC_WIZ_FILL_KIND, CB_SETCURSEL, CFillStyle::fillImage);
    Notify(fill, IDC_WIZ_FILL_KIND, CBN_SELCHANGE);
    EXPECT_EQ((pStyle->m_nStyle >> 8) & 0xF, 4);
    EXPECT_TRUE(Enabled(fill, IDC_WIZ_FILL_BROWSE));
    fake.ExpectFileDialog(IDOK, "Z:\\tmp\\picture.bmp");
    Notify(fill, IDC_WIZ_FILL_BROWSE, BN_CLICKED);
    EXPECT_EQ(ItemText(fill, IDC_WIZ_FILL_FILE), "/tmp/picture.bmp");
    EXPECT_EQ((pStyle->m_nStyle >> 8) & 0xF, 6);
    EXPECT_EQ(pStyle->m_strImageFile, CString("/tmp/picture.bmp"));
    // placement entry 0 stretches
    EXPECT_EQ(pStyle->m_nStyle & DEDizedComponent::styleImageStretched, 0);
    fill.SendDlgItemMessage(IDC_WIZ_FILL_PLACEMENT, CB_SETCURSEL, 0);
    Notify(fill, IDC_WIZ_FILL_PLACEMENT, CBN_SELCHANGE);
    EXPECT_NE(pStyle->m_nStyle & DEDizedComponent::styleImageStretched, 0);
}

TEST_F(WizardTest, TheFontPageStoresTheFontOfATextAndIsOffForABackground)
{
    MakeFullChart(chart);
    static_cast<DEDizedTitle*>(chart.GetComponent(2, -1))->SetFont(14, DEDizedTitle::fontBold, "Times New Roman");
    Open();
    CFontStyle& font = pSheet->m_fontPage;
    pSheet->SetActivePage(&font);
    EXPECT_FALSE(Enabled(font, IDC_WIZ_FONT_FACE)); // the background has no text

    pSheet->SetCurrentIndex(2);
    EXPECT_TRUE(Enabled(font, IDC_WIZ_FONT_FACE));
    EXPECT_EQ(ItemText(font, IDC_WIZ_FONT_FACE), "Times New Roman");
    EXPECT_EQ(ItemText(font, IDC_WIZ_FONT_SIZE), "14");
    EXPECT_TRUE(IsChecked(font, IDC_WIZ_FONT_BOLD));
    Check(font, IDC_WIZ_FONT_UNDERLINE, true);
    DEDizedTitle* pTitle = static_cast<DEDizedTitle*>(pSheet->GetWorkingChart()->GetComponent(2, -1));
    EXPECT_EQ(pTitle->GetFontFlags(), DEDizedTitle::fontBold | DEDizedTitle::fontUnderline);

    // the font dialog fills the page
    LOGFONTA lf = {};
    lf.lfWeight = FW_NORMAL;
    lf.lfItalic = TRUE;
    lstrcpyA(lf.lfFaceName, "Arial");
    fake.ExpectFontDialog(IDOK, lf, 120, RGB(0, 0, 255));
    Notify(font, IDC_WIZ_FONT_CHOOSE, BN_CLICKED);
    EXPECT_EQ(pTitle->GetFace(), CString("Arial"));
    EXPECT_EQ(pTitle->GetStoredFontSize(), 12);
    EXPECT_EQ(pTitle->GetFontFlags(), DEDizedTitle::fontItalic);
    EXPECT_EQ(pTitle->GetTextColour(), RGB(0, 0, 255));

    // automatic size shows as 10
    Check(font, IDC_WIZ_FONT_AUTO_SIZE, true);
    pSheet->SetCurrentIndex(0);
    pSheet->SetCurrentIndex(2);
    EXPECT_EQ(ItemText(font, IDC_WIZ_FONT_SIZE), "10");
}

TEST_F(WizardTest, TheAdvancedPagesListReordersTheWorkingChartAndKeepsItsEndMarkLast)
{
    MakeFullChart(chart);
    Open();
    pSheet->SetActivePage(&pSheet->m_advancedPage);
    CAdvancedPage& page = pSheet->m_advancedPage;
    DEDized& working = *pSheet->GetWorkingChart();
    const std::vector<std::string> start{"Background_A", "Display_B", "Title_C", "Legend_D", " "};
    ASSERT_EQ(ListEntries(page, IDC_WIZ_COMPONENT_LIST), start);

    // Shift and Down moves the selected entry one place, in the list, the chart and the combos
    page.m_componentList.SetCurSel(0);
    fake.SetKeyState(VK_SHIFT, SHORT(0x8000));
    page.m_componentList.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(ListEntries(page, IDC_WIZ_COMPONENT_LIST),
              (std::vector<std::string>{"Display_B", "Background_A", "Title_C", "Legend_D", " "}));
    EXPECT_EQ(ComponentClasses(working),
              (std::vector<std::string>{"DEDizedDisplay", "DEDizedBackground", "DEDizedTitle", "DEDizedLegend"}));
    EXPECT_EQ(ComboEntries(pSheet->m_mainPage, IDC_WIZ_COMPONENT),
              (std::vector<std::string>{"Display_B", "Background_A", "Title_C", "Legend_D"}));
    // the last component does not pass the end mark, nor does the end mark move
    page.m_componentList.SetCurSel(3);
    page.m_componentList.SendMessage(WM_KEYDOWN, VK_DOWN);
    page.m_componentList.SetCurSel(4);
    page.m_componentList.SendMessage(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(ListEntries(page, IDC_WIZ_COMPONENT_LIST).back(), " ");
    fake.SetKeyState(VK_SHIFT, 0);

    // the buttons: to the bottom lands above the end mark, to the top first
    page.m_componentList.SetCurSel(0);
    Notify(page, IDC_WIZ_MOVE_BOTTOM, BN_CLICKED);
    page.m_componentList.SetCurSel(2);
    Notify(page, IDC_WIZ_MOVE_TOP, BN_CLICKED);
    EXPECT_EQ(ListEntries(page, IDC_WIZ_COMPONENT_LIST),
              (std::vector<std::string>{"Legend_D", "Background_A", "Title_C", "Display_B", " "}));
    EXPECT_EQ(ComponentClasses(working),
              (std::vector<std::string>{"DEDizedLegend", "DEDizedBackground", "DEDizedTitle", "DEDizedDisplay"}));
    // a drag of the list tells the page, which moves the chart
    page.SendMessage(SRGDragListBox::kMoveMessage, 3, 0);
    EXPECT_EQ(ComponentClasses(working).front(), "DEDizedDisplay");
}

TEST_F(WizardTest, TheAdvancedPageAddsAndDeletesComponentsAfterAsking)
{
    MakeFullChart(chart);
    Open(TRUE, 400, 300);
    pSheet->SetActivePage(&pSheet->m_advancedPage);
    CAdvancedPage& page = pSheet->m_advancedPage;
    DEDized& working = *pSheet->GetWorkingChart();
    EXPECT_EQ(ComboEntries(page, IDC_WIZ_COMPONENT_KIND),
              (std::vector<std::string>{"Background", "Display", "Title", "Legend", "Text panel"}));

    page.m_kindCombo.SetCurSel(4);
    fake.ExpectMessageBox(IDNO, "Add a component of this kind?\nText panel");
    Notify(page, IDC_WIZ_ADD_COMPONENT, BN_CLICKED);
    EXPECT_EQ(working.GetComponentList()->GetCount(), 4);
    fake.ExpectMessageBox(IDYES, "Text panel");
    Notify(page, IDC_WIZ_ADD_COMPONENT, BN_CLICKED);
    ASSERT_EQ(ComponentClasses(working).back(), "SRGTextPanel");
    DEDizedComponent* pAdded = working.GetComponent(4, -1);
    EXPECT_EQ(pAdded->GetName(), CString("Text panel_E"));
    EXPECT_EQ(pAdded->GetRect()->GetMeasurement(), 0);
    EXPECT_EQ(CRect(int(pAdded->GetRect()->m_dLeft), int(pAdded->GetRect()->m_dTop), int(pAdded->GetRect()->m_dRight),
                    int(pAdded->GetRect()->m_dBottom)),
              CRect(10, 10, 200, 150));
    EXPECT_EQ(ListEntries(page, IDC_WIZ_COMPONENT_LIST)[4], "Text panel_E");
    EXPECT_EQ(ListEntries(page, IDC_WIZ_COMPONENT_LIST).back(), " ");

    page.m_componentList.SetCurSel(1);
    fake.ExpectMessageBox(IDYES, "Delete this component?\nDisplay_B");
    Notify(page, IDC_WIZ_DELETE_COMPONENT, BN_CLICKED);
    EXPECT_EQ(ComponentClasses(working),
              (std::vector<std::string>{"DEDizedBackground", "DEDizedTitle", "DEDizedLegend", "SRGTextPanel"}));
    EXPECT_EQ(ComboEntries(pSheet->m_fillPage, IDC_WIZ_COMPONENT),
              (std::vector<std::string>{"Background_A", "Title_C", "Legend_D", "Text panel_E"}));
    EXPECT_EQ(pSheet->GetCurrentIndex(), 0);
    // the end mark is no component
    page.m_componentList.SetCurSel(4);
    Notify(page, IDC_WIZ_DELETE_COMPONENT, BN_CLICKED);
    EXPECT_EQ(working.GetComponentList()->GetCount(), 4);
}

TEST_F(WizardTest, EditingTheComponentsNameRenamesItEverywhere)
{
    MakeFullChart(chart);
    Open();
    CMainPage& main = pSheet->m_mainPage;
    pSheet->SetCurrentIndex(1);
    // the user types into the combo's field
    CWnd* pEdit = main.GetComponentCombo().GetWindow(GW_CHILD);
    ASSERT_NE(pEdit, nullptr);
    pEdit->SetFocus();
    pEdit->SetWindowText("Sales");
    Notify(main, IDC_WIZ_COMPONENT, CBN_EDITCHANGE);
    EXPECT_EQ(ComboEntries(pSheet->m_fontPage, IDC_WIZ_COMPONENT)[1], "Sales");
    EXPECT_EQ(ListEntries(pSheet->m_advancedPage, IDC_WIZ_COMPONENT_LIST)[1], "Sales");
    EXPECT_EQ(pSheet->GetWorkingChart()->GetComponent(1, -1)->GetName(), CString("Sales"));
    // a text the combo changes itself renames nothing
    main.GetDlgItem(IDC_WIZ_LEFT)->SetFocus();
    pEdit->SetWindowText("Costs");
    Notify(main, IDC_WIZ_COMPONENT, CBN_EDITCHANGE);
    EXPECT_EQ(ComboEntries(pSheet->m_fontPage, IDC_WIZ_COMPONENT)[1], "Sales");
}
