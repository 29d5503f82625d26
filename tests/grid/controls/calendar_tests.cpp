// The month calendar and its pop-up: the six weeks of a month, moving the selection and the display,
// the months that may be shown, the keyboard, marked dates, and the pop-up's clicks, deactivation and
// placement.
#include "date_test_support.h"

namespace {

COleDateTime Noon(int nYear, int nMonth, int nDay)
{
    return COleDateTime(nYear, nMonth, nDay, 12, 0, 0);
}

// A child calendar in a shown owner, showing and selecting a date.
struct CalendarFixture {
    explicit CalendarFixture(const COleDateTime& date)
    {
        ReleaseDateKeys(fake);
        owner.CreateOwner();
        calendar.SetDisplayDate(date, FALSE);
        calendar.SelectDate(date, TRUE);
        EXPECT_TRUE(calendar.Create(WS_VISIBLE, CRect(0, 0, 280, 220), &owner, 1));
        PumpWaitingMessages();
        owner.m_messages.clear();
    }
    void Key(UINT nKey) { calendar.SendMessage(WM_KEYDOWN, nKey, 1); }
    COleDateTime Selected() const { return calendar.GetSelectedDate(); }

    CFakeServices fake;
    CNotedOwner owner;
    CGXBCalendar calendar;
};

// The centre of day box nIndex in screen-independent client coordinates.
CPoint BoxCentre(CGXBCalendar& calendar, int nIndex)
{
    return calendar.GetDayBox(nIndex).GetRect().CenterPoint();
}

// The box showing date, -1 when none.
int BoxOf(CGXBCalendar& calendar, const COleDateTime& date)
{
    for (int i = 0; i < 42; ++i)
        if (calendar.GetDayBox(i).GetDate() == date)
            return i;
    return -1;
}

}  // namespace

TEST(Calendar, ShowsSixWeeksFromTheSundayBeforeTheFirstAndTitlesTheMonth)
{
    CalendarFixture f(Noon(2004, 2, 10));
    // 1 February 2004 is a Sunday: the month starts in the first box
    EXPECT_EQ(f.calendar.GetDayBox(0).GetDate(), Noon(2004, 2, 1));
    EXPECT_FALSE(f.calendar.GetDayBox(0).IsOtherMonth());
    EXPECT_EQ(f.calendar.GetDayBox(41).GetDate(), Noon(2004, 3, 13));
    EXPECT_TRUE(f.calendar.GetDayBox(41).IsOtherMonth());
    EXPECT_EQ(std::string(f.calendar.GetTitle().GetText()), LocaleText(LOCALE_SMONTHNAME2) + " 2004");

    // 1 January 2004 is a Thursday: the first row begins with the last days of December
    ASSERT_TRUE(f.calendar.SetDisplayDate(Noon(2004, 1, 20)));
    EXPECT_EQ(f.calendar.GetDayBox(0).GetDate(), Noon(2003, 12, 28));
    EXPECT_TRUE(f.calendar.GetDayBox(0).IsOtherMonth());
    EXPECT_EQ(f.calendar.GetDayBox(4).GetDate(), Noon(2004, 1, 1));
    EXPECT_EQ(std::string(f.calendar.GetDayBox(4).GetText()), "1");
    EXPECT_EQ(std::string(f.calendar.GetTitle().GetText()), LocaleText(LOCALE_SMONTHNAME1) + " 2004");
}

TEST(Calendar, MonthsFromFebruary100ToNovember9999MayBeShown)
{
    CGXBCalendar calendar;
    const struct {
        int nYear, nMonth;
        BOOL bValid;
    } cases[] = {{100, 2, TRUE}, {9999, 11, TRUE}, {100, 1, FALSE}, {9999, 12, FALSE}, {2004, 6, TRUE}};
    for (const auto& c : cases)
        EXPECT_EQ(calendar.IsValidMonth(c.nYear, c.nMonth, 1), c.bValid) << c.nYear << "-" << c.nMonth;
}

TEST(Calendar, MonthAndYearMovesKeepTheDayInsideTheCalendarAndRefuseTheEdges)
{
    {
        CalendarFixture f(Noon(2004, 1, 31));
        EXPECT_TRUE(f.calendar.NextMonth(TRUE));
        EXPECT_EQ(f.Selected(), Noon(2004, 2, 1));
        EXPECT_EQ(f.calendar.GetDisplayDate().GetMonth(), 2);
    }
    {
        CalendarFixture f(Noon(2004, 2, 29));
        EXPECT_TRUE(f.calendar.NextYear(TRUE));
        EXPECT_EQ(f.Selected(), Noon(2005, 2, 28));
    }
    {
        CalendarFixture f(Noon(9999, 3, 1));
        f.fake.ExpectBeep();
        EXPECT_FALSE(f.calendar.NextYear(TRUE));
        EXPECT_EQ(f.Selected(), Noon(9999, 3, 1));
        EXPECT_EQ(f.fake.CallsOf("MessageBeep").back().nType, UINT(MB_ICONEXCLAMATION));
    }
    {
        // the last day that may be shown: the next day's month is refused
        CalendarFixture f(Noon(9999, 11, 30));
        f.fake.ExpectBeep();
        EXPECT_FALSE(f.calendar.NextDay(TRUE));
        EXPECT_EQ(f.Selected(), Noon(9999, 11, 30));
        EXPECT_EQ(f.calendar.GetDisplayDate().GetMonth(), 11);
    }
    {
        CalendarFixture f(Noon(100, 6, 1));
        f.fake.ExpectBeep();
        EXPECT_FALSE(f.calendar.PrevYear(FALSE));
        EXPECT_EQ(f.calendar.GetDisplayDate(), Noon(100, 6, 1));
    }
    {
        // the display alone moves with the title's buttons; the selection stays
        CalendarFixture f(Noon(2005, 6, 15));
        f.calendar.SendMessage(WM_COMMAND, CGXBCalTitle::gxNextMonth);
        EXPECT_EQ(f.calendar.GetDisplayDate().GetMonth(), 7);
        EXPECT_EQ(f.Selected(), Noon(2005, 6, 15));
    }
}

TEST(Calendar, KeysMoveTheSelection)
{
    const struct {
        UINT nKey;
        BOOL bCtrl;
        COleDateTime expected;
    } cases[] = {
        {VK_LEFT, FALSE, Noon(2005, 6, 14)},  {VK_LEFT, TRUE, Noon(2005, 5, 1)},   {VK_RIGHT, FALSE, Noon(2005, 6, 16)},
        {VK_RIGHT, TRUE, Noon(2005, 7, 1)},   {VK_UP, FALSE, Noon(2005, 6, 8)},    {VK_UP, TRUE, Noon(2004, 6, 15)},
        {VK_DOWN, FALSE, Noon(2005, 6, 22)},  {VK_DOWN, TRUE, Noon(2006, 6, 15)},  {VK_PRIOR, FALSE, Noon(2005, 5, 1)},
        {VK_PRIOR, TRUE, Noon(2004, 6, 15)},  {VK_NEXT, FALSE, Noon(2005, 7, 1)},  {VK_HOME, FALSE, Noon(2005, 6, 1)},
        {VK_END, FALSE, Noon(2005, 6, 30)},   {VK_NUMPAD4, FALSE, Noon(2005, 6, 14)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.nKey << (c.bCtrl ? " with Ctrl" : ""));
        CalendarFixture f(Noon(2005, 6, 15));
        f.fake.SetKeyState(VK_CONTROL, c.bCtrl ? SHORT(0x8000) : SHORT(0));
        f.Key(c.nKey);
        EXPECT_TRUE(f.calendar.HasSelection());
        EXPECT_EQ(f.Selected(), c.expected);
        PumpWaitingMessages();
        EXPECT_TRUE(f.owner.Got(CGXBCalendar::gxSelChanged));
    }
    // Space toggles the focus day
    CalendarFixture f(Noon(2005, 6, 15));
    f.Key(VK_SPACE);
    EXPECT_FALSE(f.calendar.HasSelection());
    EXPECT_FALSE(f.calendar.GetDayBox(BoxOf(f.calendar, Noon(2005, 6, 15))).IsSelected());
    f.Key(VK_SPACE);
    EXPECT_TRUE(f.calendar.HasSelection());
}

TEST(Calendar, MarkedDatesStaySortedWithoutDuplicates)
{
    CalendarFixture f(Noon(2005, 6, 15));
    for (int nDay : {10, 5, 10, 7})
        f.calendar.MarkDate(Noon(2005, 6, nDay), TRUE);
    f.calendar.MarkDate(Noon(2005, 9, 1), TRUE);  // not shown: listed all the same
    f.calendar.MarkDate(Noon(2005, 6, 7), FALSE);
    std::vector<double> marked;
    for (POSITION pos = f.calendar.GetMarkedDates().GetHeadPosition(); pos != nullptr;)
        marked.push_back(DATE(*static_cast<const COleDateTime*>(f.calendar.GetMarkedDates().GetNext(pos))));
    EXPECT_EQ(marked, (std::vector<double>{Noon(2005, 6, 5), Noon(2005, 6, 10), Noon(2005, 9, 1)}));
    EXPECT_TRUE(f.calendar.GetDayBox(BoxOf(f.calendar, Noon(2005, 6, 10))).IsMarked());
    EXPECT_FALSE(f.calendar.GetDayBox(BoxOf(f.calendar, Noon(2005, 6, 7))).IsMarked());
    PumpWaitingMessages();
    EXPECT_TRUE(f.owner.Got(CGXBCalendar::gxMarkChanged));

    // the right button marks a day
    const CPoint pt = BoxCentre(f.calendar, BoxOf(f.calendar, Noon(2005, 6, 20)));
    f.calendar.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(f.calendar.IsMarked(Noon(2005, 6, 20)));
}

// ---- the pop-up --------------------------------------------------------------------------------------

namespace {

// A pop-up calendar as the date/time window opens it, below an owner rectangle.
struct PopupFixture {
    explicit PopupFixture(const COleDateTime& date, BOOL bWindowStyle = TRUE, CRect rectOwner = CRect(50, 50, 200, 70))
    {
        ReleaseDateKeys(fake);
        owner.CreateOwner();
        if (bWindowStyle) {
            popup.SetDeactivateMode(2);
            popup.SetCalendarStyle(popup.GetCalendarStyle() | CGXBCalendar::gxDragSelect |
                                   CGXBCalendar::gxSelectOtherMonth);
            popup.SetOtherMonthStyle(popup.GetOtherMonthStyle() | 0x102);
        }
        popup.SetDisplayDate(date, FALSE);
        popup.SelectDate(date, TRUE);
        EXPECT_TRUE(popup.CreatePopup(WS_THICKFRAME | CGXBPopupCalendar::gxBelowOwner, rectOwner, &owner, 0));
        PumpWaitingMessages();
        owner.m_messages.clear();
    }
    void Click(UINT nMessage, const CPoint& pt)
    {
        popup.SendMessage(nMessage, nMessage == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }

    CFakeServices fake;
    CNotedOwner owner;
    CGXBPopupCalendar popup;
};

}  // namespace

TEST(PopupCalendar, AClickOnANextMonthsDaySelectsItInPlaceAndTheReleaseChoosesIt)
{
    PopupFixture f(Noon(2005, 6, 15));
    const int nBox = BoxOf(f.popup, Noon(2005, 7, 2));
    ASSERT_GE(nBox, 0);
    f.Click(WM_LBUTTONDOWN, BoxCentre(f.popup, nBox));
    EXPECT_EQ(f.popup.GetSelectedDate(), Noon(2005, 7, 2));
    EXPECT_EQ(f.popup.GetDisplayDate().GetMonth(), 6) << "no switch of the month";
    EXPECT_EQ(::GetCapture(), f.popup.m_hWnd) << "the selection follows a drag";
    f.Click(WM_LBUTTONUP, BoxCentre(f.popup, nBox));
    PumpWaitingMessages();
    EXPECT_TRUE(f.owner.Got(CGXBCalendar::gxDateChosen));
    EXPECT_FALSE(f.owner.Got(CGXBCalendar::gxCancelled));
    EXPECT_FALSE(f.popup.IsWindowVisible());
}

TEST(PopupCalendar, DeactivationChoosesOrCancelsByItsMode)
{
    const struct {
        const char* what;
        BOOL bWindowStyle;  // as the date/time window opens it: cancels on deactivation
        BOOL bSelected;
        UINT nExpected;
    } cases[] = {
        {"accepting with a selection", FALSE, TRUE, CGXBCalendar::gxDateChosen},
        {"accepting without a selection", FALSE, FALSE, CGXBCalendar::gxCancelled},
        {"the date/time window's pop-up", TRUE, TRUE, CGXBCalendar::gxCancelled},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PopupFixture f(Noon(2005, 6, 15), c.bWindowStyle);
        if (!c.bSelected)
            f.popup.SelectDate(Noon(2005, 6, 15), FALSE);
        PumpWaitingMessages();
        f.owner.m_messages.clear();
        ASSERT_EQ(::GetActiveWindow(), f.popup.m_hWnd);
        f.owner.SetActiveWindow();
        PumpWaitingMessages();
        EXPECT_EQ(f.owner.Numbers(), std::vector<UINT>{c.nExpected}) << "one message, no second on hiding";
        EXPECT_FALSE(f.popup.IsWindowVisible());
    }
}

TEST(PopupCalendar, EnterWithoutASelectionCancels)
{
    PopupFixture f(Noon(2005, 6, 15));
    f.popup.SelectDate(Noon(2005, 6, 15), FALSE);
    PumpWaitingMessages();
    f.owner.m_messages.clear();
    f.popup.SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    PumpWaitingMessages();
    EXPECT_EQ(f.owner.Numbers(), std::vector<UINT>{CGXBCalendar::gxCancelled});
}

TEST(PopupCalendar, OpensBelowItsOwnerOrAboveItNearTheWorkAreasBottom)
{
    CRect rectWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    {
        PopupFixture f(Noon(2005, 6, 15), TRUE, CRect(50, 50, 200, 70));
        CRect rect;
        f.popup.GetWindowRect(&rect);
        EXPECT_EQ(rect.TopLeft(), CPoint(50, 70));
    }
    {
        const CRect rectOwner(50, rectWork.bottom - 30, 200, rectWork.bottom - 10);
        PopupFixture f(Noon(2005, 6, 15), TRUE, rectOwner);
        CRect rect;
        f.popup.GetWindowRect(&rect);
        EXPECT_EQ(rect.bottom, rectOwner.top);
        EXPECT_EQ(rect.left, rectOwner.left);
    }
}
