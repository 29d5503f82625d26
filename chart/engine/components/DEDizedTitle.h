// DEDizedTitle: the text component of a chart, and the base of every text-bearing component (labels,
// label blocks, text panels, legends, displays). Its lines (separated by '\n'; a final '\n' ends the
// last line and starts no new one) are drawn in a font of its own inside the inner rectangle (the
// placement less border and margins): the block of lines centred vertically, each line aligned left,
// right or centred. Lines never wrap; one wider than the rectangle runs past it.
//
// Font: face, size (points when positive, a pixel height when negative) and flags: 0x01 bold, 0x02
// italic, 0x04 underline, 0x08 strike-out, 0x10 automatic size (the text fills the inner rectangle,
// never below three pixels), 0x20 embossed (a white copy down-right and a black copy up-left under the
// text), 0x40 engraved (the two copies the other way round). The font comes from the chart's font
// cache, which keeps it; it is asked for again while printing, after a layout change, with automatic
// size, and after a change of the font's fields.
//
// Text: while the own-text flag is clear (the default) the title shows the chart's annotation for the
// chart's mode value, taken before each draw; an empty text draws nothing.
//
// Template text: keyword "title ", then "red green blue "face" size flags alignment" after the common
// part. Stored form: the component's, then alignment, text colour, size, flags, text, face and (from
// version 3, the title's version) the own-text flag.
//
// DEDizedTitleResizeable: a title whose frame hugs its text while it is drawn (see GetFittedRect); the
// stored placement never changes. It stores its automatic-resize flag from version 4.
#pragma once

#include "chart/engine/components/DEDizedComponent.h"

#include <vector>

class DEDizedTitle : public DEDizedComponent {
    DECLARE_SERIAL(DEDizedTitle)
public:
    enum { alignLeft = 0, alignRight = 1, alignCentre = 2 };
    enum {
        fontBold = 0x01,
        fontItalic = 0x02,
        fontUnderline = 0x04,
        fontStrikeOut = 0x08,
        fontAutoSize = 0x10,
        fontEmbossed = 0x20,
        fontEngraved = 0x40,
    };

    // Type id chartTypeTitle, centred, black, 10 points, no flags, "Arial", empty text.
    DEDizedTitle();

    void Serialize(CArchive& ar) override;
    // Takes the chart's annotation for the mode value unless the own-text flag is set.
    void LayoutHook() override;
    // The text block in the inner rectangle (nothing when the visible flag is clear).
    void DrawContent() override;
    // Parses "red green blue "face" size flags alignment" (face: letters, digits, '-', '_', '.' and
    // blanks, at most 30 characters); fewer than seven values raise DEDizedException code 10. Sets the
    // text to a blank with that alignment, the colour and the font. Returns the text after the part.
    const char* ReadTemplateClassPart(const char* lpszText) override;
    void WriteTemplateKeyword(CStdioFile& writer) override;
    void WriteTemplateClassPart(CStdioFile& writer) override;

    // Asks the chart's font cache for the font of the face, GetFontSize and the flags (orientation
    // 0), for the DC drawn into. Nothing without a chart.
    virtual void BuildFont();
    // The lines of lpszText (0 for an empty text).
    virtual int CountLines(const char* lpszText);
    // Draws the lines of lpszText in rect with the DC's font (see the top of this file): the block's
    // first row at (height - lines x line height) / 2 + top - 1, each line at the left edge, the right
    // edge or the middle by the alignment. Nothing for an empty text. The DC's text alignment and
    // colour are restored.
    virtual void DrawTextBlock(const char* lpszText, const RECT& rect);
    // DrawTextBlock on copies of its arguments.
    virtual void DrawTextBlockCopy(CString text, CRect rect);
    // Takes the face (unless empty), the size (-|lfHeight| unless 0) and bold, italic, underline and
    // strike-out of *pLogFont (not null); automatic size, embossed and engraved are cleared.
    virtual void SetLogFont(const LOGFONT* pLogFont);
    // The pixel height (negative) that makes the text fill the inner rectangle: the 10-point height
    // times the smaller of the height and width ratios of rectangle and text, at least three pixels
    // (times the device scale when printing); -20 for an empty text. Only while drawing.
    virtual int FitFontSize();
    virtual void SetFontDirty(int bDirty);
    // Width of the widest line and the lines times the line height (the text's own height), measured
    // with the DC's font; (0, 0) outside drawing.
    virtual CSize MeasureText(const char* lpszText);
    virtual COLORREF GetTextColour();
    virtual void SetFace(const char* lpszFace);
    virtual void SetFace(const CString& face);
    virtual CString GetFace() const;
    // Size, flags and face at once; marks the font dirty.
    virtual void SetFont(int nSize, int nFlags, const char* lpszFace);
    // The text (an empty one is stored as a single blank) and its alignment.
    virtual void SetText(const char* lpszText, int nAlignment);
    virtual void SetTextColour(COLORREF crColour);

    // FitFontSize with automatic size, else the stored size.
    int GetFontSize();
    const CString& GetText() const { return m_strText; }
    int GetAlignment() const { return m_nAlignment; }
    int GetFontFlags() const { return m_nFontFlags; }
    void SetFontFlags(int nFlags);
    int GetStoredFontSize() const { return m_nFontSize; }
    int GetOwnText() const { return m_bOwnText; }
    void SetOwnText(int bOwnText) { m_bOwnText = bOwnText; }
    int IsFontDirty() const { return m_bFontDirty; }

    // Splits lpszText into its lines.
    static std::vector<CString> SplitLines(const char* lpszText);

protected:
    // Step 2 of drawing: marks the font dirty when printing, after a layout change or with automatic
    // size, and builds it when dirty (the flag is then cleared on a screen).
    void PrepareFont();
    // Draws one line at (x, y) with the DC's alignment: the embossed or engraved copies first (offsets
    // of the device scales), then the line in crColour.
    void DrawLine3D(int x, int y, const CString& line, COLORREF crColour);
    // The inner rectangle of the placement in device pixels.
    CRect GetInnerDeviceRect();
    // rect (device pixels) moved back inside the chart's drawing area (shifted left, then right, up,
    // then down, cut at the area's far edge where it is larger), then taken relative to the area's
    // origin: what a frame fitted to its content stores as its placement.
    CRect MoveIntoDrawingArea(CRect rect) const;
    // The pixel height (negative) at which lpszText, in the face and flags, fills a box of nWidth by
    // nHeight pixels: the 10-point height times the smaller of the height and width ratios of box and
    // text, at least three pixels (times the device scale when printing). 0 for an empty text or
    // outside drawing.
    int FitTextToBox(const char* lpszText, const char* lpszFace, int nFlags, int nWidth, int nHeight);
    // The text part of a template line: "red green blue "face" size flags alignment ".
    static CString TemplateTextPart(COLORREF crColour, const CString& face, int nSize, int nFlags, int nAlignment);

    int m_nAlignment;
    CString m_strText;
    HFONT m_hFont;              // from the chart's font cache, which owns it
    COLORREF m_crText;
    int m_bFontDirty;
    int m_nFontSize;
    int m_nFontFlags;
    CString m_strFace;
    int m_bOwnText;
};

// Selects a font into a DC for the scope's lifetime (nothing for a null handle or DC).
class ChartFontScope {
public:
    ChartFontScope(CDC* pDC, HFONT hFont);
    ~ChartFontScope();
    ChartFontScope(const ChartFontScope&) = delete;
    ChartFontScope& operator=(const ChartFontScope&) = delete;

private:
    CDC* m_pDC;
    CFont* m_pOld;
};

class DEDizedTitleResizeable : public DEDizedTitle {
    DECLARE_SERIAL(DEDizedTitleResizeable)
public:
    // Automatic resize on.
    DEDizedTitleResizeable();

    void Serialize(CArchive& ar) override;
    int GetVersion() const override;
    // With automatic resize the frame is fitted to the text first (the computing pass of DrawContent);
    // then background, shadow, border and text are drawn on the fitted rectangle, and the stored one
    // is put back.
    void Draw(CDC* pDC, CWnd* pWnd) override;
    // While computing: the text's extent centred in the inner rectangle, widened by border and margins,
    // moved back inside the chart's drawing area and taken into the rectangle's units becomes the
    // placement (a stored left or top of -1.0 keeps the fitted rectangle at the edge with its width or
    // height; a stored right or bottom of -1.0 stays). Otherwise the title's drawing.
    void DrawContent() override;

    virtual void SetAutoResize(int bAutoResize);
    virtual int GetAutoResize() const;
    // The rectangle the title would take when drawn into pDC (not null) for pWnd's client area (the
    // chart's present drawing area without a window): the fitted one with automatic resize, else the
    // placement. The chart and the title are left as they were.
    virtual void GetFittedRect(DEDizedRect& result, CDC* pDC, CWnd* pWnd);

protected:
    DEDizedRect m_savedRect;
    DEDizedRect m_fittedRect;
    int m_bComputing;
    int m_bAutoResize;
};
