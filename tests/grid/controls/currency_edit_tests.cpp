// The currency edit window on its own: typing digit by digit into the formatted amount, the decimal
// separator key, Backspace, the sign, pasting, undo, shift entry, the notifications its parent gets and
// a read-only window, all in a format built without the locale ("$1,234.50", negatives in parentheses).
#include "input_test_support.h"
#include "ClipboardText.h"

#include "grid/controls/GXBCurrencyEdit.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using Format = CGXBCurrencyEdit::Format;

const UINT kId = 41;

// A shown parent that notes the notification codes its child sends.
class CNotedParent : public CWnd {
public:
    CNotedParent()
    {
        EXPECT_TRUE(CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP | WS_VISIBLE, 40, 40, 300, 100, nullptr,
                             nullptr));
    }
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        if (LOWORD(wParam) == kId)
            m_codes.push_back(HIWORD(wParam));
        return TRUE;
    }
    std::vector<UINT> m_codes;
};

class CTestCurrencyEdit : public CGXBCurrencyEdit {
public:
    std::string Text() const
    {
        CString strText;
        GetWindowText(strText);
        return strText.GetString();
    }
};

// A currency window in a shown parent, in the format without the locale changed by pfnSetUp, showing
// dValue and focused (so everything is selected); nWidth pixels wide, with the extra styles dwStyle.
struct CurrencyWindowFixture {
    explicit CurrencyWindowFixture(double dValue, void (*pfnSetUp)(Format&, CGXBCurrencyEdit&) = nullptr,
                                   DWORD dwStyle = 0, int nWidth = 200)
    {
        ReleaseModifierKeys(fake);
        CGXBCurrencyEdit::RegisterWndClass();
        Format format(FALSE);
        if (pfnSetUp != nullptr)
            pfnSetUp(format, edit);
        edit.SetFormat(format);
        edit.SetValue(dValue);
        EXPECT_TRUE(edit.CreateEx(0, "CGXBCurrencyEdit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | dwStyle,
                                  CRect(10, 10, 10 + nWidth, 34), &parent, kId));
        edit.SetFocus();
        parent.m_codes.clear();
    }
    ~CurrencyWindowFixture() { parent.DestroyWindow(); }

    void Type(const char* pszText)
    {
        for (const char* p = pszText; *p != 0; ++p)
            edit.SendMessage(WM_CHAR, BYTE(*p), MAKELPARAM(1, 0));
    }
    void Press(UINT nKey) { edit.SendMessage(WM_KEYDOWN, nKey, MAKELPARAM(1, 0)); }
    void Click(CPoint point)
    {
        edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    // Where the window shows its caret.
    CPoint CaretPoint() const
    {
        POINT point = {};
        ::GetCaretPos(&point);
        return point;
    }

    CFakeServices fake;
    CNotedParent parent;
    CTestCurrencyEdit edit;
};

}  // namespace

TEST(CurrencyEditWindow, DigitsGoIntoTheIntegerPartAndTheSeparatorKeyLeadsIntoTheFraction)
{
    CurrencyWindowFixture f(0);
    ASSERT_EQ(f.edit.Text(), "$0.00");
    f.Type("1234");
    EXPECT_EQ(f.edit.Text(), "$1,234.00");
    EXPECT_EQ(f.edit.GetCaret(), 6) << "before the decimal separator";
    f.Type(".");
    EXPECT_EQ(f.edit.GetCaret(), 7);
    f.Type("5");
    EXPECT_EQ(f.edit.Text(), "$1,234.50") << "fraction digits overwrite the zeros";
    f.Type("67");
    EXPECT_EQ(f.edit.Text(), "$1,234.56") << "nothing beyond the fractional digits";
    EXPECT_DOUBLE_EQ(f.edit.GetValue(), 1234.56);

    // an integer part of width 2 takes no third digit
    CurrencyWindowFixture narrow(12, [](Format& format, CGXBCurrencyEdit&) { format.m_nIntDigits = 2; });
    ASSERT_EQ(narrow.edit.Text(), "$12.00");
    narrow.Press(VK_END);
    narrow.Press(VK_LEFT);
    narrow.Press(VK_LEFT);
    narrow.Press(VK_LEFT);
    narrow.Type("3");
    EXPECT_EQ(narrow.edit.Text(), "$12.00");
    EXPECT_TRUE(narrow.parent.m_codes.empty()) << "no change, no notification";
}

TEST(CurrencyEditWindow, BackspaceZeroesFractionDigitsAndRemovesIntegerDigits)
{
    CurrencyWindowFixture f(1234.56);
    f.Press(VK_END);
    f.Press(VK_BACK);
    EXPECT_EQ(f.edit.Text(), "$1,234.50");
    f.Press(VK_BACK);
    EXPECT_EQ(f.edit.Text(), "$1,234.00");
    EXPECT_EQ(f.edit.GetCaret(), 7);
    f.Press(VK_BACK);
    EXPECT_EQ(f.edit.Text(), "$123.00");
    EXPECT_EQ(f.edit.GetCaret(), 4);

    CurrencyWindowFixture one(1);
    one.Press(VK_END);
    one.Press(VK_LEFT);
    one.Press(VK_LEFT);
    one.Press(VK_LEFT);
    one.Press(VK_BACK);
    EXPECT_EQ(one.edit.Text(), "$0.00") << "the last digit gone leaves 0";
    EXPECT_EQ(one.edit.GetValue(), 0);
}

TEST(CurrencyEditWindow, MinusFlipsTheSignButMakesAFullySelectedAmountNegative)
{
    CurrencyWindowFixture f(1);
    f.Press(VK_END);
    f.Type("-");
    EXPECT_EQ(f.edit.Text(), "($1.00)");
    f.Type("-");
    EXPECT_EQ(f.edit.Text(), "$1.00");
    for (int i = 0; i < 2; ++i) {
        f.edit.SetSel(0, -1);
        f.Type("-");
        EXPECT_EQ(f.edit.Text(), "($1.00)") << "time " << i;
        EXPECT_LT(f.edit.GetValue(), 0);
    }
}

TEST(CurrencyEditWindow, PastedTextsAreAmountsOverTheNumberAndDigitsInsideIt)
{
    CurrencyWindowFixture f(1234);
    SetClipboardText("$12.50");
    f.edit.SetSel(0, -1);
    f.edit.SendMessage(WM_PASTE);
    EXPECT_EQ(f.edit.Text(), "$12.50");
    EXPECT_DOUBLE_EQ(f.edit.GetValue(), 12.5);

    CurrencyWindowFixture middle(1234);
    middle.edit.SetSel(4, 4);  // "$1,2|34.00"
    middle.edit.SendMessage(WM_PASTE);
    EXPECT_EQ(middle.edit.Text(), "$12,125,034.00") << "only the digits 1250 go in";
}

TEST(CurrencyEditWindow, UndoTogglesBetweenTwoStates)
{
    CurrencyWindowFixture f(1);
    f.Press(VK_END);
    f.Type("-");
    ASSERT_EQ(f.edit.Text(), "($1.00)");
    f.edit.SendMessage(WM_UNDO);
    EXPECT_EQ(f.edit.Text(), "$1.00");
    EXPECT_EQ(f.edit.GetValue(), 1);
    f.edit.SendMessage(WM_UNDO);
    EXPECT_EQ(f.edit.Text(), "($1.00)");
    EXPECT_EQ(f.edit.GetValue(), -1);
}

TEST(CurrencyEditWindow, ShiftEntryMovesTheFractionInFromTheRight)
{
    CurrencyWindowFixture f(0, [](Format&, CGXBCurrencyEdit& edit) { edit.m_bShiftEntry = TRUE; });
    f.Press(VK_END);
    f.Type("1");
    EXPECT_EQ(f.edit.Text(), "$0.01");
    f.Type("2");
    EXPECT_EQ(f.edit.Text(), "$0.12");
}

TEST(CurrencyEditWindow, EveryChangeSendsUpdateThenChange)
{
    CurrencyWindowFixture f(0);
    f.Type("1");
    f.Type(".");  // moves the caret only
    f.Press(VK_BACK);
    const std::vector<UINT> expected = {EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE};
    EXPECT_EQ(f.parent.m_codes, expected);
    EXPECT_EQ(f.edit.Text(), "$0.00");
}

TEST(CurrencyEditWindow, AReadOnlyWindowRefusesChangesButCopies)
{
    CurrencyWindowFixture f(5);
    f.edit.SendMessage(EM_SETREADONLY, TRUE);
    f.edit.SetSel(0, -1);
    f.Type("7-");
    f.Press(VK_BACK);
    f.edit.SendMessage(WM_CUT);
    EXPECT_EQ(f.edit.Text(), "$5.00");
    EXPECT_TRUE(f.parent.m_codes.empty());
    f.edit.SetSel(0, -1);
    f.edit.SendMessage(WM_COPY);
    EXPECT_EQ(ClipboardText(), "$5.00");
}

TEST(CurrencyEditWindow, AnAmountWiderThanTheWindowScrollsWithTheCaret)
{
    for (DWORD dwAlign : {DWORD(ES_LEFT), DWORD(ES_RIGHT)}) {
        SCOPED_TRACE(dwAlign == ES_RIGHT ? "right-aligned" : "left-aligned");
        CurrencyWindowFixture f(1234567890.12, nullptr, dwAlign, 60);
        const int nLength = int(f.edit.Text().size());
        ASSERT_EQ(f.edit.Text(), "$1,234,567,890.12");
        CRect client;
        f.edit.GetClientRect(&client);
        auto inView = [&](CPoint point) { return point.x >= client.left && point.x < client.right; };

        f.Press(VK_END);
        const CPoint end = f.CaretPoint();
        EXPECT_TRUE(inView(end)) << "the caret after the last digit at " << end.x;
        f.Click(CPoint(end.x, end.y + 2));
        EXPECT_EQ(f.edit.GetCaret(), nLength) << "the text lies where it is shown";

        f.Press(VK_HOME);
        f.Press(VK_RIGHT);
        f.Press(VK_RIGHT);
        const CPoint start = f.CaretPoint();
        EXPECT_TRUE(inView(start)) << "the caret after the second character at " << start.x;
        f.Click(CPoint(start.x, start.y + 2));
        EXPECT_EQ(f.edit.GetCaret(), 2);
        f.Type("9");
        EXPECT_EQ(f.edit.Text(), "$19,234,567,890.12");
        EXPECT_TRUE(inView(f.CaretPoint())) << "typing keeps the caret in view";
    }
}
