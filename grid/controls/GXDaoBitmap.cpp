// The bitmap cell (see GXDaoBitmap.h).
#include "grid/controls/GXDaoBitmap.h"

#include "grid/controls/GXControls.h"
#include "grid/controls/GXOleVarUserAttribute.h"

#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "win/CDC.h"

GX_IMPLEMENT_CONTROL(CGXDaoBitmap, CGXStatic)

CGXDaoBitmap::CGXDaoBitmap(CGXGridCore* pGrid) : CGXStatic(pGrid) {}

void CGXDaoBitmap::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                        const CGXStyle* pStandardStyle)
{
    const auto* pPicture = style.HasUserAttribute(GX_IDS_UA_DAOBITMAP)
                               ? dynamic_cast<const CGXOleVarUserAttribute*>(&style.GetUserAttribute(GX_IDS_UA_DAOBITMAP))
                               : nullptr;
    HGLOBAL hDIB = pPicture != nullptr && pPicture->GetVariant() != nullptr
                       ? VariantToDIB(*pPicture->GetVariant(), FALSE)
                       : nullptr;
    if (hDIB == nullptr) {
        CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    DrawBackground(pDC, rect, style, FALSE);
    const CRect rectCell = CGXControl::GetCellRect(nRow, nCol, &rect, &style);
    if (rectCell.Width() > 0 && rectCell.Height() > 0) {
        UINT nFlags = 0;
        const UINT nHorz = style.GetIncludeHorizontalAlignment() ? style.GetHorizontalAlignment() : DT_LEFT;
        const UINT nVert = style.GetIncludeVerticalAlignment() ? style.GetVerticalAlignment() : DT_TOP;
        nFlags |= nHorz == DT_CENTER ? 1 : nHorz == DT_RIGHT ? 2 : 0;
        nFlags |= nVert == DT_VCENTER ? 4 : nVert == DT_BOTTOM ? 8 : 0;
        hDIB = DrawVariantDIB(pDC, *pPicture->GetVariant(), rectCell, 0, nFlags, &rectCell, hDIB, TRUE);
        CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    }
    if (hDIB != nullptr)
        ::GlobalFree(hDIB);
}

CGXControl* GXCreateDaoBitmap(CGXGridCore* pGrid, const GXControlEntry&)
{
    return new CGXDaoBitmap(pGrid);
}
