// CGXBDateTimeCtrl: a window that edits one date and time field by field. A date/time pattern (the
// user locale's time, short date or long date, or a custom one) becomes a row of gadgets
// (GXBDTGadget.h): numbers, name lists and literal text, behind an optional drop-down button that
// opens a month calendar (GXBCalendar.h) and optional spin arrows.
//
// Every change goes one way: a gadget notifies the window (OnGadgetNotify), the window builds the new
// value, checks it against the allowed range, clamping the fields below the changed one where it can
// (ValidateValue), lets OnChanging veto it, stores it, refreshes the gadgets whose parts changed, sets
// the modified flag and calls OnChanged (which tells the parent with WM_COMMAND code 256 unless the
// window has WS_EX_NOPARENTNOTIFY). Refused changes leave the value as it was; a refused typed number
// beeps.
//
// The value is an OLE date (COleDateTime, 1 January 100 to 31 December 9999), decomposed to the
// nearest second. Range modes: 0 no check, 1 the time of day only (the bounds are kept on 30 December
// 1899), 2 the date only (at midnight), 3 the whole value; a value outside by less than a second counts
// as inside.
//
// Pattern codes: h hh (hour 1..12), H HH (0..23), m mm, s ss, t tt (the locale's AM and PM, t their
// first character), d dd, ddd dddd (day names), M MM, MMM MMMM (month names), y yy (two-digit year),
// yyy yyyy (four digits), g gg (era, ignored), and text in single or double quotes, shown without
// them; doubled letters pad numbers with zeros. Anything else is literal text.
//
// Keys: Left and Right (and Tab, Shift+Tab) move between fields without wrapping; F4 and Alt+Down open
// the calendar when the window has the drop-down button; typing a separator that follows the field
// moves on to the next one; every other key and character goes to the focused field.
//
// The window paints through a memory bitmap and fills its background with its background colour (a
// cell that holds the window erases it itself).
#pragma once

#include "core/Arrays.h"
#include "grid/controls/GXBDTGadget.h"
#include "win/COleDateTime.h"
#include "win/CWnd.h"

class CGXBPopupCalendar;

// The parts of a date, decomposed to the nearest second (nDayOfWeek 1 = Sunday).
struct GXBDateParts {
    int nYear, nMonth, nDay, nHour, nMinute, nSecond, nDayOfWeek;
};

class CGXBDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CGXBDateTimeCtrl)
    DECLARE_MESSAGE_MAP()
public:
    // Window style bits of the low word.
    enum : DWORD { gxDropDownButton = 0x1, gxSpinArrows = 0x2, gxKeepCentury = 0x10 };
    // m_nFlags.
    enum : UINT { gxModified = 0x1, gxTypingField = 0x4 };
    // The fields SetNoEditFields can fix.
    enum : UINT {
        gxFixedYear = 1,
        gxFixedMonth = 2,
        gxFixedDay = 4,
        gxFixedHour = 8,
        gxFixedMinute = 16,
        gxFixedSecond = 32
    };
    // Range modes and format types.
    enum { gxNoValidation = 0, gxTimeOfDay = 1, gxDateOnly = 2, gxFullDateTime = 3 };
    enum { gxTimeFormat = 0, gxShortDate = 1, gxLongDate = 2, gxCustomFormat = 3, gxShortDateTime = 4 };
    // The notification code of a changed value.
    enum : WORD { gxValueChanged = 256 };
    // The whole valid range.
    static constexpr double gxMinDate = -657434.0;
    static constexpr double gxMaxDate = 2958465.0;

    // Now as the value, the whole range, no check, the locale's short date.
    CGXBDateTimeCtrl();
    // Deletes the gadgets and an open calendar.
    ~CGXBDateTimeCtrl() override;

    // ---- overridable steps ---------------------------------------------------------------------------
    // m_bFastInput.
    virtual BOOL IsFastInput();
    // Brings value into the range: an invalid value fails; a value in range passes; outside it, level 0
    // fails, otherwise the violated bound's parts at and below the level replace the value's when its
    // parts above the level equal the bound's (level 1 the second, 2 also the minute, 3 the time, 4
    // the day and below, 5 the month and below, -1 everything), and the result is checked again.
    virtual BOOL ValidateValue(COleDateTime& value, int nLevel);
    // Veto of a new value; TRUE here.
    virtual BOOL OnChanging(const COleDateTime& newValue);
    // The value changed: WM_COMMAND to the parent (control id, code gxValueChanged, the window) unless
    // the window has WS_EX_NOPARENTNOTIFY.
    virtual void OnChanged();
    // The century to add to a typed two-digit year: the system's date parser reads the locale's date
    // text of 1 January 1999 with the year replaced by nYear; the parsed year less nYear.
    virtual int GetTwoDigitYearCentury(int nYear);
    // Places the gadgets: fields from x = 1, one pixel below the top; a gadget of height -1 spans the
    // client height; right-anchored gadgets from the right edge leftwards in array order.
    virtual void LayoutGadgets();
    // Paints the gadgets: the fixed ones, then the fields scrolled by m_nScroll.
    virtual void Draw(CDC* pDC);
    // Opens the pop-up calendar under the window (a typed number committed first), at the value's
    // month with its date selected; it cancels when it loses the activation.
    virtual void DropDownCalendar();
    // Makes the pop-up calendar object into m_pCalendar.
    virtual void CreatePopupCalendar();
    // A gadget's notification (see the top of GXBDTGadget.h). TRUE when accepted.
    virtual BOOL OnGadgetNotify(int nCode, int nId, int nValue);

    // ---- the window ---------------------------------------------------------------------------------
    // Makes the child window (arrow cursor, no background brush) with the parent's font, the button
    // (gxDropDownButton) and the spin arrows (gxSpinArrows), then the format's gadgets. FALSE when no
    // window was made.
    BOOL Create(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Format type 0, 1, 2 or 4 (the custom pattern dropped) / a custom pattern (type 3); the gadgets
    // are rebuilt when the window exists.
    void SetFormatType(int nType);
    void SetCustomFormat(const char* pszPattern);
    int GetFormatType() const { return m_nFormatType; }
    // The pattern of the current type from the user's locale (the custom pattern for type 3).
    CString GetFormatString() const;
    // Whether the pattern has a date code (d, M, y or g).
    BOOL HasDateCode() const { return (m_nFormatFlags & 1) != 0; }
    // Stores a valid value (no range check), refreshing the gadgets. FALSE for an invalid one.
    BOOL SetDateTime(const COleDateTime& value);
    const COleDateTime& GetDateTime() const { return m_dtValue; }
    // The range and its mode (see the top of this file); the value is clamped into it. FALSE for an
    // invalid bound, min above max, or a value that cannot be brought into range (the range stays).
    BOOL SetRange(const COleDateTime& dtMin, const COleDateTime& dtMax, int nMode);
    // Whether value is valid and inside the range of the current mode.
    BOOL CheckRange(const COleDateTime& value) const;
    // The fields that cannot be edited (gxFixedYear ...); the gadgets are rebuilt when the window
    // exists.
    void SetNoEditFields(UINT nMask);
    void SetFastInput(BOOL bFastInput) { m_bFastInput = bFastInput; }
    // The focus to the next or previous field that takes it, without wrapping.
    void NextField();
    void PrevField();
    // Whether no field that takes the focus follows / precedes the focused one.
    BOOL IsLastField() const;
    BOOL IsFirstField() const;
    // Makes gadget nIndex the focused field (highlighted when bHighlight), scrolled into view.
    void SetFocusGadget(int nIndex, BOOL bHighlight = TRUE);
    // When the focus index names no field that takes the focus, the first one that does.
    void EnsureFocusField();
    // The text and background colours of the fields.
    void SetColors(COLORREF crText, COLORREF crBackground);
    COLORREF GetTextColor() const { return m_crText; }
    // The background of the last paint (the window colour, or the disabled one).
    COLORREF GetBackgroundColor() const { return m_crBackground; }
    UINT GetFlags() const { return m_nFlags; }
    void SetFlags(UINT nFlags) { m_nFlags = nFlags; }
    HFONT GetFontHandle() const { return m_hFont; }

    int GetGadgetCount() const { return int(m_gadgets.GetSize()); }
    CGXBDTGadget* GetGadget(int nIndex) const;
    int GetFocusIndex() const { return m_nFocus; }
    int GetFixedGadgetCount() const { return m_nFixedGadgets; }
    int GetScroll() const { return m_nScroll; }
    void SetScroll(int nScroll) { m_nScroll = nScroll; }
    CGXBPopupCalendar* GetCalendar() const { return m_pCalendar; }
    // The gadget under point (client coordinates): a fixed gadget holding it, else the first field
    // (taking the focus or the mouse) whose right edge lies at or right of it, else the last one; -1.
    int HitTestGadget(CPoint point) const;

    // ---- services of the gadgets -----------------------------------------------------------------------
    void InvalidateGadget(CGXBDTGadget* pGadget, BOOL bUpdateNow);
    void CaptureGadget(CGXBDTGadget* pGadget, BOOL bCapture);

    // The parts of value; FALSE when it is not valid.
    static BOOL DecodeDate(const COleDateTime& value, GXBDateParts& parts);

protected:
    // Deletes the format's gadgets and builds them again from the pattern, then refreshes their
    // values.
    void ParseFormat();
    // Refreshes the gadgets whose id is in nMask from the value.
    void UpdateGadgetValues(int nMask);
    // Stores value, refreshing the gadgets whose parts changed.
    void ApplyValue(const COleDateTime& value);
    // Scrolls the field area so that gadget nIndex shows.
    void ScrollToGadget(int nIndex);
    // Releases a captured gadget, deletes an open calendar, focus index and scroll 0.
    void ResetState();
    // The new value of field nId for nCode into value and the level of its range check. FALSE when
    // the field refuses the change.
    BOOL ComputeFieldValue(int nCode, int nId, int nValue, COleDateTime& value, int& nLevel);
    // The focused gadget when it takes the focus, else null.
    CGXBDTGadget* GetFocusedField() const;
    // A gadget's point: scrolled unless the gadget is anchored.
    CPoint GadgetPoint(const CGXBDTGadget* pGadget, CPoint point) const;
    // Whether the window draws its own client edge (WS_EX_CLIENTEDGE on a system before version 4).
    BOOL DrawsOwnEdge() const;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnWndLButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWndLButtonUp(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWndMouseMove(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCancelMode();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnCalendarChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalendarCancelled(WPARAM wParam, LPARAM lParam);

    UINT m_nFlags = 0;
    UINT m_nNoEditMask = 0;
    BOOL m_bFastInput = TRUE;
    COleDateTime m_dtValue;
    COleDateTime m_dtMin;
    COleDateTime m_dtMax;
    int m_nValidationMode = gxNoValidation;
    int m_nFormatType = gxShortDate;
    CString m_strCustomFormat;
    HFONT m_hFont = nullptr;
    int m_nFocus = 0;
    int m_nScroll = 0;
    int m_nRightWidth = 0;
    int m_nFixedGadgets = 0;
    CGXBDTGadget* m_pCaptureGadget = nullptr;
    CGXBPopupCalendar* m_pCalendar = nullptr;
    BOOL m_bPM = FALSE;
    COLORREF m_crBackground = 0;
    int m_nDisabledColorIndex = COLOR_BTNFACE;
    UINT m_nButtonBitmapId = 20028;
    UINT m_nFormatFlags = 0;
    CObArray m_gadgets;  // CGXBDTGadget*, owned
    COLORREF m_crText;
    COLORREF m_crBack;
};
