// DEDizedLabelBlock: labels drawn together, kept clear of each other.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>

#include "chart/engine/components/DEDizedLabelBlock.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedException.h"
#include "win/ArgCheck.h"

IMPLEMENT_SERIAL(DEDizedLabelBlock, DEDizedLabel, VERSIONABLE_SCHEMA | 1)

namespace {

// How often one label may be moved, and the largest multiple of the overlap one move may take.
const int kMaxMoves = 10;

const int kLeaderWidth = 3;
const int kLeaderDotRadius = 4;

} // namespace

DEDizedLabelBlock::DEDizedLabelBlock()
    : m_bAvoidOverlap(1), m_bRecordAnchors(0), m_pRecorded(nullptr), m_bOwnsRecorded(0), m_bAutoResize(0)
{
    m_nTypeId = chartTypeLabelBlock;
    m_style.m_nKind = (m_style.m_nKind & ~0xF0) | (avoidSingle << 4);
}

DEDizedLabelBlock::~DEDizedLabelBlock()
{
    AfxDeleteOwnedObjects(m_labels);
    ReleaseRecordedAnchors();
}

void DEDizedLabelBlock::Serialize(CArchive& ar)
{
    DEDizedLabel::Serialize(ar);
    if (ar.IsLoading())
        RemoveAllLabels();
    AfxSerializeOwnedObList(ar, m_labels, RUNTIME_CLASS(DEDizedLabel));
    int nReserved = 0;
    if (ar.IsStoring()) {
        ar << nReserved << m_bAvoidOverlap << m_bRecordAnchors;
        return;
    }
    ar >> nReserved >> m_bAvoidOverlap >> m_bRecordAnchors;
    m_cursor.Invalidate();
    for (POSITION pos = m_labels.GetHeadPosition(); pos != nullptr;) {
        DEDizedLabel* pLabel = static_cast<DEDizedLabel*>(m_labels.GetNext(pos));
        pLabel->SetBlock(this, pLabel->IsInBlock(), pLabel->HasOwnStyle());
        pLabel->SetChart(m_pChart);
    }
}

void DEDizedLabelBlock::SetChart(DEDized* pChart)
{
    DEDizedLabel::SetChart(pChart);
    for (POSITION pos = m_labels.GetHeadPosition(); pos != nullptr;) {
        DEDizedLabel* pLabel = static_cast<DEDizedLabel*>(m_labels.GetNext(pos));
        pLabel->SetChart(pChart);
        pLabel->SetBlock(this, pLabel->IsInBlock(), pLabel->HasOwnStyle());
    }
}

void DEDizedLabelBlock::SetFont(int nSize, int nFlags, const char* lpszFace)
{
    DEDizedLabel::SetFont(nSize, nFlags & ~fontAutoSize, lpszFace);
}

int DEDizedLabelBlock::GetLabelCount() const
{
    return int(m_labels.GetCount());
}

DEDizedLabel* DEDizedLabelBlock::GetLabel(int nIndex)
{
    if (m_labels.IsEmpty())
        return nullptr;
    if (nIndex == -1)
        return static_cast<DEDizedLabel*>(m_labels.GetHead());
    if (nIndex == -2)
        return static_cast<DEDizedLabel*>(m_labels.GetTail());
    if (nIndex < 0 || nIndex >= GetLabelCount())
        return nullptr;
    return static_cast<DEDizedLabel*>(m_labels.GetAt(m_cursor.MoveTo(m_labels, nIndex)));
}

DEDizedLabel* DEDizedLabelBlock::AddExistingLabel(DEDizedLabel* pLabel, int bOwnStyle)
{
    AfxRequirePointer(pLabel, "DEDizedLabelBlock::AddExistingLabel", "the label");
    pLabel->SetBlock(this, 1, bOwnStyle);
    pLabel->SetChart(m_pChart);
    AfxAddOwnedTail(m_labels, pLabel);
    return pLabel;
}

DEDizedLabel* DEDizedLabelBlock::AddLabel(const char* lpszText)
{
    DEDizedLabel* pLabel = nullptr;
    AfxAllocating([&] { pLabel = new DEDizedLabel; });
    AddExistingLabel(pLabel, 0);
    pLabel->SetText(GetMode(), lpszText);
    return pLabel;
}

void DEDizedLabelBlock::SetLabelText(const char* lpszText, int nIndex, int nMode)
{
    if (nIndex < 0)
        AfxThrowInvalidArgFormat("DEDizedLabelBlock::SetLabelText: label index %d (0 or more allowed)", nIndex);
    while (GetLabelCount() <= nIndex)
        AddLabel("");
    GetLabel(nIndex)->SetText(nMode, lpszText);
}

void DEDizedLabelBlock::RemoveLastLabel()
{
    if (m_labels.IsEmpty())
        return;
    delete m_labels.RemoveTail();
    m_cursor.Invalidate();
}

void DEDizedLabelBlock::RemoveAllLabels()
{
    AfxDeleteOwnedObjects(m_labels);
    m_cursor.Invalidate();
}

void DEDizedLabelBlock::SetVisible(int bVisible)
{
    m_bVisible = bVisible;
}

int DEDizedLabelBlock::GetVisible() const
{
    return m_bVisible;
}

void DEDizedLabelBlock::SetAnchorPosition(int nPosition)
{
    for (POSITION pos = m_labels.GetHeadPosition(); pos != nullptr;)
        static_cast<DEDizedLabel*>(m_labels.GetNext(pos))->SetAnchorPosition(nPosition);
}

void DEDizedLabelBlock::SetDirection(double dCosine, double dSine)
{
    for (POSITION pos = m_labels.GetHeadPosition(); pos != nullptr;)
        static_cast<DEDizedLabel*>(m_labels.GetNext(pos))->SetDirection(dCosine, dSine);
}

void DEDizedLabelBlock::SetAngle(double dDegrees)
{
    double dAngle = std::fmod(dDegrees, 360.0);
    if (std::fabs(dAngle) > 359.8)
        dAngle = 0.0;
    const bool bPreset = std::fabs(std::fmod(dAngle, 90.0)) < 2.0;
    for (POSITION pos = m_labels.GetHeadPosition(); pos != nullptr;) {
        DEDizedLabel* pLabel = static_cast<DEDizedLabel*>(m_labels.GetNext(pos));
        if (bPreset) {
            pLabel->SetAnglePreset(int((std::fabs(dAngle) + 2.0) * 0.011111111111111112));
        } else {
            pLabel->GetStyle()->SetTextAngle(dAngle);
            pLabel->SetAnglePreset(4);
        }
    }
}

void DEDizedLabelBlock::DistributeLabels(int x1, int y1, int x2, int y2)
{
    const int n = GetLabelCount();
    const double dSteps = n >= 2 ? n - 1 : 1;
    const double dx = (x2 - x1) / dSteps;
    const double dy = (y2 - y1) / dSteps;
    int k = 0;
    for (POSITION pos = m_labels.GetHeadPosition(); pos != nullptr; ++k) {
        DEDizedLabel* pLabel = static_cast<DEDizedLabel*>(m_labels.GetNext(pos));
        if (n == 1)
            pLabel->PlaceAt(x2, y2);
        else
            pLabel->PlaceAt(x1 + int(dx * k), y1 + int(dy * k));
    }
    RecordAnchorsHere();
}

CRect DEDizedLabelBlock::GetBoundingRect() const
{
    return m_rcBounds;
}

void DEDizedLabelBlock::EmptyRecordedAnchors()
{
    if (m_pRecorded == nullptr)
        return;
    while (!m_pRecorded->IsEmpty())
        delete static_cast<CPoint*>(m_pRecorded->RemoveHead());
}

void DEDizedLabelBlock::ReleaseRecordedAnchors()
{
    if (m_bOwnsRecorded) {
        EmptyRecordedAnchors();
        delete m_pRecorded;
    }
    m_pRecorded = nullptr;
    m_bOwnsRecorded = 0;
}

void DEDizedLabelBlock::RecordAnchors(int dx, int dy)
{
    if (!m_bRecordAnchors)
        return;
    if (m_pRecorded == nullptr) {
        AfxAllocating([&] { m_pRecorded = new CPtrList; });
        m_bOwnsRecorded = 1;
    }
    EmptyRecordedAnchors();
    for (POSITION pos = m_labels.GetHeadPosition(); pos != nullptr;) {
        const CPoint anchor = static_cast<DEDizedLabel*>(m_labels.GetNext(pos))->GetPixelAnchor();
        CPoint* pPoint = nullptr;
        AfxAllocating([&] { pPoint = new CPoint(anchor.x + dx, anchor.y + dy); });
        try {
            m_pRecorded->AddTail(pPoint);
        } catch (...) {
            delete pPoint;
            throw;
        }
    }
}

void DEDizedLabelBlock::RecordAnchorsHere()
{
    RecordAnchors(0, 0);
}

void DEDizedLabelBlock::SetRecordedAnchors(CPtrList* pList)
{
    ReleaseRecordedAnchors();
    m_pRecorded = pList;
}

void DEDizedLabelBlock::SetAnchorRecording(int bRecord)
{
    m_bRecordAnchors = bRecord;
}

CPtrList* DEDizedLabelBlock::GetRecordedAnchors()
{
    return m_pRecorded;
}

void DEDizedLabelBlock::SetAutoResize(int bAutoResize)
{
    m_bAutoResize = bAutoResize;
}

int DEDizedLabelBlock::GetAutoResize() const
{
    return m_bAutoResize;
}

void DEDizedLabelBlock::BuildLabels()
{
}

bool DEDizedLabelBlock::AvoidOverlap(DEDizedLabel* pLabel, CRgn& rWorking, bool bRepeated)
{
    CRgn outline;
    if (!pLabel->GetOutlineRegion(outline))
        return false;
    CRgn common;
    if (!common.CreateRectRgn(0, 0, 0, 0))
        AfxThrowResourceException();
    bool bMoved = false;
    for (int nMoves = 0; common.CombineRgn(&outline, &rWorking, RGN_AND) > NULLREGION; ++nMoves) {
        if (nMoves == kMaxMoves)
            ThrowChartException(17);
        CRect box;
        common.GetRgnBox(&box);
        CSize move(0, 0);
        for (int j = 1; j <= kMaxMoves && move == CSize(0, 0); ++j)
            move = CSize(int(box.Width() * pLabel->GetDirectionCosine() * j),
                         int(box.Height() * pLabel->GetDirectionSine() * j));
        if (move == CSize(0, 0))
            ThrowChartException(17);
        outline.OffsetRgn(move.cx, move.cy);
        pLabel->MoveAnchorPixels(move.cx, move.cy);
        bMoved = true;
        if (!bRepeated)
            break;
    }
    rWorking.CombineRgn(&rWorking, &outline, RGN_OR);
    return bMoved;
}

void DEDizedLabelBlock::DrawLeader(const CPoint& ptFrom, const CPoint& ptTo)
{
    const COLORREF crColour = m_style.m_crColor;
    CPen* pPen = GetPen(PS_SOLID, kLeaderWidth, crColour);
    CBrush brush;
    if (pPen == nullptr || !brush.CreateSolidBrush(crColour))
        return;
    CPen* pOldPen = m_pDC->SelectObject(pPen);
    CBrush* pOldBrush = m_pDC->SelectObject(&brush);
    const int nOldRop = m_pDC->SetROP2(R2_COPYPEN);
    m_pDC->MoveTo(ptFrom);
    m_pDC->LineTo(ptTo);
    m_pDC->Ellipse(ptTo.x - kLeaderDotRadius, ptTo.y - kLeaderDotRadius, ptTo.x + kLeaderDotRadius,
                   ptTo.y + kLeaderDotRadius);
    m_pDC->SetROP2(nOldRop);
    m_pDC->SelectObject(pOldBrush);
    m_pDC->SelectObject(pOldPen);
}

void DEDizedLabelBlock::DrawContent()
{
    PlaceLabels(true);
}

CRect DEDizedLabelBlock::MeasureLabels()
{
    PlaceLabels(false);
    return m_rcBounds;
}

void DEDizedLabelBlock::PlaceLabels(bool bDraw)
{
    m_rcBounds.SetRectEmpty();
    if (!m_bVisible || m_labels.IsEmpty() || m_pDC == nullptr)
        return;
    PrepareFont();
    CRgn working;
    if (!working.CreateRectRgn(0, 0, 0, 0))
        AfxThrowResourceException();
    bool bFirstBox = true;
    const bool bRepeated = ((m_style.m_nKind >> 4) & 0xF) == avoidRepeated;
    const int nMode = GetMode();
    for (POSITION pos = m_labels.GetHeadPosition(); pos != nullptr;) {
        DEDizedLabel* pLabel = static_cast<DEDizedLabel*>(m_labels.GetNext(pos));
        if (pLabel->GetFontFlags() != m_nFontFlags)
            pLabel->SetFontFlags(m_nFontFlags);
        if (pLabel->GetText(nMode).IsEmpty())
            continue;
        pLabel->BeginDrawing(m_pDC, m_pWnd);
        const CPoint first = pLabel->GetAnchorPixels();
        pLabel->BuildOutline();
        const bool bMoved = m_bAvoidOverlap && AvoidOverlap(pLabel, working, bRepeated);
        const std::vector<POINT>& outline = pLabel->GetOutline();
        if (!outline.empty()) {
            const CRect box = GetPointsBox(outline.data(), int(outline.size()));
            if (bFirstBox)
                m_rcBounds = box;
            else
                m_rcBounds.UnionRect(m_rcBounds, box);
            bFirstBox = false;
        }
        if (!bDraw) {
            pLabel->EndDrawing();
            continue;
        }
        if (bMoved && (m_style.m_nFlags & DEDizedStyle::flagLeaderLines))
            DrawLeader(first, pLabel->GetPixelAnchor());
        pLabel->Draw(m_pDC, m_pWnd);
    }
}
