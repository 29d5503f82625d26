// Printing a grid: splitting it into pages, printing one page at a time through the print loop, and
// the header and footer blocks of the properties. The grid's OnGridBeginPrinting, OnGridPrint and
// OnGridEndPrinting reach the first three operations; the properties call the others.
//
// Does not do yet: the module (CGXGridPrintImp) comes with its own work; its creator (GXCreatePrintImp) plugs
// into the table of GXOperations.cpp when it lands.
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
    // Draws a block into rect.
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
