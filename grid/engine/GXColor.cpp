// Packed colours (see GXColor.h).
#include "grid/engine/GXColor.h"

#include "grid/engine/GXState.h"

#include "core/Core.h"

COLORREF GXSysColor(int nIndex)
{
    if (nIndex < 0 || nIndex > 254 - 0x41)
        AfxThrowInvalidArgFormat("GXSysColor: system colour index %d outside 0..189", nIndex);
    return COLORREF(254 - nIndex) << 24;
}

COLORREF GXResolveColor(COLORREF color)
{
    if (GXIsSysColor(color))
        return GXGetSysColors()->GetSysColor(GXGetSysColorIndex(color));
    return color;
}

void GXSplitColor(COLORREF color, DWORD& rnValue, UINT& rnKind)
{
    if (GXIsSysColor(color)) {
        rnValue = DWORD(GXGetSysColorIndex(color));
        rnKind = 3;
    } else {
        rnValue = color & 0xFFFFFF;
        rnKind = (color >> 24) & 3;
        if (rnKind == 3)
            rnKind = 0;
    }
}

COLORREF GXJoinColor(DWORD nValue, UINT nKind)
{
    nValue &= 0xFFFFFF;
    if ((nKind & 3) == 3) {
        const int nIndex = int(nValue);
        const COLORREF rgb = GXGetSysColors()->GetSysColor(nIndex) & 0xFFFFFF;
        return rgb | (COLORREF((254 - nIndex) & 0xFF) << 24);
    }
    return nValue | (COLORREF(nKind & 3) << 24);
}
