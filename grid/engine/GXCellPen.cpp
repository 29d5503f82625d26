// CGXCellPen (see GXCellPen.h).
#include "grid/engine/GXCellPen.h"

#include "grid/engine/GXCellBrush.h"
#include "grid/engine/GXColor.h"

#include "core/Core.h"

namespace {

// Pattern indexes of the dashed border sides by pen style (0 unused: solid lines need none). Row 0
// draws horizontal lines (every pattern row alike), row 1 vertical lines (every pattern column alike).
const UINT kDashPatterns[2][5] = {
    {GX_NO_PATTERN, 33, 34, 35, 36},
    {GX_NO_PATTERN, 37, 38, 39, 40},
};

void CheckRange(const char* lpszFunc, const char* lpszWhat, UINT nValue, UINT nMax)
{
    if (nValue > nMax)
        AfxThrowInvalidArgFormat("CGXCellPen::%s: %s %u outside 0..%u", lpszFunc, lpszWhat, nValue, nMax);
}

}  // namespace

CGXCellPen::CGXCellPen() : m_dwWord0(1 << 3), m_dwWord1(0) {}

CGXCellPen::CGXCellPen(UINT nStyle, UINT nWidth, COLORREF color) : CGXCellPen()
{
    SetWidth(nWidth);
    SetColor(color);
    SetStyle(nStyle);
}

CGXCellPen& CGXCellPen::SetStyle(UINT nStyle)
{
    CheckRange("SetStyle", "style", nStyle, 7);
    m_dwWord0 = (m_dwWord0 & ~DWORD(7)) | nStyle;
    return *this;
}

CGXCellPen& CGXCellPen::SetWidth(UINT nWidth)
{
    CheckRange("SetWidth", "width", nWidth, 0xFFFF);
    m_dwWord0 = (m_dwWord0 & ~(DWORD(0xFFFF) << 3)) | (DWORD(nWidth) << 3);
    return *this;
}

CGXCellPen& CGXCellPen::SetColor(COLORREF color)
{
    DWORD nValue;
    UINT nKind;
    GXSplitColor(color, nValue, nKind);
    m_dwWord0 = (m_dwWord0 & ~(DWORD(3) << 19)) | (DWORD(nKind) << 19);
    m_dwWord1 = nValue;
    return SetInclude(TRUE);
}

COLORREF CGXCellPen::GetColor() const
{
    return GXJoinColor(m_dwWord1, (m_dwWord0 >> 19) & 3);
}

CGXCellPen& CGXCellPen::SetInclude(BOOL bInclude)
{
    if (!bInclude)
        return SetStyle(gxExcluded);
    if (GetStyle() == gxExcluded)
        SetStyle(gxSolid);
    return *this;
}

LOGPEN CGXCellPen::GetLogPen() const
{
    LOGPEN lp;
    lp.lopnStyle = GetInclude() ? GetStyle() : PS_NULL;
    lp.lopnWidth.x = LONG(GetWidth());
    lp.lopnWidth.y = 0;
    lp.lopnColor = GXResolveColor(GetColor());
    return lp;
}

BOOL CGXCellPen::CreateDashBrush(CGXCellBrush& brush, const CGXCellBrush& interior, BOOL bRow, BOOL bMono) const
{
    const UINT nStyle = GetStyle();
    if (nStyle == gxNull) {
        brush = interior;
        return TRUE;
    }
    if (nStyle < gxDash || nStyle > gxDashDotDot)
        return FALSE;
    CGXCellBrush dash;
    dash.SetColor(bMono ? RGB(0, 0, 0) : GetColor());
    dash.SetBkColor(bMono ? RGB(255, 255, 255) : interior.GetBkColor());
    dash.SetPattern(kDashPatterns[bRow ? 0 : 1][nStyle]);
    brush = dash;
    return TRUE;
}
