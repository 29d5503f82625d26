// Printing a grid: splitting it into pages, printing one page at a time through the print loop, and
// the header and footer blocks of the properties. The grid's OnGridBeginPrinting, OnGridPrint and
// OnGridEndPrinting reach the first three operations; the properties call the others.
//
// The module (CGXGridPrintImp, GXGridPrintImp.cpp) keeps no data: the pages of a job live in the grid
// (its print rectangle, print top row and left column, the row and column page starts), the pages found
// are also remembered in the properties' page breaks. Page order 0 runs across the columns first, 1 down
// the rows first. The preview opens at the page that holds the screen's top-left cell; the page
// description gets " / <pages>" appended. Printing the selection without a selection prints the screen.
// Header and footer tokens match without case; "$D{format}" is the current time in that format ("%c"
// without one, empty for a format the class library's CTime::Format refuses).
// Every job measures its pages; the page breaks it remembers in the properties are not taken
// instead of measuring.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "win/CRect.h"

class CDC;
class CDocument;
class CPrintInfo;
class CGXData;
class CGXGridCore;
class CGXGridParam;
class CGXProperties;
class CGXStylesMap;

class CGXAbstractGridPrintImp : public CObject {
public:
    // Printing starts (pages counted), a page is printed, printing ends.
    virtual void OnBeginPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnPrintPage(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnEndPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
    // The header and footer of a page, for the document and parameter object printed.
    virtual void PrintHeaderAndFooter(CGXProperties& properties, CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc,
                                      CGXGridParam* pParam) = 0;
    // The height the header or footer block needs.
    virtual int CalcHeaderFooterHeight(CGXProperties& properties, CDC* pDC, CGXData& block,
                                       CGXStylesMap* pStylesMap) = 0;
    // Draws a block into rect: each line of a column with the drawing service's text drawing
    // (GetDrawingAndFormatting, DrawTextWrapped), single-line, aligned left, centred or right by the
    // column, clipped only to the page.
    virtual void DrawHeaderFooter(CGXProperties& properties, CDC* pDC, CPrintInfo* pInfo, const CRect& rect,
                                  CGXData& block, CGXStylesMap* pStylesMap) = 0;
    // The text with its tokens ("$F", "$A", "$P", "$N", "$D", "$R") replaced by their values.
    virtual CString SubstituteTokens(CGXProperties& properties, const char* pszText) = 0;
    // The value of token nIndex; strRest is the text after it (an argument in braces is taken off).
    virtual CString GetTokenValue(CGXProperties& properties, int nIndex, CString& strRest) = 0;
    // The argument in braces at the start of strRest (taken off), else empty.
    virtual CString GetTokenArgument(CGXProperties& properties, CString& strRest) = 0;
};

CGXAbstractGridPrintImp* GXCreatePrintImp();
