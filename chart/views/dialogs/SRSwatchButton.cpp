#include "chart/views/dialogs/SRSwatchButton.h"

IMPLEMENT_DYNAMIC(SRSwatchButton, CButton)

SRSwatchButton::SRSwatchButton() : m_crColour(0) {}

void SRSwatchButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CBrush brush;
    if (!brush.CreateSolidBrush(m_crColour))
        return;
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    const RECT& rect = lpDrawItemStruct->rcItem;
    pDC->Rectangle(rect.left, rect.top, rect.right, rect.bottom);
    pDC->SelectObject(pOldBrush);
}

void SRSwatchButton::SetColour(COLORREF crColour)
{
    m_crColour = crColour;
    if (m_hWnd != nullptr)
        Invalidate();
}
