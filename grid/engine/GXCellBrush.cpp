// CGXCellBrush (see GXCellBrush.h).
#include "grid/engine/GXCellBrush.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXDrawing.h"
#include "win/Win.h"

#include "core/Core.h"

namespace {

void CheckRange(const char* lpszFunc, const char* lpszWhat, UINT nValue, UINT nMax)
{
    if (nValue > nMax)
        AfxThrowInvalidArgFormat("CGXCellBrush::%s: %s %u outside 0..%u", lpszFunc, lpszWhat, nValue, nMax);
}

}  // namespace

CGXCellBrush::CGXCellBrush() : m_dwWord0(0), m_dwWord1(0x3FFFFFFF) {}

CGXCellBrush::CGXCellBrush(UINT nStyle, COLORREF color, UINT nHatch) : CGXCellBrush()
{
    Set(nStyle, color, nHatch);
}

CGXCellBrush& CGXCellBrush::Set(UINT nStyle, COLORREF color, UINT nHatch)
{
    CheckRange("Set", "style", nStyle, 3);
    CheckRange("Set", "hatch", nHatch, 7);
    SetColor(color);
    m_dwWord0 = (m_dwWord0 & ~DWORD(0xC7)) | nHatch;  // hatch, background kind plain
    m_dwWord1 = (DWORD(nStyle) << 30) | 0x3FFFFFFF;
    return *this;
}

CGXCellBrush& CGXCellBrush::SetStyle(UINT nStyle)
{
    CheckRange("SetStyle", "style", nStyle, 3);
    m_dwWord1 = (m_dwWord1 & 0x3FFFFFFF) | (DWORD(nStyle) << 30);
    return *this;
}

CGXCellBrush& CGXCellBrush::SetHatch(UINT nHatch)
{
    CheckRange("SetHatch", "hatch", nHatch, 7);
    m_dwWord0 = (m_dwWord0 & ~DWORD(7)) | nHatch;
    return *this;
}

CGXCellBrush& CGXCellBrush::SetColor(COLORREF color)
{
    DWORD nValue;
    UINT nKind;
    GXSplitColor(color, nValue, nKind);
    m_dwWord0 = (m_dwWord0 & 0xCF) | (DWORD(nKind) << 4) | (nValue << 8);
    return *this;
}

COLORREF CGXCellBrush::GetColor() const
{
    return GXJoinColor(m_dwWord0 >> 8, (m_dwWord0 >> 4) & 3);
}

CGXCellBrush& CGXCellBrush::SetBkColor(COLORREF color)
{
    DWORD nValue;
    UINT nKind;
    GXSplitColor(color, nValue, nKind);
    m_dwWord0 = (m_dwWord0 & ~DWORD(0xC0)) | (DWORD(nKind) << 6);
    m_dwWord1 = (m_dwWord1 & 0xFF000000) | nValue;
    return *this;
}

COLORREF CGXCellBrush::GetBkColor() const
{
    return GXJoinColor(m_dwWord1 & 0xFFFFFF, (m_dwWord0 >> 6) & 3);
}

CGXCellBrush& CGXCellBrush::SetPattern(UINT nPattern)
{
    CheckRange("SetPattern", "pattern", nPattern, 63);
    const UINT nStyle = nPattern < GX_PATTERN_COUNT ? gxPattern : gxSolid;
    m_dwWord1 = (m_dwWord1 & 0x00FFFFFF) | (DWORD(nPattern) << 24) | (DWORD(nStyle) << 30);
    return *this;
}

LOGBRUSH CGXCellBrush::GetLogBrush() const
{
    LOGBRUSH lb;
    lb.lbStyle = GetStyle();
    lb.lbColor = GXResolveColor(GetColor());
    lb.lbHatch = GetHatch();
    if (lb.lbStyle == gxPattern) {
        CBitmap* pPattern = GetDrawingAndFormatting()->GetPatternBitmap(int(GetPattern()));
        lb.lbStyle = pPattern != nullptr ? BS_PATTERN : BS_HOLLOW;
        lb.lbHatch = pPattern != nullptr ? reinterpret_cast<ULONG_PTR>(pPattern->m_hObject) : 0;
    }
    return lb;
}
