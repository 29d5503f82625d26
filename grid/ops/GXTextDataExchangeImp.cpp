// The clipboard text module (see GXTextDataExchangeImp.h).
#include "grid/ops/GXTextDataExchangeImp.h"

#include "core/CFile.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "grid/ops/GXCellBlocks.h"

#include <algorithm>
#include <cstring>

namespace {

// The characters that end a pasted field besides the line ends.
CString PasteSeparators(const CGXGridCore* pGrid)
{
    return pGrid->m_strPasteSeparators.IsEmpty() ? CString("\t") : pGrid->m_strPasteSeparators;
}

BOOL IsLeadByte(const char* p, const char* pEnd)
{
    return ::IsDBCSLeadByte(BYTE(*p)) && p + 1 < pEnd;
}

// Walks a pasted text field by field (see the top of GXTextDataExchangeImp.h):
// fn(nRowOffset, nColOffset, pszField, nLength, nPos) for each, nPos being
// where the field ends; fn answers FALSE to stop. The text ends at nSize or at
// its first NUL byte; a last field without an end counts when it holds
// something or its line had a separator.
template <class Fn>
void ScanFields(const char* pszBuffer, DWORD nSize, const CString& strSeparators, Fn fn)
{
    const DWORD nEnd = DWORD(strnlen(pszBuffer, nSize));
    ROWCOL nRow = 0, nCol = 0;
    DWORD nStart = 0, n = 0;
    for (;;) {
        if (n >= nEnd) {
            if (n > nStart || nCol > 0)
                fn(nRow, nCol, pszBuffer + nStart, n - nStart, n);
            return;
        }
        const char c = pszBuffer[n];
        if (IsLeadByte(pszBuffer + n, pszBuffer + nEnd)) {
            n += 2;
            continue;
        }
        const BOOL bLineEnd = c == '\r' || c == '\n';
        if (!bLineEnd && strchr(strSeparators.GetString(), c) == nullptr) {
            ++n;
            continue;
        }
        if (!fn(nRow, nCol, pszBuffer + nStart, n - nStart, n))
            return;
        ++n;
        if (bLineEnd) {
            if (c == '\r' && n < nEnd && pszBuffer[n] == '\n')
                ++n;
            if (n >= nEnd)
                return;  // the text's last line end adds no row
            ++nRow;
            nCol = 0;
        } else {
            ++nCol;
        }
        nStart = n;
    }
}

// A cell's text as it is copied: tabs and line breaks may not end a field.
CString EscapeCellText(const CString& strText, BOOL bEscape)
{
    CString strResult;
    const char* p = strText.GetString();
    const char* pEnd = p + strText.GetLength();
    for (; p < pEnd; ++p) {
        if (IsLeadByte(p, pEnd)) {
            strResult += CString(p, 2);
            ++p;
        } else if (*p == '\t') {
            strResult += "\\t";
        } else if (*p == '\r') {
            if (bEscape) {
                strResult += "\\r";
            } else {
                strResult += ' ';
                if (p + 1 < pEnd && p[1] == '\n')
                    ++p;
            }
        } else if (*p == '\n') {
            strResult += bEscape ? "\\n" : " ";
        } else {
            strResult += *p;
        }
    }
    return strResult;
}

// A pasted field with backslash r, n and t turned back into CR, LF and tab.
CString UnescapeField(const char* p, DWORD nLength)
{
    CString strResult;
    const char* pEnd = p + nLength;
    for (; p < pEnd; ++p) {
        if (IsLeadByte(p, pEnd)) {
            strResult += CString(p, 2);
            ++p;
        } else if (*p == '\\' && p + 1 < pEnd && (p[1] == 'r' || p[1] == 'n' || p[1] == 't')) {
            strResult += p[1] == 'r' ? '\r' : p[1] == 'n' ? '\n' : '\t';
            ++p;
        } else {
            strResult += *p;
        }
    }
    return strResult;
}

}  // namespace

CGXAbstractGridTextDataExchangeImp* GXCreateTextDataExchangeImp()
{
    return new CGXGridTextDataExchangeImp;
}

BOOL CGXGridTextDataExchangeImp::CopyTextToFile(CGXGridCore* pGrid, CFile& file, const CGXRangeList& selList)
{
    GXCellBlocks blocks;
    blocks.Compute(pGrid, selList);
    const uint64_t nTotal = blocks.nRows * blocks.nCols;
    CGXLongOperation operation;
    operation.SetStatusText(GXLoadText(GX_IDS_COPYINGTEXT));

    const CString strSeparator = pGrid->m_strCopySeparator.IsEmpty() ? CString("\t") : pGrid->m_strCopySeparator;
    const BOOL bEscape = (pGrid->m_nClipboardFlags & CGXGridCore::gxClipEscapes) != 0;
    const BOOL bLineEnds = nTotal > 1;
    BOOL bAnyText = FALSE, bAborted = FALSE;
    uint64_t nCell = 0;
    ROWCOL nRowsWritten = 0;
    CString strText;
    for (uint64_t nRowOffset = 0; nRowOffset < blocks.nRows && !bAborted; ++nRowOffset) {
        const ROWCOL nRow = blocks.RowAt(nRowOffset);
        CString strLine;
        for (uint64_t nColOffset = 0; nColOffset < blocks.nCols && !bAborted; ++nColOffset) {
            if (nColOffset > 0)
                strLine += strSeparator;
            pGrid->GetCopyTextRowCol(nRow, blocks.ColAt(nColOffset), strText);
            bAnyText |= !strText.IsEmpty();
            strLine += EscapeCellText(strText, bEscape);
            bAborted = operation.StepProgress(++nCell, nTotal);
        }
        if (bLineEnds)
            strLine += "\r\n";
        file.Write(strLine.GetString(), UINT(strLine.GetLength()));
        ++nRowsWritten;
    }
    pGrid->m_nLastCopiedRows = nRowsWritten;
    pGrid->m_nLastCopiedCols = ROWCOL(blocks.nCols);
    return !bAborted && bAnyText;
}

void CGXGridTextDataExchangeImp::GetCellText(CString& strText, CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
    strText = GXCellControlText(pGrid, nRow, nCol, *pStyle);
    pGrid->RecycleStyle(pStyle);
}

BOOL CGXGridTextDataExchangeImp::PasteTextFromBuffer(CGXGridCore* pGrid, const char* pszBuffer, DWORD nSize,
                                                     const CGXCellRange& range)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pszBuffer == nullptr || pParam == nullptr || !range.IsValid())
        return FALSE;
    CGXLongOperation operation;
    operation.SetStatusText(GXLoadText(GX_IDS_PASTINGDATA));
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    const GXRollbackPossible rollbackPossible;

    pGrid->TransferCurrentCell(TRUE, 2, TRUE);
    pGrid->BeginTrans(GXLoadText(GX_IDS_PASTE));
    const BOOL bOldLock = pParam->IsLockRedraw();
    pParam->SetLockRedraw(TRUE);

    const UINT nFlags = pGrid->m_nClipboardFlags;
    const ROWCOL nOldRows = pGrid->GetRowCount(), nOldCols = pGrid->GetColCount();
    ROWCOL nLastRow = range.top, nLastCol = range.left;
    BOOL bEnded = FALSE, bAborted = FALSE;
    try {
        ScanFields(pszBuffer, nSize, PasteSeparators(pGrid),
                   [&](ROWCOL nRowOffset, ROWCOL nColOffset, const char* pszField, DWORD nLength, DWORD nPos) {
                       const ROWCOL nRow = range.top + nRowOffset, nCol = range.left + nColOffset;
                       if (nRow > pGrid->GetRowCount() &&
                           ((nFlags & CGXGridCore::gxClipNoNewRows) != 0 || !pGrid->SetRowCount(nRow, 2)))
                           return false;
                       if (nCol > pGrid->GetColCount() && (nFlags & CGXGridCore::gxClipNoNewCols) == 0)
                           pGrid->SetColCount(nCol, 2);
                       if (nCol <= pGrid->GetColCount()) {
                           const CString strText = (nFlags & CGXGridCore::gxClipEscapes) != 0
                                                       ? UnescapeField(pszField, nLength)
                                                       : CString(pszField, int(nLength));
                           CGXStyle* pStyle = pGrid->CreateStyle();
                           pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
                           const BOOL bStored = pGrid->PasteTextRowCol(nRow, nCol, strText, 1, pStyle);
                           pGrid->RecycleStyle(pStyle);
                           if (!bStored) {
                               bEnded = TRUE;
                               return false;
                           }
                           nLastRow = std::max(nLastRow, nRow);
                           nLastCol = std::max(nLastCol, nCol);
                       }
                       if (operation.StepProgress(nPos, nSize)) {
                           bEnded = bAborted = TRUE;
                           return false;
                       }
                       return true;
                   });
    } catch (...) {
        pParam->SetLockRedraw(bOldLock);
        pGrid->Rollback();
        throw;
    }
    if (bAborted && settings.m_bRollbackRequested)
        pGrid->Rollback();
    else
        pGrid->CommitTrans();
    pParam->SetLockRedraw(bOldLock);

    if (pGrid->GetRowCount() != nOldRows || pGrid->GetColCount() != nOldCols)
        pGrid->Redraw(2,
                      TRUE);  // the scroll bars and what lies after the old counts
    else
        pGrid->RedrawRowCol(range.top, range.left, nLastRow, nLastCol, 2, TRUE);
    pGrid->RecalcAndShowErrors(TRUE, nullptr, TRUE);
    return !bEnded;
}

BOOL CGXGridTextDataExchangeImp::SetCellText(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const char* pszText,
                                             UINT nFlags, const CGXStyle* pStyle)
{
    return pGrid->SetControlTextRowCol(nRow, nCol, pszText, nFlags, pStyle);
}

BOOL CGXGridTextDataExchangeImp::CalcBufferDimension(CGXGridCore* pGrid, const char* pszBuffer, DWORD nSize,
                                                     ROWCOL& nRows, ROWCOL& nCols)
{
    nRows = 0;
    nCols = 1;
    if (pszBuffer == nullptr)
        return TRUE;
    ScanFields(pszBuffer, nSize, PasteSeparators(pGrid), [&](ROWCOL nRow, ROWCOL nCol, const char*, DWORD, DWORD) {
        nRows = std::max(nRows, nRow + 1);
        nCols = std::max(nCols, nCol + 1);
        return TRUE;
    });
    return TRUE;
}
