// the standard headers before windows.h, which defines min and max as macros
#include <cstdlib>

#include "chart/engine/axes/SRGAxisManager.h"

#include "chart/engine/axes/SRGDecimalScale.h"
#include "chart/engine/axes/SRGGridLines.h"
#include "core/OwnedObList.h"
#include "win/CDC.h"
#include "win/ArgCheck.h"

IMPLEMENT_SERIAL(SRGAxisManager, SRGCompoundComponent, VERSIONABLE_SCHEMA | 1)

namespace {

// Bits 0-11 of a component's style word: border, shadow and fill kinds.
const int kFrameKinds = 0xFFF;

} // namespace

SRGAxisManager::SRGAxisManager() : m_present(), m_ptSecond(0, 0), m_ptFirst(0, 0), m_nAxisIndex(0), m_pDisplay(nullptr)
{
    m_nTypeId = chartTypeAxisManager;
    // the compound display gives every manager the whole plot as its area: a background of its own
    // would paint over the grid lines that the managers drawn before it left there
    m_style.m_nStyle &= ~kFrameKinds;
    for (int n = 0; n < slotCount; ++n)
        AddChild(NewPlaceholder());
}

DEDizedComponent* SRGAxisManager::NewPlaceholder()
{
    DEDizedComponent* pPlaceholder = nullptr;
    AfxAllocating([&] { pPlaceholder = new DEDizedComponent; });
    pPlaceholder->SetRectValues(0.0, 0.0, 0.0, 0.0);
    pPlaceholder->GetStyle()->m_nStyle &= ~kFrameKinds;
    return pPlaceholder;
}

void SRGAxisManager::Serialize(CArchive& ar)
{
    if (ar.IsLoading()) {
        AfxDeleteOwnedObjects(m_children);
        m_pDisplay = nullptr;
    }
    AfxSerializeOwnedObList(ar, m_children, RUNTIME_CLASS(DEDizedComponent));
    if (ar.IsStoring()) {
        for (int bPresent : m_present)
            ar << bPresent;
        ar << int(m_ptSecond.x) << int(m_ptSecond.y) << int(m_ptFirst.x) << int(m_ptFirst.y);
        return;
    }
    for (int& bPresent : m_present)
        ar >> bPresent;
    int x2 = 0, y2 = 0, x1 = 0, y1 = 0;
    ar >> x2 >> y2 >> x1 >> y1;
    m_ptSecond = CPoint(x2, y2);
    m_ptFirst = CPoint(x1, y1);
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;) {
        DEDizedComponent* pChild = static_cast<DEDizedComponent*>(m_children.GetNext(pos));
        pChild->SetCompoundChild(1);
        pChild->SetChart(m_pChart);
    }
}

void SRGAxisManager::LayoutHook()
{
    Layout();
}

void SRGAxisManager::SetRectValues(double dLeft, double dTop, double dRight, double dBottom)
{
    SRGCompoundComponent::SetRectValues(dLeft, dTop, dRight, dBottom);
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;)
        static_cast<DEDizedComponent*>(m_children.GetNext(pos))->SetRectValues(dLeft, dTop, dRight, dBottom);
}

// ---- slots ------------------------------------------------------------------------------------------------------

POSITION SRGAxisManager::SlotPosition(int nSlot)
{
    POSITION pos = m_children.GetHeadPosition();
    for (int n = 0; n < nSlot && pos != nullptr; ++n)
        m_children.GetNext(pos);
    return pos;
}

int SRGAxisManager::IsPresent(int nSlot) const
{
    return nSlot >= 0 && nSlot < slotCount ? m_present[nSlot] : 0;
}

DEDizedComponent* SRGAxisManager::GetPart(int nSlot)
{
    if (!m_present[nSlot])
        return nullptr;
    const POSITION pos = SlotPosition(nSlot);
    return pos != nullptr ? static_cast<DEDizedComponent*>(m_children.GetAt(pos)) : nullptr;
}

void SRGAxisManager::SetPart(int nSlot, DEDizedComponent* pPart)
{
    AfxRequirePointer(pPart, "SRGAxisManager::SetPart", "the part");
    const POSITION pos = SlotPosition(nSlot);
    if (pos == nullptr)
        return;
    DEDizedComponent* pOld = static_cast<DEDizedComponent*>(m_children.GetAt(pos));
    if (pOld == pPart)
        return;
    if (nSlot == slotScale || nSlot == slotShape || nSlot == slotTitle)
        pPart->GetStyle()->m_nStyle &= ~kFrameKinds;
    m_children.SetAt(pos, pPart);
    pPart->SetCompoundChild(1);
    pPart->SetChart(m_pChart);
    delete pOld;
    m_present[nSlot] = 1;
}

DEDizedComponent* SRGAxisManager::DetachPart(int nSlot, int bDelete)
{
    if (!m_present[nSlot])
        return nullptr;
    const POSITION pos = SlotPosition(nSlot);
    if (pos == nullptr)
        return nullptr;
    DEDizedComponent* pPart = static_cast<DEDizedComponent*>(m_children.GetAt(pos));
    m_children.SetAt(pos, NewPlaceholder());
    static_cast<DEDizedComponent*>(m_children.GetAt(pos))->SetChart(m_pChart);
    static_cast<DEDizedComponent*>(m_children.GetAt(pos))->SetCompoundChild(1);
    m_present[nSlot] = 0;
    pPart->SetCompoundChild(0);
    if (bDelete) {
        delete pPart;
        return nullptr;
    }
    return pPart;
}

DEDizedComponent* SRGAxisManager::DetachTickMarks(int bDelete) { return DetachPart(slotTickMarks, bDelete); }
DEDizedComponent* SRGAxisManager::DetachGridLines(int bDelete) { return DetachPart(slotGridLines, bDelete); }
DEDizedComponent* SRGAxisManager::DetachThirdPart(int bDelete) { return DetachPart(slotThirdPart, bDelete); }
DEDizedComponent* SRGAxisManager::DetachScale(int bDelete) { return DetachPart(slotScale, bDelete); }
DEDizedComponent* SRGAxisManager::DetachTitlePart(int bDelete) { return DetachPart(slotTitle, bDelete); }
DEDizedComponent* SRGAxisManager::DetachShapePart(int bDelete) { return DetachPart(slotShape, bDelete); }

DEDizedComponent* SRGAxisManager::GetScale() { return GetPart(slotScale); }
DEDizedComponent* SRGAxisManager::GetTickMarks() { return GetPart(slotTickMarks); }
DEDizedComponent* SRGAxisManager::GetGridLines() { return GetPart(slotGridLines); }
DEDizedComponent* SRGAxisManager::GetThirdPart() { return GetPart(slotThirdPart); }
DEDizedComponent* SRGAxisManager::GetTitlePart() { return GetPart(slotTitle); }
DEDizedComponent* SRGAxisManager::GetShapePart() { return GetPart(slotShape); }

void SRGAxisManager::SetScale(DEDizedComponent* pPart) { SetPart(slotScale, pPart); }
void SRGAxisManager::SetTickMarks(DEDizedComponent* pPart) { SetPart(slotTickMarks, pPart); }
void SRGAxisManager::SetGridLines(DEDizedComponent* pPart) { SetPart(slotGridLines, pPart); }
void SRGAxisManager::SetThirdPart(DEDizedComponent* pPart) { SetPart(slotThirdPart, pPart); }
void SRGAxisManager::SetTitlePart(DEDizedComponent* pPart) { SetPart(slotTitle, pPart); }
void SRGAxisManager::SetShapePart(DEDizedComponent* pPart) { SetPart(slotShape, pPart); }

SRGDecimalScale* SRGAxisManager::GetValueScale()
{
    return dynamic_cast<SRGDecimalScale*>(GetScale());
}

// ---- settings ---------------------------------------------------------------------------------------------------

void SRGAxisManager::SetAxisIndex(int nIndex)
{
    if (nIndex < 0 || nIndex > 3)
        AfxThrowInvalidArgFormat("SRGAxisManager::SetAxisIndex: index %d outside 0..3", nIndex);
    m_nAxisIndex = nIndex;
    if (SRGDecimalScale* pScale = GetValueScale())
        pScale->SetLabelSide(nIndex >= 2 ? 1 : 0);
    // ticks point right of a line running right or up when clear: down from the bottom, left of the
    // left axis, and the other way on the top and right
    if (SRGTickMarks* pTicks = dynamic_cast<SRGTickMarks*>(GetTickMarks()))
        pTicks->SetDirection(nIndex == 0 || nIndex == 3 ? 1 : 0);
}

void SRGAxisManager::SetScaleValueB(double dValue)
{
    if (SRGDecimalScale* pScale = GetValueScale())
        pScale->SetMaximum(dValue);
}

void SRGAxisManager::SetScaleValueA(double dValue)
{
    if (SRGDecimalScale* pScale = GetValueScale())
        pScale->SetMinimum(dValue);
}

void SRGAxisManager::SetFirstPoint(int x, int y) { m_ptFirst = CPoint(x, y); }
void SRGAxisManager::SetSecondPoint(int x, int y) { m_ptSecond = CPoint(x, y); }
CPoint SRGAxisManager::GetFirstPoint() const { return m_ptFirst; }
CPoint SRGAxisManager::GetSecondPoint() const { return m_ptSecond; }
void SRGAxisManager::SetDisplay(SRGDisplayBase* pDisplay) { m_pDisplay = pDisplay; }
SRGDisplayBase* SRGAxisManager::GetDisplay() const { return m_pDisplay; }

// ---- layout -----------------------------------------------------------------------------------------------------

int SRGAxisManager::GetTickLength()
{
    SRGTickMarks* pTicks = dynamic_cast<SRGTickMarks*>(GetTickMarks());
    if (pTicks == nullptr)
        return 0;
    double dLength = pTicks->GetMajorLength();
    if (m_pDC != nullptr && m_pDC->IsPrinting()) {
        // the ticks stand across the axis: a more vertical axis has them across in x
        const bool bVertical = std::abs(m_ptSecond.x - m_ptFirst.x) < std::abs(m_ptSecond.y - m_ptFirst.y);
        dLength *= bVertical ? GetDeviceScaleX() : GetDeviceScaleY();
    }
    return int(dLength);
}

void SRGAxisManager::Layout()
{
    SRGDecimalScale* pScale = GetValueScale();
    if (pScale == nullptr)
        return;
    pScale->SetFullRedraw(IsFullRedraw());
    pScale->SetStart(m_ptFirst.x, m_ptFirst.y);
    pScale->SetEnd(m_ptSecond.x, m_ptSecond.y);
    SRGTickMarks* pTicks = dynamic_cast<SRGTickMarks*>(GetTickMarks());
    if (pTicks != nullptr) {
        pScale->SetLabelGap(int(1.25 * GetTickLength()));
        pScale->SetAnchorRecording(1);
    }
    if (m_pDC != nullptr) {
        pScale->BeginDrawing(m_pDC, m_pWnd);
        try {
            pScale->BuildLabels();
            pScale->MeasureLabels();
        } catch (...) {
            pScale->EndDrawing();
            throw;
        }
        pScale->EndDrawing();
    }
    CPtrList* pPositions = pScale->GetRecordedAnchors();
    if (pTicks != nullptr)
        pTicks->SetPositions(pPositions);
    if (SRGGridLines* pGrid = dynamic_cast<SRGGridLines*>(GetGridLines()))
        pGrid->SetPositions(pPositions);
}

int SRGAxisManager::GetAxisWidth()
{
    int nWidth = 0;
    if (SRGDecimalScale* pScale = GetValueScale())
        nWidth += pScale->GetBoundingRect().Width();
    nWidth += GetTickLength();
    if (DEDizedComponent* pShape = GetShapePart())
        nWidth += pShape->GetDeviceRect().Width() * 6 / 5;
    return nWidth;
}

int SRGAxisManager::GetAxisHeight()
{
    int nHeight = 0;
    if (SRGDecimalScale* pScale = GetValueScale())
        nHeight += pScale->GetBoundingRect().Height();
    nHeight += GetTickLength();
    if (DEDizedComponent* pShape = GetShapePart())
        nHeight += pShape->GetDeviceRect().Height();
    return nHeight;
}
