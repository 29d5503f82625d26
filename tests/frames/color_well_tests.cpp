// Colour wells (colours, geometry in and outside a dialog, painting, keys, the custom cell and the
// "&Other..." button) and well buttons (their content, the colour reports, the colour dialog, data
// exchange in a dialog as an options page has them).
#include "ButtonTestSupport.h"

#include "win/CDialog.h"
#include "win/DataExchange.h"

namespace {

const UINT kWellID = 700;
const COLORREF kCustom = RGB(0x00, 0xC0, 0x00); // not among the 20

class ColorWellTest : public ToolkitButtonTest {
protected:
    // A well in the recorder at (10, 10).
    void MakeWell(BOOL bShowOther = TRUE, DWORD dwStyle = WS_VISIBLE)
    {
        ASSERT_TRUE(well.Create(dwStyle, CRect(10, 10, 0, 0), &parent, kWellID, bShowOther));
    }
    CSize WellSize() const
    {
        CRect rect;
        well.GetWindowRect(rect);
        return rect.Size();
    }
    COLORREF Centre(const DibCanvas& canvas, int nCell) const
    {
        const CPoint pt = well.GetCellRect(nCell).CenterPoint();
        return canvas.At(pt.x, pt.y);
    }

    SECColorWell well;
};

TEST_F(ColorWellTest, CellsHoldTheStockPalettesTwentyColours)
{
    PALETTEENTRY entries[20] = {};
    ASSERT_EQ(::GetPaletteEntries(static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), 0, 20, entries), 20u);
    MakeWell();
    for (int i = 0; i < 20; i++) {
        const COLORREF clr = RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue);
        EXPECT_EQ(SECStandardColors[i], clr) << i; // the table written out is that palette
        well.SetColor(clr);
        EXPECT_EQ(well.GetSelectedCell(), i);
        EXPECT_EQ(well.GetColor(), clr);
    }
    EXPECT_FALSE(well.IsCustomCellShown());
}

TEST_F(ColorWellTest, GeometryFollowsTheBaseUnitsOutsideADialog)
{
    const LONG nBase = ::GetDialogBaseUnits();
    const CSize cell(LOWORD(nBase) * 10 / 4, HIWORD(nBase) * 10 / 8);
    const struct {
        BOOL bShowOther;
        DWORD dwStyle;
        int nMargin;
    } cases[] = {{TRUE, 0, 2}, {FALSE, 0, 2}, {TRUE, SEC_CWS_3DBORDER, 4}};
    for (const auto& c : cases) {
        SECColorWell one;
        ASSERT_TRUE(one.Create(c.dwStyle, CRect(0, 0, 0, 0), &parent, kWellID, c.bShowOther));
        EXPECT_EQ(one.GetCellSize(), cell);
        CRect rect;
        one.GetWindowRect(rect);
        const int cy = 2 * c.nMargin + 5 * (cell.cy + 2) - 2 + (c.bShowOther ? cell.cy + 8 : 0);
        EXPECT_EQ(rect.Size(), CSize(2 * c.nMargin + 4 * (cell.cx + 2) - 2, cy)) << c.bShowOther << c.dwStyle;
        // cell 6: column 2, row 1
        const CPoint at(c.nMargin + 2 * (cell.cx + 2), c.nMargin + (cell.cy + 2));
        EXPECT_EQ(one.GetCellRect(6), CRect(at, cell));
        EXPECT_EQ(one.GetOtherButton() != nullptr, c.bShowOther != FALSE);
    }
    // a position in dialog units: the base units' too
    SECColorWell placed;
    ASSERT_TRUE(placed.Create(0, CRect(8, 16, 0, 0), &parent, kWellID, TRUE, TRUE));
    CRect rect;
    placed.GetWindowRect(rect);
    parent.ScreenToClient(rect);
    EXPECT_EQ(rect.TopLeft(), CPoint(8 * LOWORD(nBase) / 4, 16 * HIWORD(nBase) / 8));
}

TEST_F(ColorWellTest, PaintingShowsSunkenCellsTheSelectionAndTheEtchedLine)
{
    MakeWell();
    well.SetColor(SECStandardColors[5]);
    const CSize size = WellSize();
    DibCanvas canvas(size.cx, size.cy);
    well.DoPaint(&canvas.dc);

    EXPECT_EQ(canvas.At(0, 0), Face());
    for (int i : {0, 7, 19})
        EXPECT_EQ(Centre(canvas, i), SECStandardColors[i]) << i;
    const CRect cell = well.GetCellRect(1);
    EXPECT_EQ(canvas.At(cell.left, cell.top), Shadow());
    EXPECT_EQ(canvas.At(cell.right - 1, cell.bottom - 1), Hilite());
    EXPECT_EQ(canvas.At(cell.left + 1, cell.top + 1), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(cell.right - 2, cell.bottom - 2), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.At(cell.left + 2, cell.top + 2), SECStandardColors[1]);

    const CRect selected = well.GetCellRect(5);
    EXPECT_EQ(canvas.At(selected.left - 1, selected.top - 1), kBlack);
    EXPECT_EQ(canvas.At(selected.left, selected.top), kWhite);
    EXPECT_EQ(canvas.At(selected.left + 1, selected.top + 1), kBlack);
    EXPECT_EQ(canvas.At(selected.left + 2, selected.top + 2), SECStandardColors[5]);

    // the etched line under the grid; no custom cell yet
    const int yLine = well.GetCellRect(well.CustomCell()).top - 5;
    EXPECT_EQ(canvas.At(10, yLine), Shadow());
    EXPECT_EQ(canvas.At(10, yLine + 1), kWhite);
    const CRect custom = well.GetCellRect(well.CustomCell());
    EXPECT_EQ(canvas.At(custom.left, custom.top), Face());

    // with the palette realised the cells show the same colours
    well.SetRealizePalette(TRUE);
    DibCanvas realised(size.cx, size.cy);
    well.DoPaint(&realised.dc);
    EXPECT_EQ(Centre(realised, 13), SECStandardColors[13]);
}

TEST_F(ColorWellTest, AColourOutsideTheCellsShowsInTheCustomCellOnce)
{
    MakeWell();
    CRect rcBefore;
    well.GetOtherButton()->GetWindowRect(rcBefore);
    const CSize cell = well.GetCellSize();
    EXPECT_EQ(rcBefore.Width(), WellSize().cx - 2 * 2);

    well.SetColor(kCustom);
    EXPECT_TRUE(well.IsCustomCellShown());
    EXPECT_EQ(well.GetSelectedCell(), well.CustomCell());
    EXPECT_EQ(well.GetColor(), kCustom);
    CRect rcAfter;
    well.GetOtherButton()->GetWindowRect(rcAfter);
    EXPECT_EQ(rcAfter.Width(), rcBefore.Width() - (cell.cx + 2));
    // the custom cell: under the last column, 5 pixels lower than a sixth row
    EXPECT_EQ(well.GetCellRect(well.CustomCell()).TopLeft(), CPoint(2 + 3 * (cell.cx + 2), 2 + 5 * (cell.cy + 2) + 5));

    well.SetColor(RGB(1, 2, 3)); // the button is not shortened again
    CRect rcAgain;
    well.GetOtherButton()->GetWindowRect(rcAgain);
    EXPECT_EQ(rcAgain.Width(), rcAfter.Width());

    const CSize size = WellSize();
    DibCanvas canvas(size.cx, size.cy);
    well.DoPaint(&canvas.dc);
    EXPECT_EQ(Centre(canvas, well.CustomCell()), RGB(1, 2, 3));

    // without the "&Other..." button nothing shows and nothing is selected
    SECColorWell plain;
    ASSERT_TRUE(plain.Create(0, CRect(0, 0, 0, 0), &parent, kWellID + 1, FALSE));
    plain.SetColor(kCustom);
    EXPECT_FALSE(plain.IsCustomCellShown());
    EXPECT_EQ(plain.GetSelectedCell(), -1);
    EXPECT_EQ(plain.GetColor(), kCustom);
}

TEST_F(ColorWellTest, ArrowKeysMoveSelectAndNotify)
{
    const int kLast = 19;
    const int kCustomCell = 20;
    const struct {
        BOOL bCustom; // the custom cell shows
        int nFrom;
        UINT nKey;
        int nTo;
    } cases[] = {
        {FALSE, kLast, VK_RIGHT, 0},
        {TRUE, kLast, VK_RIGHT, kCustomCell},
        {TRUE, kCustomCell, VK_RIGHT, 0},
        {FALSE, 0, VK_LEFT, kLast},
        {TRUE, 0, VK_LEFT, kCustomCell},
        {TRUE, kCustomCell, VK_LEFT, kLast},
        {FALSE, 3, VK_RIGHT, 4},   // to the next row
        {FALSE, 4, VK_LEFT, 3},    // to the previous row
        {FALSE, 1, VK_DOWN, 5},
        {FALSE, 17, VK_DOWN, 1},   // around
        {FALSE, kLast, VK_DOWN, 3},
        {TRUE, kLast, VK_DOWN, kCustomCell},
        {TRUE, 18, VK_DOWN, 2},
        {TRUE, kCustomCell, VK_DOWN, 3},
        {FALSE, 6, VK_UP, 2},
        {FALSE, 2, VK_UP, 18},     // around
        {TRUE, kCustomCell, VK_UP, kLast},
    };
    for (const auto& c : cases) {
        SECColorWell one;
        ASSERT_TRUE(one.Create(0, CRect(0, 0, 0, 0), &parent, kWellID, TRUE));
        if (c.bCustom)
            one.SetColor(kCustom);
        one.SetColor(c.nFrom == kCustomCell ? kCustom : SECStandardColors[c.nFrom]);
        ASSERT_EQ(one.GetSelectedCell(), c.nFrom);
        parent.reports.clear();
        one.SendMessage(WM_KEYDOWN, c.nKey, 0);
        EXPECT_EQ(one.GetSelectedCell(), c.nTo) << c.nFrom << " key " << c.nKey << " custom " << c.bCustom;
        ASSERT_EQ(parent.reports.size(), 1u);
        EXPECT_EQ(parent.reports[0].wParam, WPARAM(kWellID));
        EXPECT_EQ(parent.reports[0].clr, c.nTo == kCustomCell ? kCustom : SECStandardColors[c.nTo]);
    }
}

TEST_F(ColorWellTest, DialogCodesAskForTabOnlyWithTheOtherButton)
{
    MakeWell(TRUE);
    EXPECT_EQ(well.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB));
    SECColorWell plain;
    ASSERT_TRUE(plain.Create(0, CRect(0, 0, 0, 0), &parent, kWellID + 1, FALSE));
    EXPECT_EQ(plain.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_WANTARROWS | DLGC_WANTCHARS));
}

TEST_F(ColorWellTest, AMouseClickSelectsAndNotifiesAndTrackingFollowsTheMouse)
{
    MakeWell();
    const CPoint pt = well.GetCellRect(9).CenterPoint();
    well.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(well.GetSelectedCell(), 9);
    ASSERT_EQ(parent.reports.size(), 1u);
    EXPECT_EQ(parent.reports[0].clr, SECStandardColors[9]);

    const CPoint over = well.GetCellRect(10).CenterPoint();
    well.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
    EXPECT_EQ(well.GetSelectedCell(), 9); // no tracking
    well.SetTrackMouse(TRUE);
    well.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
    EXPECT_EQ(well.GetSelectedCell(), 10);
    EXPECT_EQ(parent.reports.size(), 2u);
}

TEST_F(ColorWellTest, OtherRunsTheColourDialogAtTheCurrentColour)
{
    MakeWell();
    well.SetColor(SECStandardColors[4]);
    fake.ExpectColorDialog(IDCANCEL);
    well.SendMessage(WM_COMMAND, MAKEWPARAM(ID_SEC_OTHERCOLOR, BN_CLICKED), LPARAM(well.GetOtherButton()->m_hWnd));
    EXPECT_EQ(well.GetColor(), SECStandardColors[4]);
    EXPECT_TRUE(parent.reports.empty());

    fake.ExpectColorDialog(IDOK, kCustom);
    well.SendMessage(WM_COMMAND, MAKEWPARAM(ID_SEC_OTHERCOLOR, BN_CLICKED), LPARAM(well.GetOtherButton()->m_hWnd));
    const auto dialogs = fake.CallsOf("ChooseColor");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].dwFlags, DWORD(CC_RGBINIT | CC_FULLOPEN));
    EXPECT_EQ(dialogs[1].color, SECStandardColors[4]);
    EXPECT_EQ(well.GetColor(), kCustom);
    EXPECT_TRUE(well.IsCustomCellShown());
    ASSERT_EQ(parent.reports.size(), 1u);
    EXPECT_EQ(parent.reports[0].wParam, WPARAM(kWellID));
    EXPECT_EQ(parent.reports[0].clr, kCustom);
}

// ---- well buttons --------------------------------------------------------------------------------------

const CSize kWellButton(60, 24);

class WellButtonTest : public ToolkitButtonTest {
protected:
    void SetUp() override
    {
        ToolkitButtonTest::SetUp();
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(CPoint(5, 5), kWellButton), &parent, 1023));
    }

    SECWellButton button;
};

TEST_F(WellButtonTest, ContentIsArrowSeparatorAndColourBox)
{
    const COLORREF kRed = RGB(255, 0, 0);
    button.SetColor(kRed);
    // the content rectangle of a button that is not pressed: the item less a pixel at right and bottom
    const int r = kWellButton.cx - 1;
    const int b = kWellButton.cy - 1;
    const int yArrow = (b - 3) / 2;
    const struct {
        const char* state;
        UINT nState;
        BOOL bRealize;
    } cases[] = {{"enabled", 0, FALSE}, {"through the palette", 0, TRUE}, {"disabled", ODS_DISABLED, FALSE}};
    for (const auto& c : cases) {
        button.SetRealizePalette(c.bRealize);
        DibCanvas canvas(kWellButton.cx, kWellButton.cy);
        DrawItemInto(button, canvas, c.nState);
        const BOOL bDisabled = (c.nState & ODS_DISABLED) != 0;
        // the arrow (embossed when disabled: its top-left keeps the shadow colour)
        const COLORREF clrArrow = bDisabled ? Shadow() : kBlack;
        EXPECT_EQ(canvas.At(r - 7, yArrow), clrArrow) << c.state;
        EXPECT_EQ(canvas.At(r - 3, yArrow), clrArrow) << c.state;
        EXPECT_EQ(canvas.At(r - 8, yArrow), Face()) << c.state;
        EXPECT_EQ(canvas.At(r - 6, yArrow + 1), clrArrow) << c.state;
        EXPECT_EQ(canvas.At(r - 5, yArrow + 2), clrArrow) << c.state;
        EXPECT_EQ(canvas.At(r - 6, yArrow - 1), Face()) << c.state;
        // the separator
        EXPECT_EQ(canvas.At(r - 10, 2), Shadow()) << c.state;
        EXPECT_EQ(canvas.At(r - 10, b - 3), Shadow()) << c.state;
        if (!bDisabled) {
            EXPECT_EQ(canvas.At(r - 9, 2), Hilite()) << c.state;
        }
        EXPECT_EQ(canvas.At(r - 10, b - 2), Face()) << c.state;
        // the box
        if (bDisabled) {
            EXPECT_EQ(canvas.At(3, 2), Face()) << c.state;
            EXPECT_EQ(canvas.At(10, 10), Face()) << c.state;
        } else {
            EXPECT_EQ(canvas.At(3, 2), kBlack) << c.state;
            EXPECT_EQ(canvas.At(r - 14, b - 3), kBlack) << c.state;
            EXPECT_EQ(canvas.At(4, 3), kRed) << c.state;
            EXPECT_EQ(canvas.At(r - 15, b - 4), kRed) << c.state;
            EXPECT_EQ(canvas.At(r - 13, 10), Face()) << c.state;
            EXPECT_EQ(canvas.At(2, 10), Face()) << c.state;
        }
    }
}

TEST_F(WellButtonTest, AChosenColourIsStoredAndReportedToTheParent)
{
    EXPECT_EQ(button.GetColor(), kBlack);
    button.SendMessage(SEC_WM_COLORSELECTED, 0, LPARAM(kCustom));
    EXPECT_EQ(button.GetColor(), kCustom);
    ASSERT_EQ(parent.reports.size(), 1u);
    EXPECT_EQ(parent.reports[0].wParam, WPARAM(1023));
    EXPECT_EQ(parent.reports[0].clr, kCustom);
}

TEST_F(WellButtonTest, TheColourDialogTakesTheColourOnlyOnOK)
{
    // without custom colours of its own the button still gives the dialog sixteen (the fake fails a
    // dialog given none)
    button.SetColor(RGB(0, 0, 255));
    fake.ExpectColorDialog(IDCANCEL);
    button.SendMessage(SEC_WM_OTHERCOLOR);
    EXPECT_EQ(button.GetColor(), RGB(0, 0, 255));
    EXPECT_TRUE(parent.reports.empty());

    COLORREF custom[16] = {};
    button.SetCustomColors(custom);
    button.SetColorDialogFlags(CC_RGBINIT);
    fake.ExpectColorDialog(IDOK, RGB(10, 20, 30));
    button.SendMessage(SEC_WM_OTHERCOLOR);
    const auto dialogs = fake.CallsOf("ChooseColor");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].dwFlags, DWORD(CC_RGBINIT | CC_FULLOPEN));
    EXPECT_EQ(dialogs[0].color, RGB(0, 0, 255));
    EXPECT_EQ(dialogs[1].dwFlags, DWORD(CC_RGBINIT));
    EXPECT_EQ(button.GetColor(), RGB(10, 20, 30));
    ASSERT_EQ(parent.reports.size(), 1u);
    EXPECT_EQ(parent.reports[0].clr, RGB(10, 20, 30));
}

// A dialog with the five colour buttons of an options page, attached in OnInitDialog, and a colour
// well; the colours are exchanged with DDX_WellColor.
class CWellsDialog : public CDialog {
public:
    static constexpr int kIDs[5] = {IDC_BACKGROUND, IDC_AXIS, IDC_LINE, IDC_POINTS, IDC_BARS};

    CWellsDialog() : CDialog(IDD_TEST_WELLS) {}
    BOOL OnInitDialog() override
    {
        for (int i = 0; i < 5; i++)
            buttons[i].SubclassDlgItem(UINT(kIDs[i]), this);
        well.Create(WS_VISIBLE, CRect(5, 5, 0, 0), this, kWellID);
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        for (int i = 0; i < 5; i++)
            DDX_WellColor(pDX, kIDs[i], colors[i]);
        DDX_WellColor(pDX, kWellID, wellColor);
    }

    SECWellButton buttons[5];
    SECColorWell well;
    COLORREF colors[5] = {RGB(255, 255, 255), RGB(0, 0, 0), 0xFF0000, 0x0000FF, 0x00C000};
    COLORREF wellColor = SECStandardColors[2];
};

TEST_F(ToolkitButtonTest, WellButtonsOfADialogExchangeTheirColours)
{
    CWellsDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_WELLS, &parent));
    const COLORREF given[5] = {RGB(255, 255, 255), RGB(0, 0, 0), 0xFF0000, 0x0000FF, 0x00C000};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(dialog.buttons[i].GetStyle() & 0x0F, DWORD(BS_OWNERDRAW)) << i;
        EXPECT_EQ(dialog.buttons[i].GetColor(), given[i]) << i; // filled by the exchange
        dialog.buttons[i].SetColor(given[4 - i]);
        EXPECT_EQ(dialog.buttons[i].GetColor(), given[4 - i]) << i;
    }
    EXPECT_EQ(dialog.well.GetSelectedCell(), 2);
    dialog.well.SetColor(kCustom);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(dialog.colors[i], given[4 - i]) << i;
    EXPECT_EQ(dialog.wellColor, kCustom);

    // a well in a dialog measures its cells in the dialog's units, and its position too when asked
    CRect cell(0, 0, 10, 10);
    dialog.MapDialogRect(cell);
    EXPECT_EQ(dialog.well.GetCellSize(), cell.Size());
    SECColorWell placed;
    ASSERT_TRUE(placed.Create(WS_VISIBLE, CRect(30, 20, 0, 0), &dialog, kWellID + 1, TRUE, TRUE));
    CRect at(30, 20, 30, 20);
    dialog.MapDialogRect(at);
    CRect rectPlaced;
    placed.GetWindowRect(rectPlaced);
    dialog.ScreenToClient(rectPlaced);
    EXPECT_EQ(rectPlaced.TopLeft(), at.TopLeft());
    placed.DestroyWindow();

    // another control is refused
    CDataExchange dx(&dialog, TRUE);
    COLORREF clr = 0;
    ExpectInvalidArg([&] { DDX_WellColor(&dx, IDC_PLAIN, clr); }, "control 1032");
    dialog.DestroyWindow();
}

} // namespace
