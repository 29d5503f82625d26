// CSize, CPoint and CRect: the Win32 SIZE, POINT and RECT records with arithmetic.
//
// Each class derives from its Win32 record and adds no member, so a CRect* can be passed wherever a
// RECT* is expected and TopLeft()/BottomRight() can hand out the corners as CPoint references.
//
// Rectangles follow Win32: right and bottom are exclusive, a rectangle is empty when its width or
// height is not positive. Nothing normalises a rectangle unless asked (NormalizeRect): Width and
// Height may be negative. The set operations (IntersectRect, UnionRect, SubtractRect, & and |) are
// Win32's: they ignore empty rectangles and give the empty rectangle (0, 0, 0, 0) for no result.
// Arithmetic is plain 32-bit LONG arithmetic, as Win32's own.
#pragma once

#include <windows.h>

class CPoint;
class CRect;

class CSize : public SIZE {
public:
    // (0, 0).
    CSize() { cx = 0; cy = 0; }
    // (initCX, initCY).
    CSize(int initCX, int initCY) { cx = initCX; cy = initCY; }
    // A copy of the record.
    CSize(SIZE initSize) { cx = initSize.cx; cy = initSize.cy; }
    // The point's coordinates as a size.
    explicit CSize(POINT initPt) { cx = initPt.x; cy = initPt.y; }
    // Low word as cx, high word as cy (signed 16-bit each), as Win32 packs a size in a DWORD.
    explicit CSize(DWORD dwSize) { cx = short(LOWORD(dwSize)); cy = short(HIWORD(dwSize)); }

    // Comparison of both extents.
    bool operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(SIZE size) const { return !(*this == size); }
    // Adds / subtracts the other size's extents in place.
    void operator+=(SIZE size) { cx += size.cx; cy += size.cy; }
    void operator-=(SIZE size) { cx -= size.cx; cy -= size.cy; }
    // Sets both extents.
    void SetSize(int CX, int CY) { cx = CX; cy = CY; }

    // Sum, difference and negation of sizes.
    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    // A point moved by this size.
    CPoint operator+(POINT point) const;
    CPoint operator-(POINT point) const;
    // A rectangle moved by this size.
    CRect operator+(const RECT* lpRect) const;
    CRect operator-(const RECT* lpRect) const;
};

class CPoint : public POINT {
public:
    // (0, 0).
    CPoint() { x = 0; y = 0; }
    // (initX, initY).
    CPoint(int initX, int initY) { x = initX; y = initY; }
    // A copy of the record.
    CPoint(POINT initPt) { x = initPt.x; y = initPt.y; }
    // The size's extents as a point.
    explicit CPoint(SIZE initSize) { x = initSize.cx; y = initSize.cy; }
    // Low word as x, high word as y (signed 16-bit each), as mouse messages pack a point in lParam.
    explicit CPoint(DWORD dwPoint) { x = short(LOWORD(dwPoint)); y = short(HIWORD(dwPoint)); }

    // Moves the point by (xOffset, yOffset) / by the point's or the size's coordinates.
    void Offset(int xOffset, int yOffset) { x += xOffset; y += yOffset; }
    void Offset(POINT point) { Offset(point.x, point.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }
    // Sets both coordinates.
    void SetPoint(int X, int Y) { x = X; y = Y; }

    // Comparison of both coordinates.
    bool operator==(POINT point) const { return x == point.x && y == point.y; }
    bool operator!=(POINT point) const { return !(*this == point); }
    // Moves the point in place by a size or by another point's coordinates.
    void operator+=(SIZE size) { Offset(size); }
    void operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
    void operator+=(POINT point) { Offset(point); }
    void operator-=(POINT point) { Offset(-point.x, -point.y); }

    // The point moved by a size, negated, or moved by another point's coordinates.
    CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
    // The difference of two points is a size.
    CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
    // A rectangle moved by this point's coordinates.
    CRect operator+(const RECT* lpRect) const;
    CRect operator-(const RECT* lpRect) const;
};

class CRect : public RECT {
public:
    // The empty rectangle (0, 0, 0, 0).
    CRect() { left = top = right = bottom = 0; }
    // (l, t, r, b) as given (not normalised).
    CRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    // A copy of the record.
    CRect(const RECT& srcRect) { CopyRect(&srcRect); }
    // A copy of *lpSrcRect; lpSrcRect must not be null (CInvalidArgException*).
    CRect(const RECT* lpSrcRect);
    // The rectangle at point with the size.
    CRect(POINT point, SIZE size) { left = point.x; top = point.y; right = point.x + size.cx; bottom = point.y + size.cy; }
    // The rectangle between the two corners.
    CRect(POINT topLeft, POINT bottomRight) { left = topLeft.x; top = topLeft.y; right = bottomRight.x; bottom = bottomRight.y; }

    // right - left / bottom - top (negative for a rectangle that is not normalised).
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }

    // The corners as points inside the rectangle's storage (changing them changes the rectangle).
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    // The middle: (left + right) / 2 and (top + bottom) / 2, computed without overflow, truncated
    // towards 0.
    CPoint CenterPoint() const;

    // The rectangle as a Win32 RECT pointer (for calls that take LPRECT / LPCRECT).
    operator RECT*() { return this; }
    operator const RECT*() const { return this; }

    // True when the width or the height is not positive.
    bool IsRectEmpty() const { return ::IsRectEmpty(this) != FALSE; }
    // True when all four coordinates are 0.
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // True when the point lies inside (left and top inclusive, right and bottom exclusive).
    bool PtInRect(POINT point) const { return ::PtInRect(this, point) != FALSE; }

    // Sets the four coordinates as given / from the two corners (not normalised).
    void SetRect(int x1, int y1, int x2, int y2) { left = x1; top = y1; right = x2; bottom = y2; }
    void SetRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
    // Makes the rectangle (0, 0, 0, 0).
    void SetRectEmpty() { left = top = right = bottom = 0; }
    // Copies *lpSrcRect; lpSrcRect must not be null (CInvalidArgException*).
    void CopyRect(const RECT* lpSrcRect);
    // True when the four coordinates are equal; lpRect must not be null (CInvalidArgException*).
    bool EqualRect(const RECT* lpRect) const;

    // Moves the left and right sides out by x and the top and bottom by y (in when negative).
    void InflateRect(int x, int y) { left -= x; top -= y; right += x; bottom += y; }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    // Moves each side out by the matching member of *lpRect (not null: CInvalidArgException*).
    void InflateRect(const RECT* lpRect);
    void InflateRect(int l, int t, int r, int b) { left -= l; top -= t; right += r; bottom += b; }
    // The reverse of InflateRect.
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(const RECT* lpRect);
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }

    // Moves the rectangle by (x, y).
    void OffsetRect(int x, int y) { left += x; right += x; top += y; bottom += y; }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    // Swaps left and right, and top and bottom, where they are the wrong way round.
    void NormalizeRect();
    // Moves the rectangle so that its top-left corner is at (x, y) / at the point, keeping its size.
    void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
    void MoveToXY(POINT point) { MoveToXY(point.x, point.y); }

    // Sets this rectangle to the intersection of the two; the empty rectangle when they do not
    // overlap or either is empty. Returns true when the intersection is not empty. Null arguments
    // throw CInvalidArgException*.
    bool IntersectRect(const RECT* lpRect1, const RECT* lpRect2);
    // Sets this rectangle to the smallest one holding both; an empty argument is ignored; the empty
    // rectangle when both are empty. Returns true when the result is not empty.
    bool UnionRect(const RECT* lpRect1, const RECT* lpRect2);
    // Sets this rectangle to lpRect1 less lpRect2 when the difference is a rectangle (lpRect2 covers
    // lpRect1 over its whole width or height), else to lpRect1. Returns false when the result is
    // empty.
    bool SubtractRect(const RECT* lpRect1, const RECT* lpRect2);

    // Copies the four coordinates.
    void operator=(const RECT& srcRect) { CopyRect(&srcRect); }
    // Comparison of the four coordinates.
    bool operator==(const RECT& rect) const { return EqualRect(&rect); }
    bool operator!=(const RECT& rect) const { return !EqualRect(&rect); }
    // Move by a point or size; inflate / deflate by a rectangle.
    void operator+=(POINT point) { OffsetRect(point); }
    void operator+=(SIZE size) { OffsetRect(size); }
    void operator+=(const RECT* lpRect) { InflateRect(lpRect); }
    void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
    void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
    void operator-=(const RECT* lpRect) { DeflateRect(lpRect); }
    // Intersection and union in place.
    void operator&=(const RECT& rect) { IntersectRect(this, &rect); }
    void operator|=(const RECT& rect) { UnionRect(this, &rect); }

    // Copies moved by a point or size, inflated or deflated by a rectangle's margins, intersected
    // or united with another rectangle (the rules of the functions above).
    CRect operator+(POINT point) const { CRect r(*this); r.OffsetRect(point); return r; }
    CRect operator-(POINT point) const { CRect r(*this); r.OffsetRect(-point.x, -point.y); return r; }
    CRect operator+(SIZE size) const { CRect r(*this); r.OffsetRect(size); return r; }
    CRect operator-(SIZE size) const { CRect r(*this); r.OffsetRect(-size.cx, -size.cy); return r; }
    CRect operator+(const RECT* lpRect) const { CRect r(*this); r.InflateRect(lpRect); return r; }
    CRect operator-(const RECT* lpRect) const { CRect r(*this); r.DeflateRect(lpRect); return r; }
    // Non-const pointers too: otherwise "rect - &other" also matches the built-in pointer
    // difference through operator RECT*.
    CRect operator+(RECT* lpRect) const { return *this + static_cast<const RECT*>(lpRect); }
    CRect operator-(RECT* lpRect) const { return *this - static_cast<const RECT*>(lpRect); }
    CRect operator&(const RECT& rect2) const { CRect r; r.IntersectRect(this, &rect2); return r; }
    CRect operator|(const RECT& rect2) const { CRect r; r.UnionRect(this, &rect2); return r; }
};

inline CPoint CSize::operator+(POINT point) const { return CPoint(cx + point.x, cy + point.y); }
inline CPoint CSize::operator-(POINT point) const { return CPoint(cx - point.x, cy - point.y); }
inline CRect CSize::operator+(const RECT* lpRect) const { return CRect(lpRect) + *this; }
inline CRect CSize::operator-(const RECT* lpRect) const { return CRect(lpRect) - *this; }
inline CRect CPoint::operator+(const RECT* lpRect) const { return CRect(lpRect) + *this; }
inline CRect CPoint::operator-(const RECT* lpRect) const { return CRect(lpRect) - *this; }
