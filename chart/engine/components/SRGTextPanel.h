// SRGTextPanel: a body of text with an optional heading beside it, both kept per mode value (the chart's
// mode value picks the pair shown). The heading stands at the top, left, right or bottom of the body;
// at the left it is written rotated by 90 degrees (read upwards), at the right by 270 (read downwards).
//
// Each draw first lays both out (device pixels): the heading's text extent (turned at the sides),
// widened by twice the horizontal margin and the vertical margin at the top and bottom, or by the
// horizontal margin and twice the vertical margin at the sides; the body's text extent widened by the
// margins on every side, placed beside the heading (below, right of, left of or above it); the shorter
// of the two is stretched to the longer along their shared edge. The panel is drawn over the two
// grown by its border width, so it holds them whatever its stored rectangle (which never changes). With
// the body-sizing flag clear the body is not measured: it keeps the stored rectangle (less the border)
// and the heading takes its band inside it, as long as the body's edge. A heading shows while the
// heading-shown flag is set and its text is not empty.
//
// Fills: the body's rectangle under the component's style, the heading's under the heading style. The
// border and shadow go round the whole panel. Texts are drawn without wrapping, in the body font and
// colour and the heading font and colour; each font's flags are the title's (bold 0x01 ... automatic
// size 0x10, embossed 0x20, engraved 0x40). An automatic heading size fills a fifth of the inner
// rectangle's height (top and bottom) or width (sides); an automatic body size fills the inner
// rectangle.
//
// Template text: keyword "textpanel ", then the body's and the heading's "red green blue "face" size
// flags alignment" one after the other; reading takes the first (the body's) into the body fields. The
// texts are no part of a template. Stored form: the title's, the heading style, the heading texts, the
// body texts, then the computing flag, the heading-shown and body-sizing flags, the body and heading
// colours, the orientation, the heading and body sizes, the heading and body flags, the heading and
// body faces, the heading position (from version 2) and the heading and body alignments (from version
// 3, the panel's).
#pragma once

#include "chart/engine/DEDizedAnnotation.h"
#include "chart/engine/components/DEDizedTitle.h"

class SRGTextPanel : public DEDizedTitle {
    DECLARE_SERIAL(SRGTextPanel)
public:
    enum { headingTop = 0, headingLeft = 1, headingRight = 2, headingBottom = 3 };

    // Type id chartTypeTextPanel; body and heading in 10-point Arial, black, the body left-aligned and
    // the heading centred, the heading shown at the top, the body sized.
    SRGTextPanel();

    void Serialize(CArchive& ar) override;
    int GetVersion() const override;
    // Lays out heading and body, then draws background, border, shadow and content over them (see the
    // top of this file); the stored rectangle is put back.
    void Draw(CDC* pDC, CWnd* pWnd) override;
    // The body's rectangle under the style, the heading's under the heading style.
    void DrawBackground() override;
    // The body text, then the heading text (nothing when the panel is hidden).
    void DrawContent() override;
    // The pixel height (negative) at which the body text fills the inner rectangle; -20 for none.
    int FitFontSize() override;
    // The title's text block with the body alignment.
    void DrawTextBlock(const char* lpszText, const RECT& rect) override;
    // The title's part, taken into the body's colour, font and alignment.
    const char* ReadTemplateClassPart(const char* lpszText) override;
    void WriteTemplateKeyword(CStdioFile& writer) override;
    // The body's part, then the heading's.
    void WriteTemplateClassPart(CStdioFile& writer) override;

    // The lines of lpszText in rect by the heading position: across (top, bottom) as the title's text
    // block with the heading alignment; at the sides a column of turned lines, the block centred across
    // it, each line at the top edge, the middle or the bottom edge by the alignment (1, 2, 0 at the left;
    // bottom, middle, top at the right). Nothing for an empty text.
    virtual void DrawBodyLines(const char* lpszText, const RECT& rect);
    virtual CString GetHeadingText(int nMode);
    virtual void SetHeadingPosition(int nPosition);
    virtual int GetHeadingPosition() const;
    virtual void SetHeadingColour(COLORREF crColour);
    virtual void SetBodyColour(COLORREF crColour);
    virtual COLORREF GetHeadingColour() const;
    virtual COLORREF GetBodyColour() const;
    virtual DEDizedStyle* GetHeadingStyle();
    // The heading's font from the chart's font cache (see the top of this file).
    virtual void BuildHeadingFont();
    // The heading's text extent at the body rectangle's edge by the position (turned at the sides, by
    // the ratio of the vertical to the horizontal resolution); sets the orientation. Only while
    // drawing.
    virtual CRect GetHeadingRect();
    virtual void SetBodyText(int nMode, const char* lpszText);
    virtual CString GetBodyText(int nMode);
    virtual void SetHeadingText(int nMode, const char* lpszText);
    virtual void SetBodyFontSize(int nSize);
    virtual int GetBodyFontSize() const;
    virtual void SetHeadingFontSize(int nSize);
    virtual int GetHeadingFontSize() const;
    virtual void SetBodyFlags(int nFlags);
    virtual int GetBodyFlags() const;
    virtual void SetHeadingFlags(int nFlags);
    virtual int GetHeadingFlags() const;
    virtual void SetBodyFace(const char* lpszFace);
    virtual CString GetBodyFace() const;
    virtual void SetHeadingFace(const char* lpszFace);
    virtual CString GetHeadingFace() const;
    virtual int GetHeadingShown() const;
    virtual void SetHeadingShown(int bShown);
    virtual void SetBodySizing(int bSizing);
    virtual int GetBodySizing() const;
    virtual void SetHeadingAlignment(int nAlignment);
    virtual int GetHeadingAlignment() const;
    virtual void SetBodyAlignment(int nAlignment);
    virtual int GetBodyAlignment() const;

    // The rectangles of the last layout (device pixels) and the heading's orientation (tenths of a
    // degree).
    CRect GetLaidOutHeadingRect() const { return m_rcHeading; }
    CRect GetBodyRect() const { return m_rcBody; }
    int GetOrientation() const { return m_nOrientation; }

protected:
    // True when a heading is laid out and drawn: shown, with a text for the mode value.
    bool HasHeading();
    // Loads the title's font fields from the body's and builds the body font.
    void PrepareBodyFont();
    // The layout of heading and body (see the top of this file).
    void LayOut();

    DEDizedStyle m_headingStyle;
    CRect m_rcHeading;
    CRect m_rcBody;
    int m_bComputing;
    COLORREF m_crBody;
    COLORREF m_crHeading;
    int m_nOrientation;
    HFONT m_hHeadingFont;  // from the chart's font cache, which owns it
    DEDizedAnnotationList m_headingTexts;
    DEDizedAnnotationList m_bodyTexts;
    int m_nBodySize;
    int m_nBodyFlags;
    CString m_strBodyFace;
    int m_nHeadingSize;
    int m_nHeadingFlags;
    CString m_strHeadingFace;
    int m_bHeadingShown;
    int m_bBodySizing;
    int m_nHeadingPosition;
    int m_nBodyAlignment;
    int m_nHeadingAlignment;
    DEDizedRect m_savedRect;
};
