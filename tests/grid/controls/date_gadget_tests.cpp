// The date/time gadgets on their own, with an owner that notes their notifications: typing numbers,
// type-ahead in name lists, the spin arrows' repeat by timer ticks, the button's click and the
// window-less timer map.
#include "date_test_support.h"

#include "core/Maps.h"

namespace {

// A number gadget of range 0..nMax owned by a noting window that accepts every value.
struct NumberFixture {
    explicit NumberFixture(int nMax)
    {
        ReleaseDateKeys(fake);
        gadget.Initialise(&owner, 0, nMax, 0, FALSE, CGXBDTGadget::gxMinute);
    }
    void Type(const char* pszKeys)
    {
        for (const char* p = pszKeys; *p != 0; ++p)
            gadget.OnChar(BYTE(*p));
    }

    CFakeServices fake;
    CNotingDateTime owner;
    CGXBDTNumericGadget gadget;
};

const int kMinute = CGXBDTGadget::gxMinute;

}  // namespace

TEST(DateGadgets, ANumberCompletesOnceAllItsDigitsAreTyped)
{
    const struct {
        const char* keys;
        int nMax;
        int nValue;
        size_t nCompleteAfterNotices;  // where gxComplete comes
    } cases[] = {
        {"7", 9, 7, 4},    // one digit: typing, test, set, typing ended, complete
        {"07", 59, 7, 4},  // 0 then 7 gives 7
        {"005", 59, 5, 4}, // the second 0 is no digit of its own
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        NumberFixture f(c.nMax);
        f.Type(c.keys);
        const std::vector<Notice> expected = {{CGXBDTGadget::gxTyping, kMinute, 1},
                                              {CGXBDTGadget::gxTestValue, kMinute, c.nValue},
                                              {CGXBDTGadget::gxSetValue, kMinute, c.nValue},
                                              {CGXBDTGadget::gxTyping, kMinute, 0},
                                              {CGXBDTGadget::gxComplete, kMinute, 0}};
        EXPECT_EQ(f.owner.m_notices, expected);
        EXPECT_EQ(f.gadget.GetValue(), c.nValue);
        EXPECT_FALSE(f.gadget.IsTyping());
    }
    // a value the owner refuses beeps and is dropped
    NumberFixture f(59);
    f.owner.m_bAnswer = FALSE;
    f.fake.ExpectBeep();
    f.Type("42");
    EXPECT_EQ(f.gadget.GetValue(), 0);
    EXPECT_TRUE(f.owner.Of(CGXBDTGadget::gxComplete).empty());
}

TEST(DateGadgets, ANonDigitWhileTypingBeepsAndEndsTheTyping)
{
    NumberFixture f(59);
    f.Type("3");
    ASSERT_TRUE(f.gadget.IsTyping());
    f.fake.ExpectBeep();
    f.Type("x");
    EXPECT_FALSE(f.gadget.IsTyping());
    EXPECT_EQ(f.owner.m_notices.back(), (Notice{CGXBDTGadget::gxTyping, kMinute, 0}));
    EXPECT_TRUE(f.owner.Of(CGXBDTGadget::gxSetValue).empty());
    EXPECT_EQ(f.gadget.GetValue(), 0);

    // keys: Up asks for a step; a navigation key while typing commits first
    f.Type("4");
    EXPECT_TRUE(f.gadget.OnKeyDown(VK_UP));
    EXPECT_EQ(f.owner.Of(CGXBDTGadget::gxSetValue), (std::vector<Notice>{{CGXBDTGadget::gxSetValue, kMinute, 4}}));
    EXPECT_EQ(f.owner.m_notices.back(), (Notice{CGXBDTGadget::gxStepUp, kMinute, 0}));
}

TEST(DateGadgets, TypeAheadCyclesThroughTheNamesBeginningWithAKeyUntilItsTimerClears)
{
    CFakeServices fake;
    CNotingDateTime owner;
    CGXBDTListGadget gadget;
    CStringArray months;
    for (int nMonth = 1; nMonth <= 12; ++nMonth)
        months.Add(LocaleText(LOCALE_SMONTHNAME1 + nMonth - 1).c_str());
    gadget.Initialise(&owner, months, 0, CGXBDTGadget::gxMonthName);
    owner.m_pApplyTo = &gadget;
    ASSERT_EQ(std::string(gadget.GetString(3)).substr(0, 1), "A") << "the locale's April";
    ASSERT_EQ(std::string(gadget.GetString(7)).substr(0, 1), "A") << "the locale's August";

    gadget.OnChar('A');
    EXPECT_EQ(gadget.GetValue(), 3);
    EXPECT_NE(gadget.GetTimerId(), 0u) << "the 2000 ms type-ahead timer runs";
    gadget.OnChar('a');
    EXPECT_EQ(gadget.GetValue(), 7) << "the same key again moves on";
    EXPECT_EQ(std::string(gadget.GetPrefix()), "A");

    // the timer clears the prefix: a key searches afresh after the current name
    CGXBDTGadget::TimerProc(nullptr, WM_TIMER, gadget.GetTimerId(), 0);
    EXPECT_EQ(std::string(gadget.GetPrefix()), "");
    EXPECT_EQ(gadget.GetTimerId(), 0u);
    gadget.OnChar('A');
    EXPECT_EQ(gadget.GetValue(), 3) << "after August the next name with A is April";

    // a prefix that matches nothing beeps and is dropped
    fake.ExpectBeep();
    gadget.OnChar('q');
    EXPECT_EQ(std::string(gadget.GetPrefix()), "");
    EXPECT_EQ(gadget.GetValue(), 3);
}

TEST(DateGadgets, ASpinPressStepsAtOnceThenRepeatsByTicksWithGrowingSteps)
{
    CNotingDateTime owner;
    CGXBDTSpinGadget spin;
    spin.Initialise(&owner, CGXBDTGadget::gxSpin);
    spin.SetRect(CRect(0, 0, 16, 20));
    const int nSpin = CGXBDTGadget::gxSpin;

    spin.OnLButtonDown(MK_LBUTTON, CPoint(8, 3));
    EXPECT_EQ(owner.m_notices, (std::vector<Notice>{{CGXBDTGadget::gxSpinUp, nSpin, 1}}));
    EXPECT_EQ(spin.GetState() & 0x3F, UINT(CGXBDTSpinGadget::gxUpPressed | CGXBDTSpinGadget::gxTrackUp |
                                           CGXBDTSpinGadget::gxTimerRunning | CGXBDTSpinGadget::gxInitialDelay))
        << "the 500 ms delay runs";
    ASSERT_NE(spin.GetTimerId(), 0u);

    // each tick steps: 1 to tick 20, 2 to tick 50, then 5; the first tick ends the delay
    std::vector<int> steps;
    for (int nTick = 1; nTick <= 52; ++nTick) {
        CGXBDTGadget::TimerProc(nullptr, WM_TIMER, spin.GetTimerId(), 0);
        steps.push_back(owner.m_notices.back().nValue);
    }
    EXPECT_FALSE(spin.GetState() & CGXBDTSpinGadget::gxInitialDelay) << "then every 100 ms";
    EXPECT_EQ(steps[0], 1);
    EXPECT_EQ(steps[19], 1);
    EXPECT_EQ(steps[20], 2);
    EXPECT_EQ(steps[49], 2);
    EXPECT_EQ(steps[50], 5);

    // dragging off the arrow stops the repeat; back on it, the repeat goes on at 100 ms from tick 0
    spin.OnMouseMove(MK_LBUTTON, CPoint(40, 3));
    EXPECT_EQ(spin.GetTimerId(), 0u);
    EXPECT_FALSE(spin.GetState() & (CGXBDTSpinGadget::gxUpPressed | CGXBDTSpinGadget::gxTimerRunning));
    spin.OnMouseMove(MK_LBUTTON, CPoint(8, 3));
    EXPECT_NE(spin.GetTimerId(), 0u);
    EXPECT_EQ(spin.GetState() & (CGXBDTSpinGadget::gxTimerRunning | CGXBDTSpinGadget::gxInitialDelay),
              UINT(CGXBDTSpinGadget::gxTimerRunning));
    EXPECT_EQ(spin.GetTicks(), 0);

    spin.OnLButtonUp(0, CPoint(8, 3));
    EXPECT_EQ(spin.GetState(), 0u);
    EXPECT_EQ(spin.GetTimerId(), 0u);

    // the lower half steps down
    owner.m_notices.clear();
    spin.OnLButtonDown(MK_LBUTTON, CPoint(8, 15));
    EXPECT_EQ(owner.m_notices, (std::vector<Notice>{{CGXBDTGadget::gxSpinDown, nSpin, 1}}));
    spin.OnCancelMode();
    EXPECT_EQ(spin.GetTimerId(), 0u);
}

TEST(DateGadgets, TheTimerProcedureIgnoresUnknownIds)
{
    const int nBefore = CGXBDTGadget::GetTimerMap().GetCount();
    CGXBDTGadget::TimerProc(nullptr, WM_TIMER, 0xFFFE, 0);
    CGXBDTGadget::TimerProc(nullptr, WM_TIMER, 0x12345, 0);
    EXPECT_EQ(CGXBDTGadget::GetTimerMap().GetCount(), nBefore);
}

TEST(DateGadgets, AButtonReleasedOutsideItSendsNoClick)
{
    CNotingDateTime owner;
    CGXBDTButtonGadget button;
    ASSERT_TRUE(button.Initialise(&owner, GX_IDB_DROPARROW, CGXBDTGadget::gxButton));
    button.SetRect(CRect(0, 0, 16, 20));

    button.OnLButtonDown(MK_LBUTTON, CPoint(8, 10));
    EXPECT_EQ(button.GetState(), 3u) << "tracking, drawn pressed";
    button.OnMouseMove(MK_LBUTTON, CPoint(30, 10));
    EXPECT_EQ(button.GetState(), 1u) << "not pressed off the button";
    button.OnLButtonUp(0, CPoint(30, 10));
    EXPECT_TRUE(owner.m_notices.empty());

    button.OnLButtonDown(MK_LBUTTON, CPoint(8, 10));
    button.OnLButtonUp(0, CPoint(8, 10));
    EXPECT_EQ(owner.m_notices, (std::vector<Notice>{{CGXBDTGadget::gxButtonClicked, CGXBDTGadget::gxButton, 0}}));
    EXPECT_EQ(button.GetState(), 0u);

    CGXBDTButtonGadget missing;
    EXPECT_FALSE(missing.Initialise(&owner, 1, CGXBDTGadget::gxButton)) << "no such bitmap";
}
