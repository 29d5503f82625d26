// The date/time window: the gadgets a pattern builds, the changes of each field with their limits and
// clamping into the allowed range, typing through separators, the range itself and the change
// notification.
#include "date_test_support.h"

#include <typeinfo>

namespace {

// A shown date/time window with spin arrows in a noting owner, with a custom pattern and a value.
struct WindowFixture {
    WindowFixture(const char* pszPattern, const COleDateTime& value, DWORD dwStyle = 0, DWORD dwExStyle = 0)
    {
        ReleaseDateKeys(fake);
        owner.CreateOwner();
        wnd.m_bPassOn = TRUE;
        EXPECT_TRUE(wnd.Create(dwExStyle, WS_VISIBLE | CGXBDateTimeCtrl::gxSpinArrows | dwStyle, CRect(10, 10, 260, 34),
                               &owner, 7));
        wnd.SetCustomFormat(pszPattern);
        wnd.SetDateTime(value);
        owner.m_messages.clear();
    }
    // The index of the first gadget with field id nId.
    int IndexOf(int nId) const
    {
        for (int i = 0; i < wnd.GetGadgetCount(); ++i)
            if (wnd.GetGadget(i)->GetId() == nId)
                return i;
        return -1;
    }
    BOOL Notify(int nCode, int nId, int nValue = 0) { return wnd.OnGadgetNotify(nCode, nId, nValue); }

    CFakeServices fake;
    CNotedOwner owner;
    CNotingDateTime wnd;
};

// The kind and text of a gadget: "num 32", "num 32 zeros", "list 256", "text ', '".
std::string Describe(const CGXBDTGadget* pGadget)
{
    if (auto* pNumber = dynamic_cast<const CGXBDTNumericGadget*>(pGadget))
        return "num " + std::to_string(pNumber->GetId()) + (pNumber->HasLeadingZeros() ? " zeros" : "");
    if (dynamic_cast<const CGXBDTListGadget*>(pGadget) != nullptr)
        return "list " + std::to_string(pGadget->GetId());
    if (auto* pText = dynamic_cast<const CGXBDTStaticGadget*>(pGadget))
        return "text '" + std::string(pText->GetText()) + "'";
    return typeid(*pGadget).name();
}

std::vector<std::string> Gadgets(const CGXBDateTimeCtrl& wnd)
{
    std::vector<std::string> result;
    for (int i = wnd.GetFixedGadgetCount(); i < wnd.GetGadgetCount(); ++i)
        result.push_back(Describe(wnd.GetGadget(i)));
    return result;
}

}  // namespace

TEST(DateWindow, APatternBuildsItsFieldsAndLiteralTexts)
{
    const struct {
        const char* pattern;
        std::vector<std::string> gadgets;
    } cases[] = {
        {"d/M/yyyy", {"num 32", "text '/'", "num 128", "text '/'", "num 1024"}},
        {"dddd, MMMM dd", {"list 64", "text ', '", "list 256", "text ' '", "num 32 zeros"}},
        {"'Uhr' h", {"text 'Uhr'", "text ' '", "num 1"}},
        {"HH:mm:ss tt", {"num 2 zeros", "text ':'", "num 4 zeros", "text ':'", "num 8 zeros", "text ' '", "list 16"}},
        {"yy\"abc", {"num 512 zeros", "text 'abc'"}},
    };
    for (const auto& c : cases) {
        WindowFixture f(c.pattern, COleDateTime(2004, 2, 29, 9, 5, 0));
        EXPECT_EQ(Gadgets(f.wnd), c.gadgets) << c.pattern;
    }
    WindowFixture f("dddd, MMMM dd", COleDateTime(2004, 2, 29, 9, 5, 0));
    EXPECT_TRUE(f.wnd.HasDateCode());
    const auto* pDay = dynamic_cast<const CGXBDTListGadget*>(f.wnd.GetGadget(f.IndexOf(CGXBDTGadget::gxDayOfWeek)));
    EXPECT_EQ(std::string(pDay->GetString(pDay->GetValue())), LocaleText(LOCALE_SDAYNAME7)) << "a Sunday";
    f.wnd.SetCustomFormat("HH:mm");
    EXPECT_FALSE(f.wnd.HasDateCode());
}

TEST(DateWindow, FieldChangesKeepTheDateValidAndTheYearInsideTheCalendar)
{
    using G = CGXBDTGadget;
    const struct {
        const char* what;
        COleDateTime from;
        int nCode, nId, nValue;
        COleDateTime expected;
    } cases[] = {
        {"31 January up a month, leap year", COleDateTime(2004, 1, 31, 0, 0, 0), G::gxStepUp, G::gxMonth, 0,
         COleDateTime(2004, 2, 29, 0, 0, 0)},
        {"31 January up a month", COleDateTime(2005, 1, 31, 0, 0, 0), G::gxStepUp, G::gxMonth, 0,
         COleDateTime(2005, 2, 28, 0, 0, 0)},
        {"29 February up a year", COleDateTime(2000, 2, 29, 0, 0, 0), G::gxStepUp, G::gxYear4, 0,
         COleDateTime(2001, 2, 28, 0, 0, 0)},
        {"year 9999 up", COleDateTime(9999, 5, 1, 0, 0, 0), G::gxStepUp, G::gxYear4, 0,
         COleDateTime(9999, 5, 1, 0, 0, 0)},
        {"year 101 spun down by 5", COleDateTime(101, 5, 1, 0, 0, 0), G::gxSpinDown, G::gxYear4, 5,
         COleDateTime(100, 5, 1, 0, 0, 0)},
        {"minute spun up by 5 steps 2", COleDateTime(2005, 1, 1, 10, 58, 0), G::gxSpinUp, G::gxMinute, 5,
         COleDateTime(2005, 1, 1, 10, 0, 0)},
        {"day 1 down wraps to the month's last", COleDateTime(2005, 2, 1, 0, 0, 0), G::gxStepDown, G::gxDay, 0,
         COleDateTime(2005, 2, 28, 0, 0, 0)},
        {"12 typed in the morning is hour 0", COleDateTime(2005, 1, 1, 9, 15, 0), G::gxSetValue, G::gxHour12, 12,
         COleDateTime(2005, 1, 1, 0, 15, 0)},
        {"12 typed in the afternoon is noon", COleDateTime(2005, 1, 1, 15, 15, 0), G::gxSetValue, G::gxHour12, 12,
         COleDateTime(2005, 1, 1, 12, 15, 0)},
        {"Wednesday typed moves within the week", COleDateTime(2005, 6, 19, 0, 0, 0), G::gxSetValue, G::gxDayOfWeek, 3,
         COleDateTime(2005, 6, 22, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WindowFixture f("dddd d.M.yyyy hh:mm", c.from);
        EXPECT_TRUE(f.Notify(c.nCode, c.nId, c.nValue));
        EXPECT_EQ(f.wnd.GetDateTime(), c.expected);
        EXPECT_TRUE(f.wnd.GetFlags() & CGXBDateTimeCtrl::gxModified);
    }
    // typed values outside a field's range, or making no date, are refused
    WindowFixture f("d.M.yyyy hh:mm", COleDateTime(2005, 2, 10, 9, 0, 0));
    EXPECT_FALSE(f.Notify(G::gxSetValue, G::gxDay, 30));
    EXPECT_FALSE(f.Notify(G::gxSetValue, G::gxMonth, 13));
    EXPECT_FALSE(f.Notify(G::gxSetValue, G::gxHour12, 0));
    EXPECT_FALSE(f.Notify(G::gxSetValue, G::gxYear4, 99));
    EXPECT_EQ(f.wnd.GetDateTime(), COleDateTime(2005, 2, 10, 9, 0, 0));
    EXPECT_FALSE(f.wnd.IsPM()) << "typing 12 keeps the half";
}

TEST(DateWindow, ATwoDigitYearKeepsTheValuesCenturyWithItsStyleBit)
{
    WindowFixture f("dd.MM.yy", COleDateTime(2005, 3, 4, 0, 0, 0), CGXBDateTimeCtrl::gxKeepCentury);
    EXPECT_TRUE(f.Notify(CGXBDTGadget::gxSetValue, CGXBDTGadget::gxYear2, 30));
    EXPECT_EQ(f.wnd.GetDateTime(), COleDateTime(2030, 3, 4, 0, 0, 0));
    // without it the system's date parser decides the century
    WindowFixture g("dd.MM.yy", COleDateTime(2005, 3, 4, 0, 0, 0));
    const int nCentury = g.wnd.GetTwoDigitYearCentury(30);
    EXPECT_TRUE(nCentury == 1900 || nCentury == 2000) << nCentury;
    EXPECT_TRUE(g.Notify(CGXBDTGadget::gxSetValue, CGXBDTGadget::gxYear2, 30));
    EXPECT_EQ(g.wnd.GetDateTime().GetYear(), nCentury + 30);
}

TEST(DateWindow, HomeInAFieldClampsTheLowerFieldsToTheMinimum)
{
    WindowFixture f("HH:mm:ss", COleDateTime(2005, 6, 1, 10, 45, 20));
    ASSERT_TRUE(f.wnd.SetRange(COleDateTime(2005, 6, 1, 10, 30, 0), COleDateTime(2005, 6, 1, 18, 0, 0),
                               CGXBDateTimeCtrl::gxFullDateTime));
    EXPECT_TRUE(f.Notify(CGXBDTGadget::gxHome, CGXBDTGadget::gxMinute));
    EXPECT_EQ(f.wnd.GetDateTime(), COleDateTime(2005, 6, 1, 10, 30, 0));
    // a minute below the minimum is refused: only the seconds could be clamped
    EXPECT_FALSE(f.Notify(CGXBDTGadget::gxStepDown, CGXBDTGadget::gxMinute));
    EXPECT_EQ(f.wnd.GetDateTime(), COleDateTime(2005, 6, 1, 10, 30, 0));
    // a test of a value changes nothing
    EXPECT_TRUE(f.Notify(CGXBDTGadget::gxTestValue, CGXBDTGadget::gxHour24, 12));
    EXPECT_EQ(f.wnd.GetDateTime(), COleDateTime(2005, 6, 1, 10, 30, 0));
}

TEST(DateWindow, TheRangeRefusesReversedBoundsAndToleratesLessThanASecond)
{
    WindowFixture f("HH:mm:ss", COleDateTime(2005, 6, 1, 12, 0, 0));
    const COleDateTime morning(2005, 6, 1, 8, 0, 0), evening(2005, 6, 1, 20, 0, 0);
    EXPECT_FALSE(f.wnd.SetRange(evening, morning, CGXBDateTimeCtrl::gxFullDateTime));
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(f.wnd.SetRange(invalid, evening, CGXBDateTimeCtrl::gxFullDateTime));

    ASSERT_TRUE(f.wnd.SetRange(morning, evening, CGXBDateTimeCtrl::gxFullDateTime));
    const double dHalfSecond = 0.5 / 86400.0;
    EXPECT_TRUE(f.wnd.CheckRange(COleDateTime(DATE(morning) - dHalfSecond)));
    EXPECT_TRUE(f.wnd.CheckRange(COleDateTime(DATE(evening) + dHalfSecond)));
    EXPECT_FALSE(f.wnd.CheckRange(COleDateTime(DATE(evening) + 2 * 2 * dHalfSecond)));
    // time of day only: any date at noon is inside
    ASSERT_TRUE(f.wnd.SetRange(morning, evening, CGXBDateTimeCtrl::gxTimeOfDay));
    EXPECT_TRUE(f.wnd.CheckRange(COleDateTime(1990, 1, 1, 12, 0, 0)));
    EXPECT_FALSE(f.wnd.CheckRange(COleDateTime(1990, 1, 1, 21, 0, 0)));
    // a value outside the new range takes the nearer bound
    f.wnd.SetDateTime(COleDateTime(2005, 6, 1, 23, 0, 0));
    ASSERT_TRUE(f.wnd.SetRange(morning, evening, CGXBDateTimeCtrl::gxFullDateTime));
    EXPECT_EQ(f.wnd.GetDateTime(), evening);
}

TEST(DateWindow, TypingTheNextSeparatorMovesToTheFollowingField)
{
    WindowFixture f("d/M/yyyy", COleDateTime(2005, 6, 15, 0, 0, 0));
    f.wnd.SetFocus();
    ASSERT_EQ(f.wnd.GetFocusIndex(), f.IndexOf(CGXBDTGadget::gxDay));
    f.wnd.SendMessage(WM_CHAR, '5', 1);
    f.wnd.SendMessage(WM_CHAR, '/', 1);
    EXPECT_EQ(f.wnd.GetFocusIndex(), f.IndexOf(CGXBDTGadget::gxMonth));
    EXPECT_EQ(f.wnd.GetDateTime().GetDay(), 5);
    // two digits complete the month and move on by themselves
    f.wnd.SendMessage(WM_CHAR, '1', 1);
    f.wnd.SendMessage(WM_CHAR, '1', 1);
    EXPECT_EQ(f.wnd.GetFocusIndex(), f.IndexOf(CGXBDTGadget::gxYear4));
    EXPECT_EQ(f.wnd.GetDateTime(), COleDateTime(2005, 11, 5, 0, 0, 0));
    // Left goes back, Right at the last field stays
    f.wnd.SendMessage(WM_KEYDOWN, VK_LEFT, 1);
    EXPECT_EQ(f.wnd.GetFocusIndex(), f.IndexOf(CGXBDTGadget::gxMonth));
    f.wnd.SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
    f.wnd.SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_EQ(f.wnd.GetFocusIndex(), f.IndexOf(CGXBDTGadget::gxYear4));
    EXPECT_TRUE(f.wnd.IsLastField());
    // the spin arrows act on the focused field
    EXPECT_TRUE(f.Notify(CGXBDTGadget::gxSpinUp, CGXBDTGadget::gxSpin, 1));
    EXPECT_EQ(f.wnd.GetDateTime().GetYear(), 2006);
}

TEST(DateWindow, AChangeTellsTheParentUnlessItAsksNot)
{
    {
        WindowFixture f("d.M.yyyy", COleDateTime(2005, 6, 15, 0, 0, 0));
        ASSERT_TRUE(f.Notify(CGXBDTGadget::gxStepUp, CGXBDTGadget::gxDay));
        ASSERT_EQ(f.owner.m_messages.size(), 1u);
        EXPECT_EQ(f.owner.m_messages[0].nMessage, UINT(WM_COMMAND));
        EXPECT_EQ(f.owner.m_messages[0].wParam, MAKEWPARAM(7, CGXBDateTimeCtrl::gxValueChanged));
        EXPECT_EQ(HWND(f.owner.m_messages[0].lParam), f.wnd.m_hWnd);
    }
    WindowFixture f("d.M.yyyy", COleDateTime(2005, 6, 15, 0, 0, 0), 0, WS_EX_NOPARENTNOTIFY);
    ASSERT_TRUE(f.Notify(CGXBDTGadget::gxStepUp, CGXBDTGadget::gxDay));
    EXPECT_TRUE(f.owner.m_messages.empty());
}

TEST(DateWindow, TheCalendarDropsDownAtTheValueAndItsChoiceKeepsTheTime)
{
    WindowFixture f("d.M.yyyy HH:mm", COleDateTime(2005, 6, 15, 14, 30, 0), CGXBDateTimeCtrl::gxDropDownButton);
    f.wnd.SetFocus();
    f.wnd.SendMessage(WM_KEYDOWN, VK_F4, 1);
    CGXBPopupCalendar* pCalendar = f.wnd.GetCalendar();
    ASSERT_NE(pCalendar, nullptr);
    EXPECT_TRUE(pCalendar->IsWindowVisible());
    EXPECT_EQ(pCalendar->GetSelectedDate(), COleDateTime(2005, 6, 15, 12, 0, 0));
    EXPECT_EQ(GXGetLibraryState()->GetGlobalWord(), 0) << "the pop-up flag only while it opens";
    pCalendar->SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
    pCalendar->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    PumpWaitingMessages();
    EXPECT_EQ(f.wnd.GetCalendar(), nullptr);
    EXPECT_EQ(f.wnd.GetDateTime(), COleDateTime(2005, 6, 16, 14, 30, 0));
    EXPECT_TRUE(f.owner.Got(WM_COMMAND));
}
