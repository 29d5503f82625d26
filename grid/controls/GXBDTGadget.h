// The gadgets of the date/time window (CGXBDateTimeCtrl, GXBDateTimeCtrl.h): light objects, each one
// field of the value (a number or a name from a list), literal text between fields, the drop-down
// button or the spin arrows. The window lays them out in a row, paints them and routes keys to the
// gadget that has the focus and mouse presses to the gadget under the pointer.
//
// A gadget never changes the value itself: it asks its owner through Notify (code, field id, value)
// and the owner answers TRUE or FALSE, changes the value and refreshes the gadgets. Codes: gxStepUp
// and gxStepDown (one step), gxSpinUp and gxSpinDown (a spin step of 1, 2 or 5, with the spin's own
// id: the owner applies it to the focused field), gxButtonClicked, gxTestValue (would this typed
// number or list index be accepted; nothing changes), gxSetValue, gxHome and gxEnd (the field's
// lowest and highest value), gxTyping (typing starts, value 1, or ends, value 0) and gxComplete (all
// the field's digits are typed).
//
// Timers: a gadget's timer has no window (SetTimer without one; the system picks the id). One
// process-wide map from timer id to gadget lets the timer procedure (GXBDTTimerProc, run inside the
// class library's exception barrier) find the gadget; an id not in the map is ignored. The spin
// counts its repeats in ticks, the list clears its type-ahead prefix when its timer fires, so both are
// driven by ticks, never by reading the clock.
//
// Beeps go through the services seam (MessageBeep(-1)). Colours come from the grid library's
// system-colour cache.
#pragma once

#include "core/Arrays.h"
#include "core/Core.h"
#include "win/CGdiObject.h"
#include "win/CRect.h"

class CDC;
class CMapWordToOb;
class CGXBDateTimeCtrl;

class CGXBDTGadget : public CObject {
    DECLARE_DYNAMIC(CGXBDTGadget)
public:
    // Style bits.
    enum : UINT { gxFocusable = 1, gxMouse = 2, gxAnchorRight = 4 };
    // Field ids: single bits, so that the owner refreshes fields by a mask.
    enum : int {
        gxHour12 = 1,
        gxHour24 = 2,
        gxMinute = 4,
        gxSecond = 8,
        gxAmPm = 16,
        gxDay = 32,
        gxDayOfWeek = 64,
        gxMonth = 128,
        gxMonthName = 256,
        gxYear2 = 512,
        gxYear4 = 1024,
        gxButton = 16384,
        gxSpin = 32768,
        gxAllFields = 0x7ff
    };
    // Notification codes.
    enum : int {
        gxStepUp = 1,
        gxStepDown = 2,
        gxSpinUp = 3,
        gxSpinDown = 4,
        gxButtonClicked = 5,
        gxTestValue = 6,
        gxSetValue = 7,
        gxHome = 8,
        gxEnd = 9,
        gxTyping = 10,
        gxComplete = 11
    };

    CGXBDTGadget();
    // Stops a running timer.
    ~CGXBDTGadget() override;

    // The natural size into m_rect, top-left at (0, 0) (a bottom of -1: the full client height).
    virtual void CalcSize(CDC* pDC) = 0;
    // Paints the gadget in m_rect.
    virtual void Draw(CDC* pDC) = 0;
    // Takes or gives up the focus: refused (FALSE) without gxFocusable; a change repaints. TRUE.
    virtual BOOL SetFocus(BOOL bFocus);
    // A key / character for the focused gadget. TRUE when taken. Nothing here.
    virtual BOOL OnKeyDown(UINT nChar);
    virtual BOOL OnChar(UINT nChar);
    // Mouse messages in the owner's unscrolled client coordinates. Nothing here.
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual void OnCancelMode();
    virtual void OnTimer();
    virtual void OnSysColorChange();

    // Ties the gadget to its owner with its field id. TRUE.
    BOOL Initialise(CGXBDateTimeCtrl* pOwner, int nId);
    void SetStyle(UINT nStyle) { m_nStyle = nStyle; }
    UINT GetStyle() const { return m_nStyle; }
    void SetValue(int nValue) { m_nValue = nValue; }
    int GetValue() const { return m_nValue; }
    int GetId() const { return m_nId; }
    const CRect& GetRect() const { return m_rect; }
    void SetRect(const CRect& rect) { m_rect = rect; }
    BOOL HasFocus() const { return m_bFocus; }
    // The focus flag without repainting (the cell's drawing copy).
    void SetFocusFlag(BOOL bFocus) { m_bFocus = bFocus; }
    // The owner's answer to a notification; FALSE without an owner.
    BOOL Notify(int nCode, int nId, int nValue);
    // Asks the owner to repaint the gadget (at once when bUpdateNow).
    void Invalidate(BOOL bUpdateNow = FALSE);
    // Asks the owner to route all mouse messages to this gadget, or to stop.
    void CaptureMouse(BOOL bCapture);
    // The owner's background colour of its last paint.
    COLORREF GetBkColor() const;
    // Starts the gadget's timer (stopping one that runs) / stops it.
    void StartTimer(UINT nMilliseconds);
    void StopTimer();
    // The id of the gadget's running timer, 0 when none.
    UINT_PTR GetTimerId() const;

    // The process-wide map from timer id to gadget, and the timer procedure that looks ids up in it.
    static CMapWordToOb& GetTimerMap();
    static void CALLBACK TimerProc(HWND hWnd, UINT nMessage, UINT_PTR nIdEvent, DWORD dwTime);

protected:
    // MessageBeep(-1) through the services seam.
    static void Beep();

    CRect m_rect;
    BOOL m_bFocus = FALSE;
    UINT m_nStyle = gxFocusable;
    int m_nId = -1;
    int m_nValue = 0;
    CGXBDateTimeCtrl* m_pOwner = nullptr;
};

// A number: typed digit by digit, stepped by keys.
class CGXBDTNumericGadget : public CGXBDTGadget {
    DECLARE_DYNAMIC(CGXBDTNumericGadget)
public:
    // The field's range (the owner checks typed values), its value, padding and id. TRUE.
    BOOL Initialise(CGXBDateTimeCtrl* pOwner, int nMin, int nMax, int nValue, BOOL bLeadingZeros, int nId);

    // The extent of m_nWidth zeros.
    void CalcSize(CDC* pDC) override;
    // The typed or stored value, centred; highlighted with the focus.
    void Draw(CDC* pDC) override;
    // Commits a typed value first.
    BOOL SetFocus(BOOL bFocus) override;
    // A non-digit key commits a typed value (refused when the commit fails); End, Home, Up (or +) and
    // Down (or -) ask for gxEnd, gxHome, gxStepUp and gxStepDown.
    BOOL OnKeyDown(UINT nChar) override;
    // Digits are typed (gxComplete once all are typed and committed); another character while
    // typing beeps and abandons the typing.
    BOOL OnChar(UINT nChar) override;
    // Commits a typed value.
    void OnCancelMode() override;

    // Ends the typing: the typed value is asked for (gxTestValue) and, when accepted, set
    // (gxSetValue); a refused one beeps. gxTyping with 0 follows either way. TRUE when set.
    BOOL CommitInput();
    BOOL IsTyping() const { return m_nTypedCount > 0; }
    int GetWidth() const { return m_nWidth; }
    BOOL HasLeadingZeros() const { return m_bLeadingZeros; }
    int GetMin() const { return m_nMin; }
    int GetMax() const { return m_nMax; }
    // nValue as the gadget shows it: zero-padded to its width with leading zeros, else "%d".
    CString FormatValue(int nValue) const;

private:
    int m_nMin = 0;
    int m_nMax = 0;
    int m_nWidth = 1;
    int m_nTyped = 0;
    int m_nTypedCount = 0;
    BOOL m_bLeadingZeros = FALSE;
};

// A name chosen from a list: stepped by keys, found by typing its first letters.
class CGXBDTListGadget : public CGXBDTGadget {
    DECLARE_DYNAMIC(CGXBDTListGadget)
public:
    // The names, the index shown and the id. TRUE.
    BOOL Initialise(CGXBDateTimeCtrl* pOwner, const CStringArray& strings, int nValue, int nId);

    // The widest and the tallest name.
    void CalcSize(CDC* pDC) override;
    // The name at the value, centred; highlighted with the focus.
    void Draw(CDC* pDC) override;
    // Stops the type-ahead timer first.
    BOOL SetFocus(BOOL bFocus) override;
    // End, Home, Up (or +) and Down (or -), each after stopping the type-ahead timer.
    BOOL OnKeyDown(UINT nChar) override;
    // Type-ahead: a first character finds the next name after the current one that begins with it;
    // the same character again moves on among those names; further characters extend the prefix,
    // searched from the current name. 2000 ms without a key clear the prefix.
    BOOL OnChar(UINT nChar) override;
    // The type-ahead timer: stops and clears the prefix.
    void OnTimer() override;

    // The first name from nStart on (wrapping; a start outside the list counts as 0) that begins with
    // strPrefix (ignoring case) and that the owner accepts, set through gxSetValue. Its index, or -1.
    int FindMatch(const CString& strPrefix, int nStart);
    const CStringArray& GetStrings() const { return m_strings; }
    const CString& GetPrefix() const { return m_strTyped; }
    // The name at nIndex (empty outside the list).
    CString GetString(int nIndex) const;

private:
    // Stops the type-ahead timer, keeping the prefix.
    void StopTypeAhead();

    CStringArray m_strings;
    char m_achChar[3] = {};  // a double-byte character assembled from its two messages
    CString m_strTyped;
    BOOL m_bTimer = FALSE;
};

// The two spin arrows: a press steps at once, repeats after 500 ms and then every 100 ms tick, with
// steps of 2 from tick 21 and 5 from tick 51.
class CGXBDTSpinGadget : public CGXBDTGadget {
    DECLARE_DYNAMIC(CGXBDTSpinGadget)
public:
    // The state bits.
    enum : UINT {
        gxUpPressed = 1,
        gxDownPressed = 2,
        gxTrackUp = 4,
        gxTrackDown = 8,
        gxTimerRunning = 16,
        gxInitialDelay = 32
    };

    CGXBDTSpinGadget();

    // 16 pixels wide, the full client height.
    void CalcSize(CDC* pDC) override;
    // Button face with the two arrow buttons.
    void Draw(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnCancelMode() override;
    void OnTimer() override;

    // -1 outside, 0 the upper half, 1 the lower half.
    int HitTest(CPoint point) const;
    UINT GetState() const { return m_nState; }
    int GetTicks() const { return m_nTicks; }

private:
    // Ends the tracking of a press.
    void EndTracking();

    UINT m_nState = 0;
    int m_nTicks = 0;
};

// The drop-down button: a click (press and release on it) sends gxButtonClicked.
class CGXBDTButtonGadget : public CGXBDTGadget {
    DECLARE_DYNAMIC(CGXBDTButtonGadget)
public:
    CGXBDTButtonGadget();

    // Loads the bitmap nBitmapId in the current colours. FALSE when it cannot be loaded.
    BOOL Initialise(CGXBDateTimeCtrl* pOwner, UINT nBitmapId, int nId);

    // 16 pixels wide, the full client height.
    void CalcSize(CDC* pDC) override;
    // A raised or pressed button with the bitmap centred.
    void Draw(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnCancelMode() override;
    // Loads the bitmap again in the new colours.
    void OnSysColorChange() override;

    UINT GetState() const { return m_nState; }

private:
    // bit 0 tracking a press, bit 1 drawn pressed
    UINT m_nState = 0;
    CBitmap m_bitmap;
    UINT m_nBitmapId = 0;
};

// Literal text between fields.
class CGXBDTStaticGadget : public CGXBDTGadget {
    DECLARE_DYNAMIC(CGXBDTStaticGadget)
public:
    CGXBDTStaticGadget();

    // The text, id -1. TRUE.
    BOOL Initialise(CGXBDateTimeCtrl* pOwner, const CString& strText, int nId = -1);

    // The extent of the text.
    void CalcSize(CDC* pDC) override;
    // The text, left-aligned on one line.
    void Draw(CDC* pDC) override;

    const CString& GetText() const { return m_strText; }

private:
    CString m_strText;
};

// Draws one spin arrow button in rect: raised or pressed, its arrow pointing up or down.
void GXBDrawSpinArrowButton(CDC* pDC, const CRect& rect, BOOL bUp, BOOL bPressed);
