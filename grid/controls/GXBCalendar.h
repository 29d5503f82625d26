// CGXBCalendar: a window that shows one month as six weeks of seven days under a title with the
// month and year and a bar of weekday names, and CGXBPopupCalendar, the same calendar as a pop-up
// window under another window (the date/time window drops it down to choose a date).
//
// The user selects a day with the mouse or the keyboard, pages through months and years and marks
// days with the right button. Dates are COleDateTime values at noon of their day, so that dates
// compare by day. Only months from February 100 to November 9999 are shown, so that all 42 days stay
// inside the OLE date range; every refused move beeps (MB_ICONEXCLAMATION, through the services seam)
// and leaves the display as it was.
//
// The owner window (the parent unless set) is told by posted messages: gxSelChanged (a day's
// selection changed while the window is shown; wParam selected, lParam the day box), gxMarkChanged
// (a day's mark changed; wParam marked, lParam the day box), gxDateChosen and gxCancelled (the choice
// is made or cancelled; the calendar hides itself, except after a selection made under gxCloseOnSelect
// by SelectDate).
//
// Keys (gxKeyboard): Escape cancels; Enter chooses the selected day (cancels without one); Space
// toggles the focus day; Home and End select the first and last day of the month; Left, Right, Up and
// Down move the selection by a day or a week, with Ctrl by a month or a year; Page Up and Page Down by
// a month, with Ctrl by a year. The title's buttons move only the displayed month.
//
// A pop-up tells its owner gxDateChosen when it loses the activation with a day selected and accept
// on deactivation on (SetDeactivateMode 1), otherwise gxCancelled.
//
// Does not do yet: the calendar of another first weekday than Sunday.
#pragma once

#include "grid/controls/GXBCalPanel.h"
#include "win/CGdiObject.h"
#include "win/CWnd.h"
#include "core/Lists.h"

class CCreateContext;

class CGXBCalendar : public CWnd {
    DECLARE_DYNCREATE(CGXBCalendar)
    DECLARE_MESSAGE_MAP()
public:
    // Calendar style bits (m_nCalendarStyle, copied into every panel).
    enum : DWORD {
        gxCloseOnRelease = 0x100,       // a release or double click on a day chooses it
        gxSelectOtherMonth = 0x200,     // adjacent months' days are selected in place
        gxCanSelect = 0x4000,
        gxCanMark = 0x8000,
        gxFitFonts = 0x10000,           // at creation the fonts are fitted to the panels
        gxPreferredSize = 0x20000,      // at creation the window takes its preferred size
        gxCloseOnSelect = 0x40000,      // selecting a day chooses it
        gxMonthButtons = 0x80000,
        gxYearButtons = 0x100000,
        gxKeyboard = 0x200000,
        gxFixedMonth = 0x400000,        // the month cannot change while the window is shown
        gxSizable = 0x800000,           // the border resizes the window
        gxDragSelect = 0x1000000        // a click selects and the selection follows the dragged pointer
    };
    // The messages to the owner.
    enum : UINT { gxSelChanged = 2005, gxMarkChanged = 2006, gxDateChosen = 2007, gxCancelled = 2008 };

    CGXBCalendar();
    // Frees the marked dates.
    ~CGXBCalendar() override;

    // Makes the window "CGXBCalendar" (a child with WS_CLIPCHILDREN; dwStyle with WS_POPUP makes a
    // pop-up) in rect of pParent, sized to its content with gxPreferredSize, with its panels and the
    // title's buttons; an unset display date becomes today; the month is shown, the panels laid out,
    // the fonts fitted with gxFitFonts, and the window takes the focus. FALSE when no window was made.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, CCreateContext* pContext = nullptr);

    // Moves the selection (bSelection) or only the displayed month by a day, a week, to the first day
    // of the next or previous month, or to the same day a year later or earlier (29 February becoming
    // 28 February; refused in year 9999 or 100). FALSE when refused.
    virtual BOOL NextDay(BOOL bSelection);
    virtual BOOL PrevDay(BOOL bSelection);
    virtual BOOL NextWeek(BOOL bSelection);
    virtual BOOL PrevWeek(BOOL bSelection);
    virtual BOOL NextMonth(BOOL bSelection);
    virtual BOOL PrevMonth(BOOL bSelection);
    virtual BOOL NextYear(BOOL bSelection);
    virtual BOOL PrevYear(BOOL bSelection);
    // Selects the selected date moved by the span (its month shown first); refused without a
    // selection or outside the months shown. FALSE when refused.
    virtual BOOL MoveSelection(LONG lSeconds);
    virtual BOOL MoveSelection(const COleDateTimeSpan& span);
    // Shows the month of the display date moved by the span. FALSE when refused.
    virtual BOOL MoveDisplay(LONG lSeconds);
    virtual BOOL MoveDisplay(const COleDateTimeSpan& span);
    // Marks or unmarks the date: a displayed day that can be marked changes and gxMarkChanged is
    // posted; the date joins or leaves the marked dates whether shown or not.
    virtual void MarkDate(const COleDateTime& date, BOOL bMark);
    // Selects the date (one at a time) or drops it: every displayed day of that date changes (when it
    // can be selected); while shown gxSelChanged is posted and the window takes the focus; with
    // gxCloseOnSelect a selection posts gxDateChosen.
    virtual void SelectDate(const COleDateTime& date, BOOL bSelect);
    // Selects a displayed, unselected day or drops its selection; with gxCloseOnSelect then chooses.
    virtual void ToggleSelect(const COleDateTime& date);
    // Flips a displayed day's mark.
    virtual void ToggleMark(const COleDateTime& date);
    // Whether the month may be shown: February 100 to November 9999 (nDay is not read).
    virtual BOOL IsValidMonth(int nYear, int nMonth, int nDay);
    // Reads the colours from the grid library's system-colour cache.
    virtual void LoadColors();
    // A refused move: MessageBeep(MB_ICONEXCLAMATION).
    virtual void OnInvalidDate();
    // CS_DBLCLKS.
    virtual UINT GetClassStyle();

    // Shows the month of date; refused (beep, FALSE) with gxFixedMonth while shown or for a month
    // IsValidMonth refuses. bRedraw paints at once.
    BOOL SetDisplayDate(const COleDateTime& date, BOOL bRedraw = TRUE);
    const COleDateTime& GetDisplayDate() const { return m_dtDisplay; }
    // The selected date (meaningful while HasSelection).
    COleDateTime GetSelectedDate() const { return m_dtSelected; }
    BOOL HasSelection() const { return m_bHasSelection; }
    BOOL IsMarked(const COleDateTime& date) const;
    // The marked dates, ascending.
    const CPtrList& GetMarkedDates() const { return m_markedDates; }
    void SetCalendarStyle(DWORD nStyle) { m_nCalendarStyle = nStyle; }
    DWORD GetCalendarStyle() const { return m_nCalendarStyle; }
    void SetPanelStyle(DWORD nStyle) { m_nPanelStyle = nStyle; }
    DWORD GetPanelStyle() const { return m_nPanelStyle; }
    void SetOtherMonthStyle(DWORD nStyle) { m_nOtherMonthStyle = nStyle; }
    DWORD GetOtherMonthStyle() const { return m_nOtherMonthStyle; }
    // The window told of selections and choices (null: the parent).
    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }

    // The parts, for drawing and for tests.
    CGXBDayBox& GetDayBox(int nIndex) { return m_boxes[nIndex]; }
    CGXBDayBar& GetDayBar() { return m_dayBar; }
    CGXBCalTitle& GetTitle() { return m_title; }
    CFont* GetTitleFont() { return &m_fontTitle; }
    CFont* GetDayFont() { return &m_fontDays; }
    // The day box under point (client coordinates), null when none.
    CGXBDayBox* DayBoxFromPoint(CPoint point);
    // The preferred client size measured in pDC with the current fonts.
    CSize CalcPreferredSize(CDC* pDC);

    // A date at noon of its day.
    static COleDateTime NormaliseToNoon(const COleDateTime& date);

protected:
    // Posts nMessage to the owner.
    void Notify(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0);
    // Posts gxDateChosen or gxCancelled and hides the window.
    void Close(UINT nMessage);
    // Lays the title, the bar and the days out in the client area.
    void LayoutPanels();
    // Fits the three fonts to the panels (gxFitFonts), else copies the system font into them.
    void MakeFonts();
    // Gives every panel the text colours.
    void ApplyColors();
    // A click on a day: an adjacent month's day switches months first (unless gxSelectOtherMonth),
    // then the day is selected (gxDragSelect) or toggled.
    void ClickDay(CGXBDayBox* pBox);
    // The date of the first day of the month after (nDelta 1) or before (-1) date.
    static COleDateTime FirstOfAdjacentMonth(const COleDateTime& date, int nDelta);
    // The day of a move of a year, or of a day or week, by nDelta; FALSE (beep) when refused.
    BOOL MoveBy(BOOL bSelection, const COleDateTime& target);
    BOOL MoveYear(BOOL bSelection, int nDelta);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnWndLButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWndMouseMove(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWndLButtonUp(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWndLButtonDblClk(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWndRButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCancelMode();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnSysColorChange();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnTitleCommand(UINT nID);

    CGXBDayBar m_dayBar;
    CGXBCalTitle m_title;
    int m_nBevelWidth = 2;
    CWnd* m_pOwner = nullptr;
    CWnd* m_pParent = nullptr;
    COleDateTime m_dtDisplay;
    COleDateTime m_dtSelected;
    BOOL m_bHasSelection = FALSE;
    COleDateTime m_dtFocus;
    CGXBDayBox m_boxes[42];
    CGXBDayBox* m_pSelectedBox = nullptr;
    BOOL m_bDragging = FALSE;
    BOOL m_bRestoreSelection = FALSE;
    COleDateTime m_dtRestore;
    CPtrList m_markedDates;  // COleDateTime*, ascending, no duplicates
    LOGFONTA m_lfTitle = {};
    LOGFONTA m_lfBar = {};
    LOGFONTA m_lfDays = {};
    CFont m_fontTitle;
    CFont m_fontBar;
    CFont m_fontDays;
    COLORREF m_crWindowText = 0;
    COLORREF m_crButtonText = 0;
    COLORREF m_crButtonText2 = 0;
    COLORREF m_crButtonFace = 0;
    COLORREF m_crCaptionText = 0;
    COLORREF m_crActiveCaption = 0;
    COLORREF m_crGrayText = 0;
    DWORD m_nOtherMonthStyle = 0x101;
    DWORD m_nPanelStyle = 0x1000017f;
    DWORD m_nCalendarStyle = 0x39c000;
    BOOL m_bClosed = FALSE;  // the last close message was posted and the window is hidden
};

class CGXBPopupCalendar : public CGXBCalendar {
    DECLARE_DYNCREATE(CGXBPopupCalendar)
    DECLARE_MESSAGE_MAP()
public:
    // The pop-up's bit of CreatePopup's style: the calendar goes below the owner, left edges aligned.
    enum : DWORD { gxBelowOwner = 0x1 };

    // Calendar style 0x39c100, panels 0x83, adjacent months 0x181, accept on deactivation.
    CGXBPopupCalendar();

    // CS_DBLCLKS | CS_SAVEBITS.
    UINT GetClassStyle() override;
    // Makes the pop-up sized to its content next to rectOwner (screen coordinates) of pOwner: with
    // gxBelowOwner below it, left edges aligned, else to the right of its right edge and below its
    // bottom; above it when it would reach the work area's bottom, and aligned to the owner's right
    // edge (to the left of its left edge) when it would reach the work area's right. The calendar
    // takes the focus. FALSE when it could not be made.
    virtual BOOL CreatePopup(DWORD dwStyle, const CRect& rectOwner, CWnd* pOwner, UINT nID);

    // 1 accept on deactivation, 2 cancel. Returns the previous mode.
    int SetDeactivateMode(int nMode);

protected:
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);

    BOOL m_bAcceptOnDeactivate = TRUE;
};
