// The component sheet and its pages: which pages a kind gets, how the edit dialog moves a component's
// and a data style's values through them, the pages' checks and commands, the colour swatch, and the
// annotation dialog's range.
#include "wine_gtest.h"

#include <cstring>
#include <string>
#include <vector>

#include "ArchiveTestSupport.h"
#include "DialogTestSupport.h"

#include "chart/engine/components/DEDizedBackground.h"
#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/display/DEDizedDisplay.h"
#include "chart/views/dialogs/ChartSmallDialogs.h"
#include "chart/views/dialogs/DEDizedComponentProperties.h"

namespace {

using ComponentSheet = ChartDialogTest;

// The selected entry of combo box nIDC of a page.
int Selection(CWnd& page, int nIDC)
{
    return int(page.SendDlgItemMessage(nIDC, CB_GETCURSEL));
}

// Runs the sheet under the fake with the script, then stores its pages into pComponent when it ended
// with OK.
void RunSheet(CFakeServices& fake, DEDizedComponentProperties& sheet, DEDizedComponent* pComponent,
              const std::function<void(CPropertySheet&)>& script)
{
    fake.ExpectModalSheet([&](CPropertySheet& shown) {
        script(shown);
        if (!shown.IsModalEnded())
            ClickButton(shown, IDOK);
    });
    if (sheet.DoModal() == IDOK)
        DEDizedEditDialog::StoreComponentPages(sheet, pComponent);
}

// The sheet of a component, loaded from it, as the edit dialog makes it.
struct ComponentSheetOf : DEDizedComponentProperties {
    explicit ComponentSheetOf(DEDizedComponent* pComponent)
        : DEDizedComponentProperties(nullptr, DEDizedEditDialog::HasFontPage(pComponent), pComponent->GetTypeId())
    {
        DEDizedEditDialog::LoadComponentPages(*this, pComponent);
    }
};

// A label block that tells when it is destroyed.
class WatchedBlock : public DEDizedLabelBlock {
public:
    explicit WatchedBlock(bool* pDestroyed) : m_pDestroyed(pDestroyed) {}
    ~WatchedBlock() override { *m_pDestroyed = true; }

private:
    bool* m_pDestroyed;
};

} // namespace

TEST_F(ComponentSheet, ThePagesFollowTheKindAndTheFontFlag)
{
    using P = DEDizedComponentProperties;
    auto pagesOf = [](P& sheet) {
        std::vector<CPropertyPage*> pages;
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            pages.push_back(sheet.GetPage(i));
        return pages;
    };
    struct Case {
        int nKind;
        CPropertyPage* (*page)(P&);  // the kind's own page (null: none)
    };
    const Case cases[] = {
        {chartTypeBackground, nullptr},
        {chartTypeTextPanel, nullptr},
        {chartTypeTitle, nullptr},
        {chartTypeDisplay, [](P& s) -> CPropertyPage* { return &s.m_displayStyle; }},
        {chartTypeLegend, [](P& s) -> CPropertyPage* { return &s.m_legendEdit; }},
        {chartTypeLabel, [](P& s) -> CPropertyPage* { return &s.m_labelStyle; }},
        {chartTypeLabelBlock, [](P& s) -> CPropertyPage* { return &s.m_labelBlockStyle; }},
    };
    for (const Case& c : cases)
        for (int bFont = 0; bFont <= 1; ++bFont) {
            SCOPED_TRACE(testing::Message() << c.nKind << " font " << bFont);
            P sheet(nullptr, bFont, c.nKind);
            std::vector<CPropertyPage*> expected = {&sheet.m_typeAndPos, &sheet.m_fillStyle, &sheet.m_borderStyle,
                                                    &sheet.m_shadowStyle};
            if (c.page != nullptr)
                expected.push_back(c.page(sheet));
            if (bFont)
                expected.push_back(&sheet.m_fontStyle);
            EXPECT_EQ(pagesOf(sheet), expected);
        }
    for (int nKind : {int(P::kindGroupStyle), int(P::kindItemStyle)}) {
        P sheet(nullptr, 0, nKind);
        EXPECT_EQ(pagesOf(sheet), (std::vector<CPropertyPage*>{&sheet.m_objStyle, &sheet.m_interiorEdit}));
    }

    // the font page: text components, but not a label that takes its block's font
    DEDizedLabelBlock block;
    DEDizedLabel* pBorrowing = block.AddLabel("borrows");
    DEDizedLabel* pOwning = block.AddExistingLabel(new DEDizedLabel, 1);
    DEDizedLabel label;
    DEDizedTitle title;
    DEDizedLegend legend;
    DEDizedDisplay display;
    DEDizedBackground background;
    EXPECT_EQ(DEDizedEditDialog::HasFontPage(pBorrowing), 0);
    for (DEDizedComponent* pComponent : std::vector<DEDizedComponent*>{pOwning, &label, &block, &title, &legend, &display})
        EXPECT_EQ(DEDizedEditDialog::HasFontPage(pComponent), 1) << pComponent->GetRuntimeClass()->m_lpszClassName;
    EXPECT_EQ(DEDizedEditDialog::HasFontPage(&background), 0);
}

TEST_F(ComponentSheet, LoadingAndStoringWithoutAChangeKeepsTheStoredForm)
{
    DEDizedDisplay* pDisplay = new DEDizedDisplay;
    pDisplay->SetGraphType(GT_LINE);
    pDisplay->SetAxisType(AXIS_STANDARD);
    DEDizedLabelBlock* pBlock = new DEDizedLabelBlock;
    DEDizedLabel* pLabel = new DEDizedLabel;
    pLabel->SetAnchor(12.0, 34.0);
    for (DEDizedComponent* pComponent : std::vector<DEDizedComponent*>{
             new DEDizedBackground, new DEDizedTitle, pDisplay, new DEDizedLegend, pLabel, pBlock})
        chart.AddComponent(pComponent);
    pBlock->AddLabel("in the block");
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        for (int n = 0; n < 7; ++n) {
            DEDizedComponent* pComponent =
                reinterpret_cast<DEDizedComponent*>(dialog.GetTree().GetItemData(ComponentItem(dialog, n)));
            SCOPED_TRACE(pComponent->GetRuntimeClass()->m_lpszClassName);
            const Bytes before = StoreBytes([&](CArchive& ar) { pComponent->Serialize(ar); });
            fake.ExpectModalSheet([](CPropertySheet& sheet) {
                // every page shown once, so that each exchanges its values with its controls
                for (int i = 0; i < sheet.GetPageCount(); ++i)
                    EXPECT_TRUE(sheet.SetActivePage(i));
                ClickButton(sheet, IDOK);
            });
            ClickItem(dialog, ComponentItem(dialog, n));
            SendCommand(dialog, ID_CHART_COMPONENT_PROPERTIES);
            EXPECT_EQ(StoreBytes([&](CArchive& ar) { pComponent->Serialize(ar); }), before);
        }
    });
    EXPECT_EQ(fake.CallsOf("DoModalSheet").size(), 7u);
}

TEST_F(ComponentSheet, TheDisplayPagesChecksStandForTheDisplaysFlags)
{
    struct Case {
        int nControl;
        int nFlag;
        bool bSetWhenChecked;
    };
    const Case cases[] = {
        {IDC_CHART_DISPLAY_LOGARITHMIC, 1 << 27, true},     {IDC_CHART_DISPLAY_ZERO, 1 << 13, false},
        {IDC_CHART_DISPLAY_VERTICAL_GRID, 1 << 16, false},  {IDC_CHART_DISPLAY_HORIZONTAL_GRID, 1 << 15, false},
        {IDC_CHART_DISPLAY_DEPTH_GRID, 1 << 14, false},     {IDC_CHART_DISPLAY_X_SCALE, 1 << 23, false},
        {IDC_CHART_DISPLAY_Y_SCALE, 1 << 24, false},        {IDC_CHART_DISPLAY_GROUP_LABELS, 1 << 22, false},
        {IDC_CHART_DISPLAY_X_TICKS, 1 << 12, false},        {IDC_CHART_DISPLAY_DATA_FIRST, 1 << 8, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "control " << c.nControl);
        DEDizedDisplay display;
        ComponentSheetOf sheet(&display);
        RunSheet(fake, sheet, &display, [&](CPropertySheet& shown) {
            ASSERT_TRUE(shown.SetActivePage(&sheet.m_displayStyle));
            CPropertyPage& page = sheet.m_displayStyle;
            // a display without flags shows each thing as there
            EXPECT_EQ(page.IsDlgButtonChecked(c.nControl), UINT(c.bSetWhenChecked ? BST_UNCHECKED : BST_CHECKED));
            page.CheckDlgButton(c.nControl, c.bSetWhenChecked ? BST_CHECKED : BST_UNCHECKED);
        });
        EXPECT_EQ(display.GetFlags(), c.nFlag);
        EXPECT_EQ(display.IsStyleChanged(), 1) << "the graph and axis types are written";
    }
}

TEST_F(ComponentSheet, ANewGraphTypeRebuildsTheAxesAtTheNextDraw)
{
    DEDizedDisplay* pDisplay = new DEDizedDisplay;
    pDisplay->SetGraphType(GT_LINE);
    pDisplay->SetAxisType(AXIS_STANDARD);
    chart.AddComponent(pDisplay);
    chart.SetValue(0, 0, 1.0, 0);
    chart.SetValue(1, 0, 2.0, 0);
    bool bOldScaleGone = false;
    pDisplay->SetXScale(new WatchedBlock(&bOldScaleGone));
    ComponentSheetOf sheet(pDisplay);
    RunSheet(fake, sheet, pDisplay, [&](CPropertySheet& shown) {
        ASSERT_TRUE(shown.SetActivePage(&sheet.m_displayStyle));
        EXPECT_EQ(Selection(sheet.m_displayStyle, IDC_CHART_DISPLAY_GRAPH_TYPE), GT_LINE);
        EXPECT_EQ(Selection(sheet.m_displayStyle, IDC_CHART_DISPLAY_AXIS_TYPE), AXIS_STANDARD);
        sheet.m_displayStyle.SendDlgItemMessage(IDC_CHART_DISPLAY_GRAPH_TYPE, CB_SETCURSEL, GT_VBAR);
    });
    EXPECT_EQ(pDisplay->GetGraphType(), GT_VBAR);
    EXPECT_EQ(pDisplay->GetAxisType(), AXIS_STANDARD);
    EXPECT_EQ(pDisplay->IsStyleChanged(), 1);
    EXPECT_FALSE(bOldScaleGone);
    DibCanvas canvas(200, 150);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_TRUE(bOldScaleGone);
    EXPECT_EQ(pDisplay->IsStyleChanged(), 0);
}

TEST_F(ComponentSheet, LeavingTheDisplayPageKeepsItsChoices)
{
    DEDizedDisplay display;
    ComponentSheetOf sheet(&display);
    RunSheet(fake, sheet, &display, [&](CPropertySheet& shown) {
        CPropertyPage& page = sheet.m_displayStyle;
        ASSERT_TRUE(shown.SetActivePage(&page));
        page.SendDlgItemMessage(IDC_CHART_DISPLAY_GRAPH_TYPE, CB_SETCURSEL, GT_PIE);
        page.SendDlgItemMessage(IDC_CHART_DISPLAY_AXIS_TYPE, CB_SETCURSEL, AXIS_PIE);
        page.SendDlgItemMessage(IDC_CHART_DISPLAY_LABEL_KIND, CB_SETCURSEL, 0);
        ASSERT_TRUE(shown.SetActivePage(0));
        ASSERT_TRUE(shown.SetActivePage(&page));
        EXPECT_EQ(Selection(page, IDC_CHART_DISPLAY_GRAPH_TYPE), GT_PIE);
        EXPECT_EQ(Selection(page, IDC_CHART_DISPLAY_AXIS_TYPE), AXIS_PIE);
        EXPECT_EQ(Selection(page, IDC_CHART_DISPLAY_LABEL_KIND), 0);
    });
    EXPECT_EQ(sheet.m_displayStyle.m_nGraphBits, GT_PIE << 16);
    EXPECT_EQ(display.GetGraphType(), GT_PIE);
    EXPECT_EQ(display.GetAxisType(), AXIS_PIE);
    EXPECT_EQ(display.GetStyle()->m_nKind & 0xF0, 0);
}

TEST_F(ComponentSheet, OutOfRangeValuesKeepTheirPageOpenWithTheRangeMessage)
{
    struct Case {
        const char* pszValue;
        int nControl;
        bool bObjectPage;
        const char* pszLimit;
    };
    const Case cases[] = {
        {"360.5", IDC_CHART_TYPE_ANGLE_1, false, "360"}, {"-1", IDC_CHART_TYPE_ANGLE_3, false, "360"},
        {"0", IDC_CHART_OBJECT_WIDTH, true, "10"},        {"11", IDC_CHART_OBJECT_WIDTH, true, "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszValue);
        DEDizedBackground background;
        DEDizedComponentProperties sheet(nullptr, 0, c.bObjectPage ? int(DEDizedComponentProperties::kindItemStyle)
                                                                   : int(chartTypeBackground));
        sheet.m_objStyle.m_nWidth = 1;
        fake.ExpectModalSheet([&](CPropertySheet& shown) {
            CPropertyPage& page = c.bObjectPage ? static_cast<CPropertyPage&>(sheet.m_objStyle) : sheet.m_typeAndPos;
            page.SetDlgItemText(c.nControl, c.pszValue);
            fake.ExpectMessageBox(IDOK, c.pszLimit);
            ClickButton(shown, IDOK);
            EXPECT_FALSE(shown.IsModalEnded());
            EXPECT_EQ(shown.GetActivePage(), &page);
            page.SetDlgItemText(c.nControl, "5");
            ClickButton(shown, IDOK);
            EXPECT_TRUE(shown.IsModalEnded());
        });
        EXPECT_EQ(sheet.DoModal(), IDOK);
    }
}

TEST_F(ComponentSheet, TheFontDialogFillsTheFontPageInPoints)
{
    DEDizedTitle title;
    title.SetFont(-14, 0, "Arial");
    ComponentSheetOf sheet(&title);
    EXPECT_EQ(sheet.m_fontStyle.m_nSizeSign, SRGCFontStyle::sizePixels);
    EXPECT_EQ(sheet.m_fontStyle.m_nSize, 14);
    RunSheet(fake, sheet, &title, [&](CPropertySheet& shown) {
        CPropertyPage& page = sheet.m_fontStyle;
        ASSERT_TRUE(shown.SetActivePage(&page));
        EXPECT_EQ(Selection(page, IDC_CHART_FONT_SIZE_SIGN), 1);
        LOGFONTA lf = {};
        lf.lfWeight = FW_BOLD;
        lf.lfItalic = TRUE;
        strcpy(lf.lfFaceName, "Times New Roman");
        fake.ExpectFontDialog(IDOK, lf, 120, RGB(1, 2, 3));
        ClickButton(page, IDC_CHART_FONT_CHOOSE_FONT);
        EXPECT_EQ(Selection(page, IDC_CHART_FONT_SIZE_SIGN), 0);
        EXPECT_EQ(page.GetDlgItemInt(IDC_CHART_FONT_SIZE), 12u);
        EXPECT_EQ(page.IsDlgButtonChecked(IDC_CHART_FONT_BOLD), UINT(BST_CHECKED));
        EXPECT_EQ(page.IsDlgButtonChecked(IDC_CHART_FONT_ITALIC), UINT(BST_CHECKED));
        EXPECT_EQ(page.IsDlgButtonChecked(IDC_CHART_FONT_UNDERLINE), UINT(BST_UNCHECKED));
    });
    const CFakeServices::Call call = fake.CallsOf("ChooseFont").at(0);
    EXPECT_EQ(call.dwFlags & (CF_SCREENFONTS | CF_EFFECTS), DWORD(CF_SCREENFONTS | CF_EFFECTS));
    EXPECT_EQ(title.GetStoredFontSize(), 12);
    EXPECT_EQ(title.GetFontFlags(), DEDizedTitle::fontBold | DEDizedTitle::fontItalic);
    EXPECT_STREQ(title.GetFace(), "Times New Roman");
    EXPECT_EQ(title.GetTextColour(), RGB(1, 2, 3));
}

TEST_F(ComponentSheet, AColourCommandTakesTheColourDialogsChoiceIntoItsSwatch)
{
    using P = DEDizedComponentProperties;
    struct Case {
        int nKind;
        CPropertyPage* (*page)(P&);
        int nCommand;
        SRSwatchButton* (*swatch)(P&);
    };
    const Case cases[] = {
        {chartTypeBackground, [](P& s) -> CPropertyPage* { return &s.m_fillStyle; }, IDC_CHART_FILL_CHOOSE_1,
         [](P& s) { return &s.m_fillStyle.m_swatchColour1; }},
        {chartTypeBackground, [](P& s) -> CPropertyPage* { return &s.m_fillStyle; }, IDC_CHART_FILL_CHOOSE_2,
         [](P& s) { return &s.m_fillStyle.m_swatchColour2; }},
        {chartTypeTitle, [](P& s) -> CPropertyPage* { return &s.m_fontStyle; }, IDC_CHART_FONT_CHOOSE_COLOUR,
         [](P& s) { return &s.m_fontStyle.m_swatchText; }},
        {P::kindItemStyle, [](P& s) -> CPropertyPage* { return &s.m_objStyle; }, IDC_CHART_OBJECT_COLOUR,
         [](P& s) { return &s.m_objStyle.m_swatchColour; }},
        {P::kindItemStyle, [](P& s) -> CPropertyPage* { return &s.m_interiorEdit; }, IDC_CHART_INTERIOR_CHOOSE_1,
         [](P& s) { return &s.m_interiorEdit.m_swatchColour1; }},
        {P::kindItemStyle, [](P& s) -> CPropertyPage* { return &s.m_interiorEdit; }, IDC_CHART_INTERIOR_COLOUR_1,
         [](P& s) { return &s.m_interiorEdit.m_swatchColour1; }},
        {P::kindItemStyle, [](P& s) -> CPropertyPage* { return &s.m_interiorEdit; }, IDC_CHART_INTERIOR_CHOOSE_2,
         [](P& s) { return &s.m_interiorEdit.m_swatchColour2; }},
        {P::kindItemStyle, [](P& s) -> CPropertyPage* { return &s.m_interiorEdit; }, IDC_CHART_INTERIOR_COLOUR_2,
         [](P& s) { return &s.m_interiorEdit.m_swatchColour2; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.nCommand);
        P sheet(nullptr, c.nKind == chartTypeTitle, c.nKind);
        sheet.m_objStyle.m_nWidth = 1;
        SRSwatchButton* pSwatch = c.swatch(sheet);
        pSwatch->SetColour(RGB(10, 20, 30));
        fake.ExpectModalSheet([&](CPropertySheet& shown) {
            CPropertyPage* pPage = c.page(sheet);
            ASSERT_TRUE(shown.SetActivePage(pPage));
            fake.ExpectColorDialog(IDOK, RGB(200, 100, 50));
            ClickButton(*pPage, c.nCommand);
            EXPECT_EQ(pSwatch->GetColour(), RGB(200, 100, 50));
            fake.ExpectColorDialog(IDCANCEL);
            ClickButton(*pPage, c.nCommand);
            EXPECT_EQ(pSwatch->GetColour(), RGB(200, 100, 50));
            ClickButton(shown, IDOK);
        });
        EXPECT_EQ(sheet.DoModal(), IDOK);
        const std::vector<CFakeServices::Call> calls = fake.CallsOf("ChooseColor");
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ(calls[calls.size() - 2].color, RGB(10, 20, 30)) << "the dialog starts at the swatch's colour";
        EXPECT_EQ(calls[calls.size() - 2].dwFlags & ~DWORD(CC_RGBINIT | CC_ENABLEHOOK), 0u);
    }
}

TEST_F(ComponentSheet, ASwatchFillsItsRectangleWithItsColourInsideTheDCsPen)
{
    SRSwatchButton swatch;
    swatch.SetColour(RGB(10, 200, 30));
    DibCanvas canvas(20, 10);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.hDC = canvas.dc.m_hDC;
    item.rcItem = CRect(0, 0, 20, 10);
    swatch.DrawItem(&item);
    EXPECT_EQ(canvas.At(10, 5), RGB(10, 200, 30));
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0)) << "the outline in the DC's pen";
    EXPECT_EQ(canvas.At(19, 9), RGB(0, 0, 0));
}

TEST_F(ComponentSheet, DataStylesTranslateTheirKindCodesThroughTheTables)
{
    struct Case {
        int nMarker, nFill, nLine;       // codes in the style
        int nShownMarker, nShownFill, nShownLine;
        int nStoredMarker, nStoredFill, nStoredLine;
    };
    const Case cases[] = {
        {7, 7, 3, 0, 0, 0, 0, 0, 0},          {8, 8, 2, 0, 8, 2, 0, 8, 2},
        {9, 1, 4, 0, 1, 4, 0, 1, 4},          {10, 6, 1, 10, 6, 1, 10, 6, 1},
        {13, 9, 5, -1, -1, -1, 13, 9, 5},     // codes the lists do not show are kept
    };
    chart.SetValue(0, 0, 1.0, 0);
    DEDizedStyle* pStyle = chart.GetDataItem(0, 0)->GetStyle();
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "marker " << c.nMarker);
            pStyle->m_nLineKind = (c.nMarker << 8) | (c.nFill << 4) | c.nLine;
            fake.ExpectModalSheet([&](CPropertySheet& shown) {
                EXPECT_EQ(shown.GetPageCount(), 2);
                DEDizedComponentProperties& sheet = static_cast<DEDizedComponentProperties&>(shown);
                EXPECT_EQ(Selection(sheet.m_objStyle, IDC_CHART_OBJECT_MARKER), c.nShownMarker);
                EXPECT_EQ(Selection(sheet.m_objStyle, IDC_CHART_OBJECT_LINE), c.nShownLine);
                EXPECT_FALSE(sheet.m_objStyle.GetDlgItem(IDC_CHART_OBJECT_ALL_ITEMS)->IsWindowEnabled())
                    << "only a group's style goes to its items";
                ASSERT_TRUE(shown.SetActivePage(1));
                EXPECT_EQ(Selection(sheet.m_interiorEdit, IDC_CHART_INTERIOR_FILL), c.nShownFill);
                ClickButton(shown, IDOK);
            });
            DoubleClickItem(dialog, FindTreeItem(dialog, "Data item"));
            EXPECT_EQ((pStyle->m_nLineKind >> 8) & 0xFF, c.nStoredMarker);
            EXPECT_EQ((pStyle->m_nLineKind >> 4) & 0xF, c.nStoredFill);
            EXPECT_EQ(pStyle->m_nLineKind & 0xF, c.nStoredLine);
        }
    });
}

TEST_F(ComponentSheet, AGroupsStyleReachesItsItemsOnlyWhenAsked)
{
    chart.SetValue(0, 0, 1.0, 0);
    chart.SetValue(1, 0, 2.0, 0);
    DEDizedStyle* pGroupStyle = chart.GetGroup(0, 0)->GetStyle();
    auto styleBytes = [](DEDizedStyle* pStyle) { return StoreBytes([&](CArchive& ar) { pStyle->Serialize(ar); }); };
    const Bytes itemBefore = styleBytes(chart.GetDataItem(1, 0)->GetStyle());
    RunEditDialog([&](DEDizedEditDialog& dialog) {
        for (int bAllItems = 0; bAllItems <= 1; ++bAllItems) {
            fake.ExpectModalSheet([&](CPropertySheet& shown) {
                DEDizedComponentProperties& sheet = static_cast<DEDizedComponentProperties&>(shown);
                CPropertyPage& page = sheet.m_objStyle;
                EXPECT_TRUE(page.GetDlgItem(IDC_CHART_OBJECT_ALL_ITEMS)->IsWindowEnabled());
                // the sizes follow "own sizes"
                EXPECT_EQ(page.GetDlgItem(IDC_CHART_OBJECT_DEPTH)->IsWindowEnabled() != 0, pGroupStyle->HasOwnSizes());
                page.CheckDlgButton(IDC_CHART_OBJECT_OWN_SIZES, BST_CHECKED);
                ClickButton(page, IDC_CHART_OBJECT_OWN_SIZES);
                EXPECT_TRUE(page.GetDlgItem(IDC_CHART_OBJECT_SYMBOL_HEIGHT)->IsWindowEnabled());
                page.SetDlgItemText(IDC_CHART_OBJECT_WIDTH, "4");
                page.CheckDlgButton(IDC_CHART_OBJECT_ALL_ITEMS, bAllItems ? BST_CHECKED : BST_UNCHECKED);
                ClickButton(shown, IDOK);
            });
            DoubleClickItem(dialog, FindTreeItem(dialog, "Data group"));
            EXPECT_EQ(pGroupStyle->m_nExtra, 4);
            EXPECT_TRUE(pGroupStyle->HasOwnSizes());
            for (int nItem = 0; nItem < 2; ++nItem) {
                const Bytes item = styleBytes(chart.GetDataItem(nItem, 0)->GetStyle());
                if (bAllItems)
                    EXPECT_EQ(item, styleBytes(pGroupStyle));
                else
                    EXPECT_EQ(item, itemBefore);
            }
        }
    });
}

TEST_F(ComponentSheet, TheAnnotationDialogRefusesAnIndexOutsideOneTo99)
{
    DEDizedAnnotationEdit dialog;
    fake.ExpectModal([&](CDialog& shown) {
        for (const char* pszIndex : {"0", "100"}) {
            shown.SetDlgItemText(IDC_CHART_ANNOTATION_INDEX, pszIndex);
            fake.ExpectMessageBox(IDOK, "between 1 and 99");
            ClickButton(shown, IDOK);
            EXPECT_FALSE(shown.IsModalEnded());
        }
        shown.SetDlgItemText(IDC_CHART_ANNOTATION_INDEX, "99");
        ClickButton(shown, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nIndex, 99);
}
