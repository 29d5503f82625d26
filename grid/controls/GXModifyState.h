// GXModifyState<TBase>: the active and modify state of the drawn cells that hold a choice back until
// the current cell moves on (the check box and radio button cells "with modify state"). The pending
// value is the Value of the control's cached style; the cell itself is written by Store, as an edit
// cell's text is.
#pragma once

#include "grid/engine/GXCore.h"
#include "grid/engine/GXRange.h"
#include "grid/engine/GXStyle.h"

template <class TBase>
class GXModifyState : public TBase {
public:
    using TBase::TBase;

    // The first activation drops and fetches the cached style again, so that the pending value
    // starts from the cell's stored one.
    void SetActive(BOOL bActive) override
    {
        if (bActive && !m_bActive) {
            this->FreeStyle();
            this->GetStyle();
        }
        m_bActive = bActive;
    }
    BOOL IsActive() override { return m_bActive; }
    void SetModify(BOOL bModified) override { m_bModified = bModified; }
    BOOL GetModify() override { return m_bModified; }
    // The base Init, the style fetched, nothing pending.
    void Init(ROWCOL nRow, ROWCOL nCol) override
    {
        TBase::Init(nRow, nCol);
        this->GetStyle();
        m_bModified = FALSE;
    }
    // A pending value is written into the cell (CGXGridCore::ApplyValueToRange) after the control
    // deactivates and drops its cached style; that answer. TRUE when nothing is pending.
    BOOL Store() override
    {
        if (!m_bModified || this->m_pStyle == nullptr)
            return TRUE;
        const CString strValue = this->m_pStyle->GetValueRef();
        SetActive(FALSE);
        this->FreeStyle();
        m_bModified = FALSE;
        const ROWCOL nRow = this->m_nRow, nCol = this->m_nCol;
        return this->m_pGrid->ApplyValueToRange(CGXCellRange(nRow, nCol, nRow, nCol), strValue, CGXStyle::gxOverride,
                                                this->m_pGrid->m_nStyleKind, 1);
    }

protected:
    // Activates the control when it is inactive and editing may start; TRUE when it is active.
    BOOL ActivateForChoice()
    {
        if (!m_bActive && this->OnStartEditing())
            SetActive(TRUE);
        return m_bActive;
    }
    // pszValue becomes the pending value: the cell is redrawn, modified, and the grid told.
    void SetPendingValue(const char* pszValue)
    {
        this->GetStyle();
        this->m_pStyle->SetValue(pszValue);
        this->Refresh();
        m_bModified = TRUE;
        this->OnModifyCell();
    }
    // The style to draw (nRow, nCol) with: the cached one (holding the pending value) while the
    // control is active on that cell, else style.
    const CGXStyle& DrawingStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
    {
        return m_bActive && this->IsAttachedTo(nRow, nCol) ? this->GetStyle() : style;
    }

    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
};
