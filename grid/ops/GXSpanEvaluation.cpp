// The style cache and redraw lock of the span evaluations (see GXSpanEvaluation.h).
#include "grid/ops/GXSpanEvaluation.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"

#include <memory>

CGXSpanStyleCache::~CGXSpanStyleCache()
{
    // the grid may be going: its scratch list is not asked for
    for (const auto& entry : m_styles)
        delete entry.second;
}

CGXStyle& CGXSpanStyleCache::Get(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    if (!m_styles.empty() && (nRow != m_nRow || pGrid != m_pGrid))
        Empty();
    m_pGrid = pGrid;
    m_nRow = nRow;
    const auto it = m_styles.find(nCol);
    if (it != m_styles.end())
        return *it->second;
    CGXStyle* pStyle = pGrid->CreateStyle();
    try {
        pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
        m_styles[nCol] = pStyle;
    } catch (...) {
        pGrid->RecycleStyle(pStyle);
        throw;
    }
    return *pStyle;
}

void CGXSpanStyleCache::Empty()
{
    for (const auto& entry : m_styles)
        m_pGrid->RecycleStyle(entry.second);
    m_styles.clear();
}

CGXSpanRedrawLock::CGXSpanRedrawLock(CGXGridParam* pParam, BOOL bAlreadyLocked)
    : m_pParam(bAlreadyLocked ? nullptr : pParam), m_bOld(pParam->IsLockRedraw())
{
    if (m_pParam != nullptr)
        m_pParam->SetLockRedraw(TRUE);
}

CGXSpanRedrawLock::~CGXSpanRedrawLock()
{
    if (m_pParam != nullptr)
        m_pParam->SetLockRedraw(m_bOld);
}
