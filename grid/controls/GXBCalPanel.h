// The drawing parts of the month calendar (GXBCalendar.h): light objects, not windows, each with a
// rectangle in the calendar's client area and a look given by its style bits.
//
// CGXBPanel paints, on the button-face background: a one-pixel frame line, a bevel (raised: highlight
// on top and left, shadow on bottom and right; sunken while selected), the interior, its text and,
// when marked, a red band inside the bevel. Which of these it shows depends on the selected state:
// the insets (ComputeInsets) tell where each part ends. CGXBDayBox is one day of the six-week grid,
// CGXBDayBar the bar of weekday names, CGXBCalTitle the month and year with the paging buttons.
//
// Locale texts (day and month names) are the user's default locale's (GetUserDefaultLCID).
#pragma once

#include "core/Core.h"
#include "win/CButton.h"
#include "win/COleDateTime.h"
#include "win/CRect.h"

class CDC;
class CGXBCalendar;

// Where the seven day columns start, in fractions of the width (the weekday bar's bands too).
extern const double GXBDayColumnStarts[7];

// The locale's name of weekday nDay (0 Sunday .. 6 Saturday), full or abbreviated.
CString GXBDayName(int nDay, BOOL bFull);
// The locale's name of month nMonth (1..12), full or abbreviated.
CString GXBMonthName(int nMonth, BOOL bFull);

class CGXBPanel : public CObject {
    DECLARE_DYNAMIC(CGXBPanel)
public:
    // The look bits of m_nStyle.
    enum : DWORD {
        gxBevelSelected = 0x2,
        gxBevelUnselected = 0x4,
        gxFrameSelected = 0x8,
        gxFrameUnselected = 0x10,
        gxMarkedSelected = 0x20,
        gxMarkedUnselected = 0x40,
        gxTextCentred = 0x80,
        gxGrayOtherMonth = 0x100,
        gxFullMonthNames = 0x10000000,
        gxFullDayNames = 0x20000000,
        gxDefaultStyle = 0x17f
    };
    // The calendar style bits a panel reads.
    enum : DWORD { gxCanSelect = 0x4000, gxCanMark = 0x8000 };

    CGXBPanel();

    // Ties the panel to pCalendar with the calendar's style word, its own look and bevel width.
    virtual BOOL Create(DWORD nCalendarStyle, DWORD nStyle, CGXBCalendar* pCalendar, int nBevelWidth);

    // The marked band, the whole panel, the bevel, the frame line, the interior and the text; Draw
    // paints the others in the order frame line, bevel, interior, text, marked band.
    virtual void DrawMarkedFrame(CDC* pDC);
    virtual void Draw(CDC* pDC);
    virtual void DrawBevel(CDC* pDC);
    virtual void DrawFrameLine(CDC* pDC);
    virtual void DrawInterior(CDC* pDC);
    virtual void DrawText(CDC* pDC);

    // Where the frame line, the bevel and the marked band end, counted in from the rectangle, for the
    // current selected and marked state.
    void ComputeInsets();
    // The outermost inset of the panel's look in its fullest state (selected or not, marked).
    int GetMaxInset() const;
    // The rectangle inside the marked band (where the text goes).
    CRect GetInteriorRect();

    void SetRect(const CRect& rect) { m_rect = rect; }
    const CRect& GetRect() const { return m_rect; }
    void SetText(const CString& strText) { m_strText = strText; }
    const CString& GetText() const { return m_strText; }
    void SetStyle(DWORD nStyle) { m_nStyle = nStyle; m_bDirty = TRUE; }
    DWORD GetStyle() const { return m_nStyle; }
    void SetCalendarStyle(DWORD nStyle) { m_nCalendarStyle = nStyle; }
    DWORD GetCalendarStyle() const { return m_nCalendarStyle; }
    void SetSelected(BOOL bSelected) { m_bSelected = bSelected; m_bDirty = TRUE; }
    BOOL IsSelected() const { return m_bSelected; }
    void SetMarked(BOOL bMarked) { m_bMarked = bMarked; m_bDirty = TRUE; }
    BOOL IsMarked() const { return m_bMarked; }
    void SetTextColors(COLORREF crText, COLORREF crGrayText) { m_crText = crText; m_crGrayText = crGrayText; }
    BOOL CanSelect() const { return (m_nCalendarStyle & gxCanSelect) != 0; }
    BOOL CanMark() const { return (m_nCalendarStyle & gxCanMark) != 0; }

protected:
    // The text rectangle: the interior, centred or from a tenth of its width and height.
    void DrawPanelText(CDC* pDC, const CString& strText, COLORREF crText, CRect rect);

    CGXBCalendar* m_pCalendar = nullptr;
    DWORD m_nCalendarStyle = 0;
    DWORD m_nStyle = gxDefaultStyle;
    CString m_strText;
    CRect m_rect;
    int m_nBevelWidth = 3;
    BOOL m_bSelected = FALSE;
    BOOL m_bMarked = FALSE;
    COLORREF m_crFrame = RGB(0, 0, 0);
    COLORREF m_crMarked = RGB(255, 0, 0);
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crGrayText = RGB(128, 128, 128);
    BOOL m_bDirty = TRUE;
    int m_nFrameInset = 0;
    int m_nBevelInset = 0;
    int m_nMarkedInset = 0;
    BOOL m_bCreated = FALSE;
};

// One day of the six-week grid.
class CGXBDayBox : public CGXBPanel {
    DECLARE_DYNAMIC(CGXBDayBox)
public:
    // The day number, grey for a day of an adjacent month when the look asks for it.
    void DrawText(CDC* pDC) override;

    // The day shown (noon of it) and whether it lies in a month next to the displayed one.
    void SetDate(const COleDateTime& date, BOOL bOtherMonth);
    const COleDateTime& GetDate() const { return m_date; }
    BOOL HasDate() const { return m_bDateSet; }
    BOOL IsOtherMonth() const { return m_bOtherMonth; }

private:
    COleDateTime m_date;
    BOOL m_bDateSet = FALSE;
    BOOL m_bOtherMonth = FALSE;
};

// The bar of the seven weekday names, Sunday first.
class CGXBDayBar : public CGXBPanel {
    DECLARE_DYNAMIC(CGXBDayBar)
public:
    // Each name centred in its column band (the day columns' fractions of the width).
    void DrawText(CDC* pDC) override;

    // The weekday of column nColumn (1..7): (first day + nColumn - 2) mod 7, 0 = Sunday.
    int GetColumnDay(int nColumn) const { return (m_nFirstDay + nColumn - 2) % 7; }

private:
    int m_nFirstDay = 1;  // 1 = Sunday
};

// The title: the month's name, a blank and the year, with the buttons that page through months ("<"
// and ">") and years ("<<" and ">>"), children of the calendar window.
class CGXBCalTitle : public CGXBPanel {
    DECLARE_DYNAMIC(CGXBCalTitle)
public:
    // The commands the buttons send to the calendar.
    enum { gxNextMonth = 20029, gxPrevYear = 20030, gxNextYear = 20031, gxPrevMonth = 20032 };
    // The calendar style bits that ask for the buttons.
    enum : DWORD { gxMonthButtons = 0x80000, gxYearButtons = 0x100000 };

    // Also makes the buttons the calendar style asks for.
    BOOL Create(DWORD nCalendarStyle, DWORD nStyle, CGXBCalendar* pCalendar, int nBevelWidth) override;
    // The panel, with the buttons given the calendar's title font.
    void Draw(CDC* pDC) override;

    // Places the panel and its buttons: the middle three fifths of the height; with both kinds "<<"
    // from 10/200 to 30/200 of the width, "<" from 30/200 to 50/200, ">" and ">>" mirrored from the
    // right; with one kind its two buttons take the outer places.
    void SetRect(const CRect& rect);
    // The text of date's month: "%s %d" of the month's name (full with gxFullMonthNames) and the year.
    void SetTitle(const COleDateTime& date);
    // Whether the title has paging buttons.
    BOOL HasButtons() const;
    CButton* GetButton(int nIndex) { return &m_buttons[nIndex]; }

private:
    // "<<", "<", ">", ">>".
    CButton m_buttons[4];
    BOOL m_bYearButtons = TRUE;
    BOOL m_bMonthButtons = TRUE;
};
