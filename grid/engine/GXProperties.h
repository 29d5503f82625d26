// CGXProperties: a grid's display and print settings: colours, grid lines and header look, user
// properties (styles kept by a string-resource id, such as 51005 "Current Cell."), zoom, margins,
// print options, the header/footer tokens and the header and footer texts.
//
// Defaults: colours 0 "Grid Lines" = system colour COLOR_GRAYTEXT, 1 "Fixed Lines" = COLOR_ACTIVECAPTION,
// 2 "Tracking Line" and 3 "Dragging Line" = 255 (red), 4 "Background" = COLOR_BTNFACE (packed
// colours, GXColor.h); 3dHeader, VerticalLines, HorizontalLines, MarkRowHeader, MarkColumnHeader on;
// zoom 100; margins top 1.5, left 1, bottom 1.5, right 1 times the display's horizontal dots per inch
// (display pixels); Center Horizontal on, Center Vertical off, Print Column Headers, Print Horizontal
// Lines, Print Row Headers, Print Vertical Lines on, Page Order 0, Print Only Black&White and Print
// Frame on; header and footer distances 0.4 times the dots per inch; Start Page Numbering -1; the
// header holds "$R" in bold 16 points at row 1, column 2; the footer "$D" at row 1, column 1 and
// "$P/$N" at row 1, column 3 (both stores 10 rows by 3 columns).
//
// Names come from the string table; a colour without a text is named "COLOR%u", a user property
// "USERPROP%u" (with the id).
//
// Stored form (Serialize, forwarded to the document-serialisation module; nothing without it), schema
// 4: see GXDocSerializeImp.h. Profile settings (WriteProfile / ReadProfile, forwarded to the profile
// module; nothing / FALSE without it), section "Grid" by default: see GXProfileImp.h.
//
// Header and footer: the texts, heights and drawing of the printed header and footer go to the grid
// printing's module (GXPrintImp.h), made by the registered creator when first needed; without it the
// texts are empty, the heights 0 and nothing is drawn.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXData.h"
#include "win/CRect.h"

#include <map>
#include <memory>

class CDC;
class CDocument;
class CPrintInfo;
class CGXAbstractGridPrintImp;
class CGXGridParam;
class CGXStyle;
class CGXStylesMap;

class CGXProperties : public CObject {
    DECLARE_SERIAL(CGXProperties)
public:
    // Indexes of the default colours.
    enum { gxGridLineColor = 0, gxFixedLineColor = 1, gxTrackingLineColor = 2, gxDraggingLineColor = 3,
           gxBackgroundColor = 4 };

    // A user property: its id, its name and its style.
    struct UserPropertyEntry {
        WORD nId;
        CString strName;
        std::unique_ptr<CGXStyle> pStyle;
    };

    // The defaults of the top of this file (no user property yet; see AddDefaultUserProperties).
    CGXProperties();
    // A copy made by the parameter-copy module (the defaults without it).
    CGXProperties(const CGXProperties& other);
    ~CGXProperties() override;
    CGXProperties& operator=(const CGXProperties&) = delete;

    // The stored form.
    void Serialize(CArchive& ar) override;
    // Adds user property 51005 "Current Cell.": ControlId 52529 (drop-down list), ChoicesList the
    // five marking names one per line, Value the first.
    virtual void AddDefaultUserProperties();
    // Writes the settings to the profile section.
    virtual void WriteProfile() const;
    // Reads them from the profile section. FALSE (nothing changed) when the section does not exist.
    virtual BOOL ReadProfile();
    // The header (bHeader) or footer text for page nPage of nPages: its cells with the tokens replaced,
    // left, centre and right joined by tabs, one line per row that holds text ("\n" between lines).
    virtual CString GetHeaderFooterText(BOOL bHeader, int nPage, int nPages);
    // The height the header (bHeader) or footer block needs on pDC, its styles completed from pStylesMap
    // (may be null).
    virtual int GetHeaderFooterHeight(CDC* pDC, BOOL bHeader, CGXStylesMap* pStylesMap);
    // Draws the header (bHeader) or footer block into rect.
    virtual void DrawHeaderFooter(CDC* pDC, CPrintInfo* pInfo, const CRect& rect, BOOL bHeader,
                                  CGXStylesMap* pStylesMap);
    // Prints the header and footer of the page pInfo prints, for pDoc and pParam (either may be null).
    virtual void PrintHeaderFooter(CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc, CGXGridParam* pParam);

    // ---- colours ----
    // Adds the colour named by the string-table text of nId ("COLOR%u" when none); when a colour of
    // that name exists, nothing is added. Returns its index.
    int32_t AddColorProperty(UINT nId, COLORREF color);
    // The colour at nIndex (packed); 0 beyond the table.
    COLORREF GetColor(int32_t nIndex) const;
    // Sets the colour at nIndex (an index beyond the table throws CInvalidArgException*).
    void SetColor(int32_t nIndex, COLORREF color);
    // The name of the colour at nIndex (empty beyond the table).
    CString GetColorName(int32_t nIndex) const;
    int32_t GetColorCount() const { return m_colorNames.GetSize(); }

    // ---- user properties ----
    // Adds or replaces user property nId (not 0, else CInvalidArgException*): its name from the
    // string table ("USERPROP%u" when none), its style a Clone of style.
    void AddUserProperty(WORD nId, const CGXStyle& style);
    // The style of user property nId; the default style (empty) when absent.
    const CGXStyle& GetUserProperty(WORD nId) const;
    // The user properties by id.
    const std::map<WORD, std::unique_ptr<UserPropertyEntry>>& GetUserProperties() const { return m_userProperties; }
    // The five marking names (0 "Invert Thin." .. 4 "No Border."); empty beyond.
    CString GetMarkingName(int32_t nIndex) const;
    // The header/footer tokens: "$F", "$A", "$P", "$N", "$D", "$R".
    const CStringArray& GetTokens() const { return m_tokens; }
    // The tokens' values, by the tokens' indexes (set while printing; "$D" has none).
    CStringArray& GetTokenValues() { return m_tokenValues; }

    // ---- display settings ----
    BOOL GetDisplay3dHeader() const { return m_b3dHeader; }
    void SetDisplay3dHeader(BOOL b) { m_b3dHeader = b; }
    BOOL GetDisplayVertLines() const { return m_bDisplayVertLines; }
    void SetDisplayVertLines(BOOL b) { m_bDisplayVertLines = b; }
    BOOL GetDisplayHorzLines() const { return m_bDisplayHorzLines; }
    void SetDisplayHorzLines(BOOL b) { m_bDisplayHorzLines = b; }
    BOOL GetMarkRowHeader() const { return m_bMarkRowHeader; }
    void SetMarkRowHeader(BOOL b) { m_bMarkRowHeader = b; }
    BOOL GetMarkColHeader() const { return m_bMarkColHeader; }
    void SetMarkColHeader(BOOL b) { m_bMarkColHeader = b; }
    // Zoom percentage.
    int GetLastZoom() const { return m_nZoom; }
    void SetLastZoom(int nZoom) { m_nZoom = nZoom; }

    // ---- print settings ----
    BOOL GetCenterHorizontal() const { return m_bCenterHorizontal; }
    void SetCenterHorizontal(BOOL b) { m_bCenterHorizontal = b; }
    BOOL GetCenterVertical() const { return m_bCenterVertical; }
    void SetCenterVertical(BOOL b) { m_bCenterVertical = b; }
    BOOL GetPrintColHeaders() const { return m_bPrintColHeaders; }
    void SetPrintColHeaders(BOOL b) { m_bPrintColHeaders = b; }
    BOOL GetPrintRowHeaders() const { return m_bPrintRowHeaders; }
    void SetPrintRowHeaders(BOOL b) { m_bPrintRowHeaders = b; }
    BOOL GetPrintHorzLines() const { return m_bPrintHorzLines; }
    void SetPrintHorzLines(BOOL b) { m_bPrintHorzLines = b; }
    BOOL GetPrintVertLines() const { return m_bPrintVertLines; }
    void SetPrintVertLines(BOOL b) { m_bPrintVertLines = b; }
    // 0 down then across, 1 across then down.
    int GetPageOrder() const { return m_nPageOrder; }
    void SetPageOrder(int n) { m_nPageOrder = n; }
    BOOL GetBlackWhite() const { return m_bBlackWhite; }
    void SetBlackWhite(BOOL b) { m_bBlackWhite = b; }
    BOOL GetPrintFrame() const { return m_bPrintFrame; }
    void SetPrintFrame(BOOL b) { m_bPrintFrame = b; }
    // The printer DC while a grid prints (null otherwise; not owned).
    CDC* GetPrinterDC() const { return m_pPrinterDC; }
    void SetPrinterDC(CDC* pDC) { m_pPrinterDC = pDC; }
    // Margins in display pixels.
    void GetMargins(int& nTop, int& nLeft, int& nBottom, int& nRight) const;
    void SetMargins(int nTop, int nLeft, int nBottom, int nRight);
    // Header and footer distances in display pixels.
    void GetDistances(int& nHeader, int& nFooter) const;
    void SetDistances(int nHeader, int nFooter);
    // The first page number (-1: pages are not numbered from a given number).
    int GetFirstPage() const { return m_nFirstPage; }
    void SetFirstPage(int n) { m_nFirstPage = n; }
    // The header and footer texts (10 rows by 3 columns).
    CGXData& GetDataHeader() { return m_dataHeader; }
    const CGXData& GetDataHeader() const { return m_dataHeader; }
    CGXData& GetDataFooter() { return m_dataFooter; }
    const CGXData& GetDataFooter() const { return m_dataFooter; }
    // The page breaks the last pagination found (the first column or row of each page, then the one
    // after the last page), kept with the stored form.
    CDWordArray& GetColPageBreaks() { return m_adwValues1; }
    CDWordArray& GetRowPageBreaks() { return m_adwValues2; }

    // The profile section, "Grid" by default (empty or null: CInvalidArgException*).
    void SetSection(const char* pszSection);
    const CString& GetSection() const { return m_strSection; }

private:
    friend class CGXGridDocSerializeImp;
    friend class CGXGridParamCopyOperatorImp;
    friend class CGXGridProfileImp;

    CStringArray m_markingNames;
    CGXStyle* m_pStyleDefault;  // returned for unregistered user properties
    CStringArray m_tokens;
    std::map<WORD, std::unique_ptr<UserPropertyEntry>> m_userProperties;
    BOOL m_b3dHeader;
    BOOL m_bDisplayVertLines;
    BOOL m_bDisplayHorzLines;
    BOOL m_bMarkRowHeader;
    BOOL m_bMarkColHeader;
    CObject* m_pAttached;  // reserved for an attached object (null)
    CString m_strSection;
    CStringArray m_colorNames;
    CDWordArray m_colorValues;
    int m_nZoom;
    int m_nTopMargin;
    int m_nLeftMargin;
    int m_nBottomMargin;
    int m_nRightMargin;
    BOOL m_bCenterHorizontal;
    BOOL m_bCenterVertical;
    BOOL m_bPrintColHeaders;
    BOOL m_bPrintHorzLines;
    BOOL m_bPrintRowHeaders;
    BOOL m_bPrintVertLines;
    int m_nPageOrder;
    BOOL m_bBlackWhite;
    BOOL m_bPrintFrame;
    int m_nDistHeader;
    int m_nDistFooter;
    int m_nFirstPage;
    WORD m_awOptions[2];       // two option words of the stored form (0)
    CDWordArray m_adwValues1;  // the column and the row page breaks (stored form)
    CDWordArray m_adwValues2;
    CGXData m_dataHeader;
    CGXData m_dataFooter;
    CDC* m_pPrinterDC = nullptr;
    CStringArray m_tokenValues;
    // The printing module the header and footer go to (made on first use; not copied).
    std::unique_ptr<CGXAbstractGridPrintImp> m_pPrintImp;
    CGXAbstractGridPrintImp* PrintImp();
};
