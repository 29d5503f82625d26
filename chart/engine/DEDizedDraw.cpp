// DEDized: drawing passes, printing in bands, clipping, and the pen, font and palette caches.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cstring>
#include <vector>

#include "chart/engine/DEDized.h"

#include "chart/engine/DEDizedException.h"
#include "chart/engine/components/DEDizedComponent.h"
#include "win/ArgCheck.h"
#include "win/CWnd.h"

namespace {

// Set while any chart of the process draws: a nested Draw returns at once.
bool s_bDrawingAny = false;

// Rows of one band of PrintBanded.
const int kBandRows = 128;

} // namespace

bool DEDized::IsAnyChartDrawing()
{
    return s_bDrawingAny;
}

void DEDized::ResetDrawingGuard()
{
    s_bDrawingAny = false;
}

CSize DEDized::MeasureTarget(CDC* pDC, CWnd* pWnd)
{
    if (pDC->IsPrinting() || m_bBandMode)
        return CSize(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    if (m_bBuffered) {
        BITMAP bitmap = {};
        CBitmap* pBitmap = pDC->GetCurrentBitmap();
        if (pBitmap != nullptr && pBitmap->GetBitmap(&bitmap) != 0)
            return CSize(bitmap.bmWidth, bitmap.bmHeight);
    }
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr) {
        CRect client;
        pWnd->GetClientRect(&client);
        return client.Size();
    }
    return CSize(200, 150);
}

CSize DEDized::GetDrawingSize()
{
    if (m_bFixedRect)
        return m_rcFixed.Size();
    if (!m_bDrawing || m_pTargetDC == nullptr)
        ThrowChartException(18);
    return MeasureTarget(m_pTargetDC, m_pTargetWnd);
}

void DEDized::AlignFixedRect(RECT& rect, int nLeft, int nTop, int nRight, int nBottom)
{
    if (!m_bFixedRect)
        return;
    CRect placed = m_rcFixed;
    int x = placed.left;
    int y = placed.top;
    switch (m_nFixedAlignment & 0xF) {
    case 0:
        break;
    case 1:
        y = 0;
        break;
    case 3:
        y = nBottom - placed.Height();
        break;
    default:
        y = (nBottom - nTop) / 2 - placed.Height() / 2;
        break;
    }
    switch ((m_nFixedAlignment >> 4) & 0xF) {
    case 0:
        break;
    case 1:
        x = 0;
        break;
    case 3:
        x = nRight - placed.Width();
        break;
    default:
        x = (nRight - nLeft) / 2 - placed.Width() / 2;
        break;
    }
    placed.MoveToXY(x, y);
    rect = placed;
}

void DEDized::Draw(CDC* pDC, CWnd* pWnd)
{
    AfxRequirePointer(pDC, "DEDized::Draw", "pDC");
    if (m_components.IsEmpty() || s_bDrawingAny)
        return;
    if (((m_style.m_nKind >> 28) & 3) != 1) {
        RemoveComponentsByName(kTemporaryTagName);
        RemoveComponentsByName(kTagBlockName);
        if (m_components.IsEmpty())
            return;
    }
    s_bDrawingAny = true;
    const int nSavedDC = pDC->SaveDC();
    const int bBufferedAtEntry = m_bBuffered;
    const bool bPrinting = pDC->IsPrinting() != FALSE;
    CDC memDC;
    CBitmap* pOldBitmap = nullptr;
    // what every pass undoes, whether it ends normally or by an exception
    auto endPass = [&] {
        m_bDrawing = 0;
        m_pTargetDC = nullptr;
        m_pTargetWnd = nullptr;
        m_posCurrent = nullptr;
        m_bInvalidating = 0;
        m_bRedraw = 0;
        if (pOldBitmap != nullptr)
            memDC.SelectObject(pOldBitmap);
        m_bBuffered = bBufferedAtEntry;
        pDC->RestoreDC(nSavedDC);
        s_bDrawingAny = false;
    };
    try {
        if (bPrinting && m_bBandMode) {
            s_bDrawingAny = false;
            PrintBanded(pDC, pWnd);
            pDC->RestoreDC(nSavedDC);
            return;
        }
        bool bBuffered = (m_bBuffered || m_bForceBuffer) && !bPrinting && !m_bBandMode;
        m_bBuffered = bBuffered;
        m_bPaletteDevice = (pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0;
        if (m_bPaletteDevice)
            BuildPalette(&m_palette);

        CRect rcTarget;
        if (bPrinting)
            rcTarget.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
        else if (m_bBandMode)
            rcTarget = m_rcPage;
        else if (m_bFixedRect)
            rcTarget = m_rcFixed;
        else if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
            pWnd->GetClientRect(&rcTarget);
        else
            rcTarget = CRect(CPoint(0, 0), MeasureTarget(pDC, pWnd));

        if (bBuffered) {
            if (rcTarget != m_rcLastBitmap || m_bitmap.m_hObject == nullptr) {
                m_bitmap.DeleteObject();
                m_rcLastBitmap.SetRectEmpty();
                const CPoint origin = m_bFixedRect ? m_rcFixed.TopLeft() : CPoint(0, 0);
                const int cx = rcTarget.Width() + origin.x;
                const int cy = rcTarget.Height() + origin.y;
                if (cx > 0 && cy > 0 && m_bitmap.CreateCompatibleBitmap(pDC, cx, cy))
                    m_rcLastBitmap = rcTarget;
                m_bForceBuffer = 0;
            }
            // an empty target has no bitmap: the pass then draws straight into the DC
            if (m_bitmap.m_hObject != nullptr && memDC.CreateCompatibleDC(pDC)) {
                memDC.SetMapMode(MM_TEXT);
                memDC.SetViewportOrg(pDC->GetViewportOrg());
                memDC.SetWindowOrg(pDC->GetWindowOrg());
                memDC.SetViewportExt(1, 1);
                memDC.SetWindowExt(1, 1);
                pOldBitmap = memDC.SelectObject(&m_bitmap);
                if (m_bPaletteDevice) {
                    memDC.SelectPalette(&m_palette, FALSE);
                    memDC.RealizePalette();
                }
            } else {
                bBuffered = false;
                m_bBuffered = 0;
            }
        }

        m_rcDrawing = rcTarget;
        if (m_bFixedRect)
            AlignFixedRect(m_rcDrawing, rcTarget.left, rcTarget.top, rcTarget.right, rcTarget.bottom);

        CDC* pTarget = bBuffered ? &memDC : pDC;
        m_bDrawing = 1;
        m_pTargetDC = pTarget;
        m_pTargetWnd = pWnd;
        if (!m_bForceBuffer)
            DeleteFeedback();
        DrawComponents(pTarget, pWnd);

        if (bPrinting)
            MarkComponentsForRedraw();
        if (bBuffered)
            pDC->BitBlt(m_rcDrawing.left, m_rcDrawing.top, m_rcDrawing.Width(), m_rcDrawing.Height(), &memDC,
                        m_rcDrawing.left, m_rcDrawing.top, SRCCOPY);
    } catch (...) {
        endPass();
        throw;
    }
    endPass();
}

void DEDized::DrawComponents(CDC* pTarget, CWnd* pWnd)
{
    POSITION pos = m_components.GetHeadPosition();
    while (pos != nullptr) {
        m_posCurrent = pos;
        DEDizedComponent* pComponent = static_cast<DEDizedComponent*>(m_components.GetAt(pos));
        pComponent->SetFullRedraw(1);
        try {
            pComponent->Draw(pTarget, pWnd);
        } catch (DEDizedException* e) {
            e->Report();
            e->Delete();
            return;
        }
        // a component may have added components: go on from its successor as the list now stands
        pos = m_posCurrent;
        if (pos != nullptr)
            m_components.GetNext(pos);
    }
}

void DEDized::PrintBanded(CDC* pDC, CWnd* pWnd)
{
    AfxRequirePointer(pDC, "DEDized::PrintBanded", "pDC");
    m_bBandMode = 1;
    m_rcPage.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    const int bBuffered = m_bBuffered;
    const int bHitRegions = m_bHitRegions;
    const int bFixedRect = m_bFixedRect;
    const CRect rcFixed = m_rcFixed;
    auto restore = [&] {
        m_bBuffered = bBuffered;
        m_bHitRegions = bHitRegions;
        m_bFixedRect = bFixedRect;
        m_rcFixed = rcFixed;
        MarkForRedraw();
        m_bBandMode = 0;
    };
    m_bBuffered = 0;
    m_bHitRegions = 0;
    if (!m_bFixedRect) {
        m_rcFixed = m_rcPage;
        m_bFixedRect = 1;
    }
    CRect rcDraw = m_rcFixed;
    AlignFixedRect(rcDraw, m_rcPage.left, m_rcPage.top, m_rcPage.right, m_rcPage.bottom);
    MarkForRedraw();
    try {
        const int nWidth = m_rcPage.Width();
        const int nHeight = m_rcPage.Height();
        if (nWidth > 0 && nHeight > 0) {
            CDC band;
            CBitmap bitmap;
            if (!band.CreateCompatibleDC(pDC) ||
                !bitmap.CreateCompatibleBitmap(pDC, nWidth, (std::min)(kBandRows, nHeight)))
                AfxThrowResourceException();
            CBitmap* pOldBitmap = band.SelectObject(&bitmap);
            try {
                for (int nTop = 0; nTop < nHeight; nTop += kBandRows) {
                    const int nRows = (std::min)(kBandRows, nHeight - nTop);
                    CRect common;
                    if (!common.IntersectRect(CRect(0, nTop, nWidth, nTop + nRows), rcDraw))
                        continue;
                    band.SetWindowOrg(0, nTop);
                    CGdiObject* pOldBrush = band.SelectStockObject(WHITE_BRUSH);
                    CGdiObject* pOldPen = band.SelectStockObject(NULL_PEN);
                    band.Rectangle(0, nTop, nWidth + 1, nTop + nRows + 1);
                    band.SelectObject(pOldPen);
                    band.SelectObject(pOldBrush);
                    Draw(&band, pWnd);
                    pDC->BitBlt(0, nTop, nWidth, nRows, &band, 0, nTop, SRCCOPY);
                }
            } catch (...) {
                band.SelectObject(pOldBitmap);
                throw;
            }
            band.SelectObject(pOldBitmap);
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

// ---- clipping ---------------------------------------------------------------------------------------

void DEDized::PushClip()
{
    CRgn* pEntry = nullptr;
    AfxAllocating([&] { pEntry = new CRgn; });
    if (m_pTargetDC != nullptr && m_pTargetDC->m_hDC != nullptr && pEntry->CreateRectRgn(0, 0, 0, 0)) {
        if (::GetClipRgn(m_pTargetDC->m_hDC, static_cast<HRGN>(pEntry->m_hObject)) != 1)
            pEntry->DeleteObject();  // the DC has no clip region
    }
    AfxAddOwnedTail(m_clipStack, pEntry);
}

void DEDized::PopClip()
{
    if (m_clipStack.IsEmpty())
        return;
    CRgn* pEntry = static_cast<CRgn*>(m_clipStack.RemoveTail());
    if (m_pTargetDC != nullptr) {
        if (pEntry->m_hObject != nullptr)
            m_pTargetDC->SelectClipRgn(pEntry, RGN_COPY);
        else
            m_pTargetDC->SelectClipRgn(nullptr);
    }
    delete pEntry;
}

void DEDized::ClipToPolygon(const POINT* pPoints, int nCount, int nMode)
{
    AfxRequirePointer(pPoints, "DEDized::ClipToPolygon", "the point array");
    if (m_pTargetDC == nullptr)
        return;
    CPen* pOldPen = m_pTargetDC->SelectObject(GetPen(PS_NULL, 1, 0));
    m_pTargetDC->BeginPath();
    m_pTargetDC->Polygon(pPoints, nCount);
    m_pTargetDC->EndPath();
    m_pTargetDC->SelectClipPath(nMode);
    m_pTargetDC->SelectObject(pOldPen);
}

void DEDized::ClipToRect(int nLeft, int nTop, int nRight, int nBottom, int nMode)
{
    if (m_pTargetDC == nullptr)
        return;
    CPen* pOldPen = m_pTargetDC->SelectObject(GetPen(PS_NULL, 1, 0));
    m_pTargetDC->BeginPath();
    m_pTargetDC->Rectangle(nLeft, nTop, nRight, nBottom);
    m_pTargetDC->EndPath();
    m_pTargetDC->SelectClipPath(nMode);
    m_pTargetDC->SelectObject(pOldPen);
}

// ---- palette, pens, fonts -------------------------------------------------------------------------------

void DEDized::BuildPalette(CPalette* pPalette)
{
    AfxRequirePointer(pPalette, "DEDized::BuildPalette", "the palette");
    if (pPalette->m_hObject != nullptr)
        return;
    std::vector<BYTE> buffer;
    AfxAllocating([&] { buffer.resize(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY)); });
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = 256;
    for (int i = 0; i < 256; ++i) {
        PALETTEENTRY& entry = pLog->palPalEntry[i];
        entry.peRed = BYTE((i & 7) * 255 / 7);
        entry.peGreen = BYTE(((i >> 3) & 7) * 255 / 7);
        entry.peBlue = BYTE(((i >> 6) & 3) * 255 / 3);
        entry.peFlags = 0;
    }
    if (!pPalette->CreatePalette(pLog))
        AfxThrowResourceException();
}

CPen* DEDized::GetPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    char szKey[11];
    szKey[0] = char('A' + nPenStyle);
    szKey[1] = char('A' + nWidth);
    for (int i = 0; i < 8; ++i)
        szKey[2 + i] = char('A' + ((crColor >> (4 * i)) & 0xF));
    szKey[10] = '\0';
    void* pValue = nullptr;
    if (m_penCache.Lookup(szKey, pValue))
        return static_cast<CPen*>(pValue);
    CPen* pPen = nullptr;
    AfxAllocating([&] { pPen = new CPen; });
    try {
        if (!pPen->CreatePen(nPenStyle, nWidth, crColor))
            AfxThrowResourceException();
        m_penCache.SetAt(szKey, pPen);
    } catch (...) {
        delete pPen;
        throw;
    }
    return pPen;
}

CString DEDized::FontKey(const char* lpszFace, int nHeight, int nFlags, int nOrientation)
{
    CString key;
    key.Format("%s,%x,%x,%d", lpszFace, nHeight, nFlags, nOrientation);
    return key;
}

HFONT DEDized::GetFont(const char* lpszFace, int nSize, int nFlags, int nOrientation, CDC* pDC,
                       const LOGFONT* pLogFont)
{
    if (lpszFace == nullptr)
        lpszFace = "";
    const int nHeight = nSize >= 0 ? -::MulDiv(nSize, ChartDeviceDpi(pDC).cy, 72) : nSize;
    const CString key = FontKey(lpszFace, nHeight, nFlags, nOrientation);
    void* pValue = nullptr;
    if (m_fontCache.Lookup(key, pValue))
        return static_cast<HFONT>(pValue);
    LOGFONT font = {};
    if (pLogFont != nullptr) {
        font = *pLogFont;
    } else {
        font.lfHeight = nHeight;
        font.lfEscapement = font.lfOrientation = nOrientation * 10;
        font.lfWeight = (nFlags & 1) ? FW_BOLD : FW_NORMAL;
        font.lfItalic = (nFlags & 2) != 0;
        font.lfUnderline = (nFlags & 4) != 0;
        font.lfStrikeOut = (nFlags & 8) != 0;
        font.lfCharSet = ANSI_CHARSET;
        font.lfOutPrecision = OUT_STROKE_PRECIS;
        font.lfClipPrecision = CLIP_STROKE_PRECIS;
        font.lfQuality = DRAFT_QUALITY;
        std::strncpy(font.lfFaceName, lpszFace, 30);
    }
    HFONT hFont = ::CreateFontIndirectA(&font);
    if (hFont == nullptr)
        AfxThrowResourceException();
    try {
        m_fontCache.SetAt(key, hFont);
    } catch (...) {
        ::DeleteObject(hFont);
        throw;
    }
    return hFont;
}
