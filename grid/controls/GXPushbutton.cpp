// The push-button cell (see GXPushbutton.h).
#include "grid/controls/GXPushbutton.h"

#include "grid/controls/GXButton.h"
#include "grid/controls/GXControls.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXStyle.h"
#include "win/CDC.h"

#include <memory>

GX_IMPLEMENT_CONTROL(CGXPushbutton, CGXControl)

CGXPushbutton::CGXPushbutton(CGXGridCore* pGrid) : CGXControl(pGrid)
{
    m_pButton = new CGXButton(this);
    AddChild(m_pButton);
}

void CGXPushbutton::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

CSize CGXPushbutton::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*, BOOL)
{
    CFont* pOldFont = SelectStyleFont(pDC, style);
    const CString strCaption = style.GetIncludeChoiceList() ? style.GetChoiceListRef() : CString();
    const CSize sizeText = pDC->GetTextExtent(strCaption, strCaption.GetLength());
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return AddBorders(CSize(sizeText.cx + 8, sizeText.cy + 4), style);
}

void CGXPushbutton::DrawCurrentCellFrame(CDC*, const CRect&, const CGXStyle&) {}

void CGXPushbutton::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                         const CGXStyle* pStandardStyle)
{
    if (rect.Width() <= 1 || rect.Height() <= 1)
        return;
    CFont* pOldFont = SelectStyleFont(pDC, style);
    Draw3dFrame(pDC, rect, style);
    pDC->SetTextColor(GXResolveColor(style.GetTextColor()));
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CGXPushbutton::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect)
{
    SetFocusChild(m_pButton);
    m_pButton->SetRect(rect);
    std::unique_ptr<CGXComposedStyle> pBorrowed;
    const CGXStyle& style = CellStyle(nRow, nCol, pBorrowed);
    m_pButton->SetText(style.GetIncludeChoiceList() ? style.GetChoiceListRef().GetString() : "");
}

CGXControl* GXCreatePushbutton(CGXGridCore* pGrid, const GXControlEntry&)
{
    return new CGXPushbutton(pGrid);
}
