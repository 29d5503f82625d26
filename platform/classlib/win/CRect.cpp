#include "win/CRect.h"

#include "win/ArgCheck.h"

namespace {

void RequireRect(const RECT* lpRect, const char* lpszWhere)
{
    AfxRequirePointer(lpRect, lpszWhere, "the rectangle");
}

} // namespace

CRect::CRect(const RECT* lpSrcRect)
{
    RequireRect(lpSrcRect, "CRect::CRect");
    CopyRect(lpSrcRect);
}

CPoint CRect::CenterPoint() const
{
    return CPoint(int((int64_t(left) + right) / 2), int((int64_t(top) + bottom) / 2));
}

void CRect::CopyRect(const RECT* lpSrcRect)
{
    RequireRect(lpSrcRect, "CRect::CopyRect");
    left = lpSrcRect->left;
    top = lpSrcRect->top;
    right = lpSrcRect->right;
    bottom = lpSrcRect->bottom;
}

bool CRect::EqualRect(const RECT* lpRect) const
{
    RequireRect(lpRect, "CRect::EqualRect");
    return left == lpRect->left && top == lpRect->top && right == lpRect->right && bottom == lpRect->bottom;
}

void CRect::InflateRect(const RECT* lpRect)
{
    RequireRect(lpRect, "CRect::InflateRect");
    InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CRect::DeflateRect(const RECT* lpRect)
{
    RequireRect(lpRect, "CRect::DeflateRect");
    DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CRect::NormalizeRect()
{
    if (left > right) {
        LONG t = left;
        left = right;
        right = t;
    }
    if (top > bottom) {
        LONG t = top;
        top = bottom;
        bottom = t;
    }
}

bool CRect::IntersectRect(const RECT* lpRect1, const RECT* lpRect2)
{
    RequireRect(lpRect1, "CRect::IntersectRect");
    RequireRect(lpRect2, "CRect::IntersectRect");
    return ::IntersectRect(this, lpRect1, lpRect2) != FALSE;
}

bool CRect::UnionRect(const RECT* lpRect1, const RECT* lpRect2)
{
    RequireRect(lpRect1, "CRect::UnionRect");
    RequireRect(lpRect2, "CRect::UnionRect");
    return ::UnionRect(this, lpRect1, lpRect2) != FALSE;
}

bool CRect::SubtractRect(const RECT* lpRect1, const RECT* lpRect2)
{
    RequireRect(lpRect1, "CRect::SubtractRect");
    RequireRect(lpRect2, "CRect::SubtractRect");
    return ::SubtractRect(this, lpRect1, lpRect2) != FALSE;
}
