// The calculator: its arithmetic through the key codes without a window, and the pop-up under an
// owner window: where it opens, and what Return, Escape, its Enter key and losing the focus do.
#include "FakeServices.h"

#include "grid/controls/GXBCalculator.h"

#include <string>
#include <vector>

namespace {

// The key code of a key's character: digits, ". + - * / % =", C (clear), E (clear entry) and
// < (backspace).
int CodeOf(char ch)
{
    if (ch >= '0' && ch <= '9')
        return CGXBCalculator::gxDigit0 + (ch - '0');
    switch (ch) {
    case '.': return CGXBCalculator::gxDecimal;
    case '+': return CGXBCalculator::gxAdd;
    case '-': return CGXBCalculator::gxSubtract;
    case '*': return CGXBCalculator::gxMultiply;
    case '/': return CGXBCalculator::gxDivide;
    case '%': return CGXBCalculator::gxPercent;
    case '=': return CGXBCalculator::gxEquals;
    case 'C': return CGXBCalculator::gxClear;
    case 'E': return CGXBCalculator::gxClearEntry;
    case '<': return CGXBCalculator::gxBackspace;
    default: return 0;
    }
}

void PressKeys(CGXBCalculator& calculator, const char* pszKeys)
{
    for (const char* p = pszKeys; *p != 0; ++p)
        calculator.HandleCode(CodeOf(*p));
}

// A pop-up that shows where its keys are.
class CTestPopup : public CGXBPopupCalculator {
public:
    CRect KeyRect(int nCode) const
    {
        for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i)
            if (static_cast<CGXBCalcBtn*>(m_arrButtons[i])->m_nCode == nCode)
                return static_cast<CGXBCalcBtn*>(m_arrButtons[i])->m_rect;
        return CRect();
    }
};

// A shown top-level window that notes the calculator's results.
class COwnerWnd : public CWnd {
public:
    explicit COwnerWnd(const CRect& rect)
    {
        EXPECT_TRUE(CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP | WS_VISIBLE | WS_BORDER, rect.left, rect.top,
                             rect.Width(), rect.Height(), nullptr, nullptr));
        SetFocus();
    }
    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        if (nMessage == GX_WM_CALCULATOR_RESULT)
            m_results.push_back(reinterpret_cast<const char*>(lParam));
        return CWnd::WindowProc(nMessage, wParam, lParam);
    }
    CRect ScreenRect() const
    {
        CRect rect;
        GetWindowRect(&rect);
        return rect;
    }
    std::vector<std::string> m_results;
};

CRect WorkArea()
{
    CRect rect;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0);
    return rect;
}

}  // namespace

TEST(CalculatorArithmetic, KeysWorkStrictlyFromLeftToRight)
{
    CGXBCalculator probe;
    const std::string sep = probe.GetDecimalSeparator().GetString();
    struct Case {
        const char* pszKeys;
        std::string display;
    };
    const Case cases[] = {
        {"2+3*4=", "20" + sep},
        {"200*5%", "10" + sep},  // a percentage of the total for a multiplication
        {"200+5%", "0" + sep},   // and nothing for any other operator
        {"10/4=", "2" + sep + "5"},
        {"12=", "12" + sep},
        {"7-9=", "-2" + sep},
        {"0", "0" + sep},
        {".", "0" + sep},
        {"12<", "1" + sep},
        {"5=<", "5" + sep},      // a result is no entry to shorten
        {"3+4E5=", "8" + sep},   // clear entry drops the 4 only
        {"3+4C5=", "5" + sep},   // clear drops everything
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszKeys);
        CGXBCalculator calculator;
        PressKeys(calculator, c.pszKeys);
        EXPECT_EQ(std::string(calculator.GetDisplayText()), c.display);
    }
    // "0" into an empty entry adds nothing; the separator first brings its 0
    CGXBCalculator calculator;
    PressKeys(calculator, "0");
    EXPECT_EQ(std::string(calculator.GetEntry()), "");
    PressKeys(calculator, ".");
    EXPECT_EQ(std::string(calculator.GetEntry()), "0" + sep);
}

TEST(CalculatorArithmetic, AnErrorHoldsUntilClearAndEveryOtherKeyBeeps)
{
    CFakeServices fake;
    for (const char* pszLeave : {"C", "E"}) {
        SCOPED_TRACE(pszLeave);
        CGXBCalculator calculator;
        PressKeys(calculator, "1/0=");
        ASSERT_TRUE(calculator.IsError());
        EXPECT_EQ(std::string(calculator.GetDisplayText()), "Error ");
        for (char ch : std::string("5.<+=")) {
            fake.ExpectBeep();
            EXPECT_FALSE(calculator.HandleCode(CodeOf(ch))) << ch;
        }
        EXPECT_EQ(std::string(calculator.GetDisplayText()), "Error ");
        PressKeys(calculator, pszLeave);
        EXPECT_FALSE(calculator.IsError());
        EXPECT_EQ(calculator.GetTotal(), 0);
        PressKeys(calculator, "6*7=");
        EXPECT_EQ(calculator.GetTotal(), 42);
    }
}

TEST(CalculatorArithmetic, EntriesAndResultsBeyondTheirLengthAreRefused)
{
    CFakeServices fake;
    CGXBCalculator calculator;
    // thirteen integer digits at most
    PressKeys(calculator, "1234567890123");
    fake.ExpectBeep();
    PressKeys(calculator, "4");
    EXPECT_EQ(std::string(calculator.GetEntry()), "1234567890123");
    // a result of more than thirteen integer digits is an error
    PressKeys(calculator, "*1000=");
    EXPECT_TRUE(calculator.IsError());
}

TEST(PopupCalculator, OpensBelowItsOwnerAndAboveOrRightAlignedNearTheWorkAreasEdges)
{
    const CRect work = WorkArea();
    struct Case {
        const char* pszName;
        CRect rectOwner;
        BOOL bAbove;
        BOOL bRightAligned;
    };
    const Case cases[] = {
        {"room below", CRect(100, 100, 300, 120), FALSE, FALSE},
        {"near the bottom", CRect(100, work.bottom - 30, 300, work.bottom - 10), TRUE, FALSE},
        {"near the right edge", CRect(work.right - 60, 100, work.right - 10, 120), FALSE, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        COwnerWnd owner(c.rectOwner);
        CTestPopup popup;
        ASSERT_TRUE(popup.CreatePopup(WS_VISIBLE, owner.ScreenRect(), &owner));
        CRect rect;
        popup.GetWindowRect(&rect);
        const CRect rectOwner = owner.ScreenRect();
        if (c.bAbove)
            EXPECT_EQ(rect.bottom, rectOwner.top);
        else
            EXPECT_EQ(rect.top, rectOwner.bottom);
        if (c.bRightAligned)
            EXPECT_EQ(rect.right, rectOwner.right);
        else
            EXPECT_EQ(rect.left, rectOwner.left);
        EXPECT_EQ(::GetFocus(), popup.m_hWnd);
        popup.DestroyWindow();
        owner.DestroyWindow();
    }
}

TEST(PopupCalculator, ReturnAndTheEnterKeySendTheResultAndCloseWhileEscapeAndLosingTheFocusOnlyClose)
{
    const std::string sep = CGXBCalculator().GetDecimalSeparator().GetString();
    struct Case {
        const char* pszName;
        void (*pfnFinish)(CTestPopup&, COwnerWnd&);
        const char* pszResult;  // null: none sent
    };
    const Case cases[] = {
        {"Return", [](CTestPopup& p, COwnerWnd&) { p.SendMessage(WM_KEYDOWN, VK_RETURN); }, "15"},
        {"Alt+Down", [](CTestPopup& p, COwnerWnd&) { p.SendMessage(WM_SYSKEYDOWN, VK_DOWN, 0x20000000); }, "15"},
        {"its Enter key",
         [](CTestPopup& p, COwnerWnd&) {
             const CPoint point = p.KeyRect(CGXBCalculator::gxEquals).CenterPoint();
             p.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
             p.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
             PumpWaitingMessages();
         },
         "15"},
        {"Escape", [](CTestPopup& p, COwnerWnd&) { p.SendMessage(WM_KEYDOWN, VK_ESCAPE); }, nullptr},
        {"the focus elsewhere", [](CTestPopup&, COwnerWnd& o) { o.SetFocus(); }, nullptr},
        {"Return on an error",
         [](CTestPopup& p, COwnerWnd&) {
             p.SendMessage(WM_CHAR, '/');
             p.SendMessage(WM_CHAR, '0');
             p.SendMessage(WM_KEYDOWN, VK_RETURN);
         },
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        COwnerWnd owner(CRect(100, 100, 300, 120));
        CTestPopup popup;
        popup.SetValue(12);
        ASSERT_TRUE(popup.CreatePopup(WS_VISIBLE | CGXBCalculator::gxStyleEnterCloses, owner.ScreenRect(), &owner));
        popup.SetValue(12);
        // the keyboard presses keys by their characters
        popup.SendMessage(WM_CHAR, '+');
        popup.SendMessage(WM_CHAR, '3');
        c.pfnFinish(popup, owner);
        if (c.pszResult != nullptr) {
            ASSERT_EQ(owner.m_results.size(), 1u);
            EXPECT_EQ(owner.m_results[0], c.pszResult + sep);
        } else {
            EXPECT_TRUE(owner.m_results.empty());
        }
        EXPECT_EQ(popup.m_hWnd, nullptr) << "the pop-up closed";
        owner.DestroyWindow();
    }
}
