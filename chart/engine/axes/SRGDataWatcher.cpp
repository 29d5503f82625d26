// SRGDataWatcher: the chart's values against a high and a low limit.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>

#include "chart/engine/axes/SRGDataWatcher.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedDataList.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/display/SRGDisplayBase.h"
#include "core/CStdioFile.h"

IMPLEMENT_SERIAL(SRGDataWatcher, SRGGridLines, VERSIONABLE_SCHEMA | 1)

namespace {

const double kNoLimit = 1e80;
const int kSelectionMask = 0xF00;

} // namespace

SRGDataWatcher::SRGDataWatcher()
    : m_bUseDisplayRange(0),
      m_dHighLimit(kNoLimit),
      m_dLowLimit(-kNoLimit),
      m_nMode(0),
      m_limitLines(10),
      m_pGridPositions(nullptr),
      m_nFirstGroup(0),
      m_nFirstItem(0),
      m_nGroupCount(0),
      m_nItemCount(0),
      m_nGroupStep(1),
      m_nItemStep(1)
{
    m_nTypeId = chartTypeDataWatcher;
}

SRGDataWatcher::~SRGDataWatcher()
{
    EmptyLimitLines();
}

void SRGDataWatcher::Serialize(CArchive& ar)
{
    SRGGridLines::Serialize(ar);
    if (ar.IsStoring())
        ar << m_bUseDisplayRange << m_dHighLimit << m_dLowLimit << m_nMode;
    else
        ar >> m_bUseDisplayRange >> m_dHighLimit >> m_dLowLimit >> m_nMode;
}

void SRGDataWatcher::WriteTemplateKeyword(CStdioFile& writer)
{
    writer.WriteString("datawatcher ");
}

void SRGDataWatcher::SetPositions(CPtrList* pPositions)
{
    m_pGridPositions = pPositions;
    SRGGridLines::SetPositions(pPositions);
}

void SRGDataWatcher::SetWatchMode(int nMode)
{
    m_nMode = nMode;
}

int SRGDataWatcher::GetWatchMode() const
{
    return m_nMode;
}

void SRGDataWatcher::SetUseDisplayRange(int bUse)
{
    m_bUseDisplayRange = bUse;
}

int SRGDataWatcher::GetUseDisplayRange() const
{
    return m_bUseDisplayRange;
}

void SRGDataWatcher::SetHighLimit(double dLimit)
{
    m_dHighLimit = dLimit;
}

void SRGDataWatcher::SetLowLimit(double dLimit)
{
    m_dLowLimit = dLimit;
}

double SRGDataWatcher::GetHighLimit() const
{
    return m_dHighLimit;
}

double SRGDataWatcher::GetLowLimit() const
{
    return m_dLowLimit;
}

void SRGDataWatcher::SetValueRange(const CScale& range)
{
    m_valueRange = range;
}

// ---- range ---------------------------------------------------------------------------------------------

SRGDisplayBase* SRGDataWatcher::FindDisplay()
{
    if (m_pChart == nullptr)
        return nullptr;
    CObList* pList = m_pChart->GetComponentList();
    POSITION pos = m_pChart->IsDrawing() ? m_pChart->GetCurrentComponent() : nullptr;
    if (pos == nullptr)
        pos = pList->Find(this);
    while (pos != nullptr) {
        CObject* pComponent = pList->GetNext(pos);
        if (pComponent->IsKindOf(RUNTIME_CLASS(SRGDisplayBase)))
            return static_cast<SRGDisplayBase*>(pComponent);
        if (!pComponent->IsKindOf(RUNTIME_CLASS(SRGDataWatcher)))
            break;
    }
    return nullptr;
}

void SRGDataWatcher::SetupRange()
{
    const DEDizedComponent* pSource = this;
    if (m_bUseDisplayRange) {
        if (SRGDisplayBase* pDisplay = FindDisplay())
            pSource = pDisplay;
    }
    int nFirstItem = 0;
    int nFirstGroup = 0;
    int nLastItem = 0;
    int nLastGroup = 0;
    pSource->GetDataWindow(nFirstItem, nFirstGroup, nLastItem, nLastGroup);
    // a step below 1 would never leave its first item
    m_nItemStep = (std::max)(pSource->GetIndexStep(), 1);
    m_nGroupStep = (std::max)(pSource->GetGroupStep(), 1);
    m_nFirstGroup = nFirstGroup == -1 ? 0 : nFirstGroup;
    m_nFirstItem = nFirstItem == -1 ? 0 : nFirstItem;
    if (nLastGroup == -1)
        nLastGroup = m_pChart != nullptr ? m_pChart->GetGroupCount() - 1 : -1;
    if (nLastItem == -1)
        nLastItem = m_pChart != nullptr ? m_pChart->GetMaxItemCount() - 1 : -1;
    m_nGroupCount = (std::max)(nLastGroup - m_nFirstGroup + 1, 0);
    m_nItemCount = (std::max)(nLastItem - m_nFirstItem + 1, 0);
}

template <class F>
void SRGDataWatcher::VisitItems(F f)
{
    SetupRange();
    if (m_pChart == nullptr || m_nFirstGroup < 0 || m_nFirstItem < 0)
        return;
    for (int nGroup = m_nFirstGroup; nGroup < m_nFirstGroup + m_nGroupCount; nGroup += m_nGroupStep) {
        int nCount = 0;
        AbsorbMissingData([&] { nCount = m_pChart->GetItemCount(nGroup, 1); });
        const int nEnd = (std::min)(nCount, m_nFirstItem + m_nItemCount);
        for (int nItem = m_nFirstItem; nItem < nEnd; nItem += m_nItemStep)
            f(m_pChart->GetValue(nItem, nGroup), nItem, nGroup);
    }
}

// ---- marking and the tests -----------------------------------------------------------------------------

namespace {

// The item (nItem, nGroup) of the chart, or null when it has none (never the placeholder of a read).
DEDizedData* FindItem(DEDized* pChart, int nItem, int nGroup)
{
    DEDizedData* pItem = nullptr;
    if (pChart != nullptr)
        AbsorbMissingData([&] { pItem = pChart->GetGroup(nGroup, 0)->GetItem(nItem, 0); });
    return pItem;
}

void SetSelection(DEDizedData* pItem, int nSelection)
{
    if (pItem != nullptr) {
        int& nKind = pItem->GetStyle()->m_nKind;
        nKind = (nKind & ~kSelectionMask) | (nSelection << 8);
    }
}

} // namespace

void SRGDataWatcher::MarkItem(int nItem, int nGroup)
{
    SetSelection(FindItem(m_pChart, nItem, nGroup), markedSelection);
}

void SRGDataWatcher::UnmarkItem(int nItem, int nGroup)
{
    SetSelection(FindItem(m_pChart, nItem, nGroup), 0);
}

template <class F>
int SRGDataWatcher::MarkBreaking(F bBreaks)
{
    int bClear = 1;
    VisitItems([&](double dValue, int nItem, int nGroup) {
        if (bBreaks(dValue)) {
            MarkItem(nItem, nGroup);
            bClear = 0;
        } else {
            UnmarkItem(nItem, nGroup);
        }
    });
    return bClear;
}

double SRGDataWatcher::RangeMean(bool& rbEmpty)
{
    double dSum = 0.0;
    int nValues = 0;
    VisitItems([&](double dValue, int, int) {
        dSum += dValue;
        ++nValues;
    });
    rbEmpty = nValues == 0;
    return nValues > 0 ? dSum / nValues : 0.0;
}

int SRGDataWatcher::TestAtOrAboveHigh()
{
    return MarkBreaking([this](double v) { return v >= m_dHighLimit; });
}

int SRGDataWatcher::TestAtOrBelowLow()
{
    return MarkBreaking([this](double v) { return v <= m_dLowLimit; });
}

int SRGDataWatcher::TestMeanBelowHigh()
{
    bool bEmpty = false;
    const double dMean = RangeMean(bEmpty);
    return bEmpty || dMean < m_dHighLimit;
}

int SRGDataWatcher::TestMeanAboveLow()
{
    bool bEmpty = false;
    const double dMean = RangeMean(bEmpty);
    return bEmpty || dMean > m_dLowLimit;
}

int SRGDataWatcher::TestBetween()
{
    return MarkBreaking([this](double v) { return v > m_dLowLimit && v < m_dHighLimit; });
}

int SRGDataWatcher::TestOutside()
{
    return MarkBreaking([this](double v) { return v <= m_dLowLimit || v >= m_dHighLimit; });
}

int SRGDataWatcher::TestMeanOutside()
{
    bool bEmpty = false;
    const double dMean = RangeMean(bEmpty);
    return bEmpty || dMean < m_dLowLimit || dMean > m_dHighLimit;
}

int SRGDataWatcher::TestMeanBetween()
{
    bool bEmpty = false;
    const double dMean = RangeMean(bEmpty);
    return bEmpty || (dMean > m_dLowLimit && dMean < m_dHighLimit);
}

void SRGDataWatcher::OnDataClear()
{
}

void SRGDataWatcher::OnDataAlarm()
{
}

void SRGDataWatcher::Check()
{
    int bClear = 0;
    switch (m_nMode) {
    case 0:
        bClear = TestAtOrAboveHigh();
        break;
    case 1:
        bClear = TestAtOrBelowLow();
        break;
    case 2:
        bClear = TestMeanBelowHigh();
        break;
    case 3:
        bClear = TestMeanAboveLow();
        break;
    case 4:
        bClear = TestBetween();
        break;
    case 5:
        bClear = TestOutside();
        break;
    case 6:
        bClear = TestMeanOutside();
        break;
    case 7:
        bClear = TestMeanBetween();
        break;
    default:
        break;
    }
    if (bClear)
        OnDataClear();
    else
        OnDataAlarm();
}

// ---- drawing -------------------------------------------------------------------------------------------

void SRGDataWatcher::EmptyLimitLines()
{
    while (!m_limitLines.IsEmpty())
        delete static_cast<CPoint*>(m_limitLines.RemoveHead());
}

void SRGDataWatcher::BuildLimitLines()
{
    EmptyLimitLines();
    const double dRange = m_valueRange.GetRange();
    if (m_valueRange.IsReset() || !(dRange > 0.0))
        return;
    const CRect& area = m_rcLines;
    const int nSpan = m_bVertical ? area.Width() : area.Height();
    auto add = [&](double dLimit) {
        // the offset truncates toward zero: it lies in the area while below its span + 1 and above -1
        const double dOffset = nSpan / dRange * (dLimit - m_valueRange.m_dMinimum) + 0.5;
        if (!(dOffset > -1.0 && dOffset < nSpan + 1.0))
            return;
        const int nOffset = int(dOffset);
        CPoint* pStart = nullptr;
        AfxAllocating([&] {
            pStart = m_bVertical ? new CPoint(area.left + nOffset, area.bottom) : new CPoint(area.left, area.bottom - nOffset);
        });
        try {
            m_limitLines.AddTail(pStart);
        } catch (...) {
            delete pStart;
            throw;
        }
    };
    if (m_nMode >= 4 && m_nMode <= 7)
        add(m_dLowLimit);
    add(m_dHighLimit);
}

void SRGDataWatcher::DrawContent()
{
    if (IsFullRedraw())
        Check();
    if (m_nMode < 0 || m_nMode > 7) {
        SRGGridLines::DrawContent();
        return;
    }
    BuildLimitLines();
    m_pPositions = &m_limitLines;
    try {
        SRGGridLines::DrawContent();
    } catch (...) {
        m_pPositions = m_pGridPositions;
        throw;
    }
    m_pPositions = m_pGridPositions;
}
