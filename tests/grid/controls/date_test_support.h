// Support of the date and time control tests: they run under the pinned German locale (set by the
// build), so the expected texts come from the same locale calls the controls make. A window that
// notes the calendar's messages and the change notifications, and a date/time window that notes its
// gadgets' notifications.
#pragma once

#include "control_test_support.h"

#include "grid/controls/GXBCalendar.h"
#include "grid/controls/GXBDateTimeCtrl.h"
#include "grid/controls/GXDateTimeCtrl.h"

#include <string>
#include <vector>

// Ctrl, Shift, Alt and Tab are up (the date window asks for Tab when it gets the focus).
inline void ReleaseDateKeys(CFakeServices& fake)
{
    ReleaseModifierKeys(fake);
    fake.SetKeyState(VK_TAB, 0);
}

// A locale text of the user's default locale.
inline std::string LocaleText(LCTYPE lcType)
{
    char buffer[256] = {};
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, lcType, buffer, sizeof buffer);
    return buffer;
}

// The locale's text of a date in the pattern lcType names (LOCALE_SSHORTDATE, LOCALE_SLONGDATE).
inline std::string LocaleDateText(const COleDateTime& date, LCTYPE lcType)
{
    SYSTEMTIME st;
    date.GetAsSystemTime(st);
    char buffer[256] = {};
    ::GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, LocaleText(lcType).c_str(), buffer, sizeof buffer);
    return buffer;
}

// A shown top-level window that notes the calendar's messages (2005 to 2008) and WM_COMMAND.
class CNotedOwner : public CWnd {
public:
    struct Message {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
    };
    void CreateOwner(int x = 0, int y = 0, int cx = 400, int cy = 300)
    {
        ASSERT_TRUE(CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, cx, cy,
                             nullptr, nullptr));
    }
    ~CNotedOwner() override { DestroyWindow(); }
    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        if ((nMessage >= 2005 && nMessage <= 2008) || nMessage == WM_COMMAND)
            m_messages.push_back({nMessage, wParam, lParam});
        return CWnd::WindowProc(nMessage, wParam, lParam);
    }
    // The numbers of the messages noted, in order.
    std::vector<UINT> Numbers() const
    {
        std::vector<UINT> numbers;
        for (const Message& m : m_messages)
            numbers.push_back(m.nMessage);
        return numbers;
    }
    // Whether message nMessage was noted.
    bool Got(UINT nMessage) const
    {
        for (const Message& m : m_messages)
            if (m.nMessage == nMessage)
                return true;
        return false;
    }

    std::vector<Message> m_messages;
};

// A gadget notification noted: code, field id, value.
struct Notice {
    int nCode, nId, nValue;
    bool operator==(const Notice& other) const
    {
        return nCode == other.nCode && nId == other.nId && nValue == other.nValue;
    }
};
inline std::ostream& operator<<(std::ostream& os, const Notice& n)
{
    return os << "{" << n.nCode << ", " << n.nId << ", " << n.nValue << "}";
}

// A date/time window that notes every gadget notification. Unless it passes them on to the window's
// own handling, it answers m_bAnswer and applies gxSetValue to m_pApplyTo.
class CNotingDateTime : public CGXBDateTimeCtrl {
public:
    BOOL OnGadgetNotify(int nCode, int nId, int nValue) override
    {
        m_notices.push_back({nCode, nId, nValue});
        if (m_bPassOn)
            return CGXBDateTimeCtrl::OnGadgetNotify(nCode, nId, nValue);
        if (nCode == CGXBDTGadget::gxSetValue && m_pApplyTo != nullptr)
            m_pApplyTo->SetValue(nValue);
        return m_bAnswer;
    }
    // The notices of one code.
    std::vector<Notice> Of(int nCode) const
    {
        std::vector<Notice> notices;
        for (const Notice& n : m_notices)
            if (n.nCode == nCode)
                notices.push_back(n);
        return notices;
    }
    BOOL IsPM() const { return m_bPM; }

    std::vector<Notice> m_notices;
    BOOL m_bPassOn = FALSE;
    BOOL m_bAnswer = TRUE;
    CGXBDTGadget* m_pApplyTo = nullptr;
};
