// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>

#include "chart/engine/display/SRGCompoundDisplay.h"

#include "chart/engine/axes/SRGAxisManager.h"
#include "chart/engine/axes/SRGDataWatcher.h"
#include "chart/engine/axes/SRGDecimalScale.h"
#include "chart/engine/axes/SRGGridLines.h"
#include "chart/engine/axes/SRGIndexScale.h"
#include "chart/engine/components/DEDizedLabel.h"
#include "chart/engine/display/DEDizedDisplay.h"

IMPLEMENT_SERIAL(SRGCompoundDisplay, SRGCompoundComponent, VERSIONABLE_SCHEMA | 1)

namespace {

// Flag word bit 7: the plot rectangle is given from outside.
const int kPlotFixed = 0x80;
// Flag word bit 30: the compound's own depth (third limit) instead of 10.
const int kOwnDepth = 0x40000000;
// Second word bit 29: the bottom and top axes show the x range.
const int kHorizontalXRange = 0x20000000;
// The text angles of the axis titles: across, turned up, turned down.
const int kAcross = 0;
const int kTurnedUp = 1;
const int kTurnedDown = 3;

} // namespace

SRGCompoundDisplay::SRGCompoundDisplay()
    : m_nVerticalMirrorSide(1),
      m_nHorizontalMirrorSide(1),
      m_nOption3(1),
      m_lists{CPtrList(10), CPtrList(10), CPtrList(10), CPtrList(10)},
      m_bHorizontalMirror(0),
      m_bVerticalMirror(0),
      m_dHorizontalMirrorFactor(0.0),
      m_dVerticalMirrorFactor(0.0)
{
    m_nTypeId = chartTypeCompoundDisplay;
    for (int n = 0; n < axisCount; ++n) {
        SRGAxisManager* pManager = nullptr;
        AfxAllocating([&] { pManager = new SRGAxisManager; });
        AddChild(pManager);
    }
}

SRGCompoundDisplay::~SRGCompoundDisplay()
{
    for (CPtrList& list : m_lists)
        list.RemoveAll();
}

void SRGCompoundDisplay::Serialize(CArchive& ar)
{
    if (ar.IsLoading()) {
        // the stored children replace every child, and the lists point at none of them any more
        for (CPtrList& list : m_lists)
            list.RemoveAll();
    }
    SRGCompoundComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nVerticalMirrorSide << m_nHorizontalMirrorSide << m_nOption3 << m_bHorizontalMirror << m_bVerticalMirror;
        ar << m_dHorizontalMirrorFactor << m_dVerticalMirrorFactor;
        return;
    }
    ar >> m_nVerticalMirrorSide >> m_nHorizontalMirrorSide >> m_nOption3 >> m_bHorizontalMirror >> m_bVerticalMirror;
    ar >> m_dHorizontalMirrorFactor >> m_dVerticalMirrorFactor;
}

void SRGCompoundDisplay::BuildDefaultParts(int nGraphType, int nAxisType)
{
    DEDizedDisplay* pDisplay = nullptr;
    AfxAllocating([&] { pDisplay = new DEDizedDisplay; });
    DEDizedStyle* pStyle = pDisplay->GetStyle();
    pStyle->m_nStyle = (pStyle->m_nStyle & 0xFFFF) | (nGraphType & 0xFF0000) | int(nAxisType & 0xFF000000u);
    pStyle->m_nStyleSet = 1;
    // the compound draws the axes
    pDisplay->SetFlags(pDisplay->GetFlags() | SRGDisplayBase::flagNoAxes | SRGDisplayBase::flagOutsideLayout);
    AddChild(pDisplay);

    struct Axis {
        SRGAxisManager* pManager;
        SRGDecimalScale* pScale;
        int nIndex;
        int bVertical;
    };
    SRGIndexScale* pIndex = nullptr;
    SRGDecimalScale* pValues = nullptr;
    AfxAllocating([&] {
        pIndex = new SRGIndexScale;
        pValues = new SRGDecimalScale;
    });
    const Axis axes[2] = {{GetBottomAxis(), pIndex, 0, 1}, {GetLeftAxis(), pValues, 1, 0}};
    for (const Axis& axis : axes) {
        axis.pScale->SetMinimum(0.0);
        if (axis.pManager == nullptr) {
            delete axis.pScale;
            continue;
        }
        axis.pManager->SetScale(axis.pScale);
        SRGTickMarks* pTicks = nullptr;
        SRGGridLines* pGrid = nullptr;
        AfxAllocating([&] {
            pTicks = new SRGTickMarks;
            pGrid = new SRGGridLines;
        });
        axis.pManager->SetTickMarks(pTicks);
        pGrid->SetVertical(axis.bVertical);
        // the lines take the geometry the display's graph type implies
        pGrid->GetStyle()->m_nStyle = (pGrid->GetStyle()->m_nStyle & 0xFFFFFF) | (AXIS_BY_GRAPH_TYPE << 24);
        axis.pManager->SetGridLines(pGrid);
        axis.pManager->SetDisplay(pDisplay);
        axis.pManager->SetAxisIndex(axis.nIndex);
    }
}

// ---- drawing ----------------------------------------------------------------------------------------------------

void SRGCompoundDisplay::DrawContent()
{
    if (!(m_style.m_nFlags & kPlotFixed)) {
        CRect inner = GetDeviceRect();
        GetInnerRect(inner);
        SetPlotRect(inner.left, inner.top, inner.right, inner.bottom, 0);
    }
    LayoutHook();
    DrawChildren(m_pDC, m_pWnd);
}

void SRGCompoundDisplay::LayoutHook()
{
    if (GetSetting(settingPendingLayout))
        return;
    BuildAxes();
    FitPlotRect();
    PlaceAxes();
}

void SRGCompoundDisplay::SetPlotRect(int nLeft, int nTop, int nRight, int nBottom, int bFixed)
{
    m_settings[settingInnerLeft] = nLeft;
    m_settings[settingInnerLeft + 1] = nTop;
    m_settings[settingInnerLeft + 2] = nRight;
    m_settings[settingInnerLeft + 3] = nBottom;
    if (bFixed)
        m_style.m_nFlags |= kPlotFixed;
    else
        m_style.m_nFlags &= ~kPlotFixed;
}

void SRGCompoundDisplay::FitPlotRect()
{
    if (GetSetting(settingPendingLayout) || (m_style.m_nFlags & kPlotFixed))
        return;
    CRect plot = GetPlotRect();
    int nLeft = 0;
    int nRight = 0;
    for (SRGAxisManager* pAxis : {GetBottomAxis(), GetTopAxis()}) {
        DEDizedLabelBlock* pScale = pAxis != nullptr ? dynamic_cast<DEDizedLabelBlock*>(pAxis->GetScale()) : nullptr;
        if (pScale == nullptr)
            continue;
        const CRect labels = pScale->GetBoundingRect();
        if (labels.Width() > 0) {
            nLeft = (std::max)(nLeft, int(plot.left - labels.left));
            nRight = (std::max)(nRight, int(labels.right - plot.right));
        }
    }
    if (SRGAxisManager* pLeft = GetLeftAxis())
        nLeft = (std::max)(nLeft, pLeft->GetAxisWidth());
    if (SRGAxisManager* pRight = GetRightAxis())
        nRight = (std::max)(nRight, pRight->GetAxisWidth());
    plot.left += nLeft;
    plot.right -= nRight;
    if (SRGAxisManager* pBottom = GetBottomAxis())
        plot.bottom -= pBottom->GetAxisHeight();
    if (SRGAxisManager* pTop = GetTopAxis())
        plot.top += pTop->GetAxisHeight();
    // axes wider than the plot leave a line, never a plot turned inside out
    if (plot.left > plot.right)
        plot.left = plot.right = (plot.left + plot.right) / 2;
    if (plot.top > plot.bottom)
        plot.top = plot.bottom = (plot.top + plot.bottom) / 2;
    SetPlotRect(plot.left, plot.top, plot.right, plot.bottom, 0);
}

void SRGCompoundDisplay::PlaceAxes()
{
    BuildAxes();
    const CRect plot = GetPlotRect();
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;) {
        DEDizedComponent* pChild = static_cast<DEDizedComponent*>(m_children.GetNext(pos));
        if (pChild->GetTypeId() == chartTypeAxisManager)
            pChild->SetRectValues(plot.left, plot.top, plot.right, plot.bottom);
    }
}

SRGDisplayBase* SRGCompoundDisplay::GetReferenceDisplay(int nAxis)
{
    SRGAxisManager* pManager = GetAxis(nAxis);
    if (pManager != nullptr && pManager->GetDisplay() != nullptr)
        return pManager->GetDisplay();
    return m_lists[nAxis].IsEmpty() ? nullptr : static_cast<SRGDisplayBase*>(m_lists[nAxis].GetHead());
}

void SRGCompoundDisplay::BuildAxes()
{
    FillBottomList(m_lists[axisBottom]);
    FillLeftList(m_lists[axisLeft]);
    FillTopList(m_lists[axisTop]);
    FillRightList(m_lists[axisRight]);
    const CRect plot = GetPlotRect();
    const CPoint middle((plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2);
    const bool bFixed = (m_style.m_nFlags & kPlotFixed) != 0;
    const bool bPending = GetSetting(settingPendingLayout) != 0;

    // the titles at the middle of their sides
    for (int nAxis = 0; nAxis < axisCount; ++nAxis) {
        SRGAxisManager* pManager = GetAxis(nAxis);
        DEDizedLabel* pTitle = pManager != nullptr ? dynamic_cast<DEDizedLabel*>(pManager->GetTitlePart()) : nullptr;
        if (pTitle == nullptr)
            continue;
        const bool bVertical = nAxis == axisLeft || nAxis == axisRight;
        if (bPending && !bFixed) {
            const CPoint at = pTitle->GetPixelAnchor();
            pTitle->PlaceAt(bVertical ? at.x : middle.x, bVertical ? middle.y : at.y);
            continue;
        }
        DEDizedLabelBlock* pScale = dynamic_cast<DEDizedLabelBlock*>(pManager->GetScale());
        const CRect labels = pScale != nullptr && bFixed ? pScale->GetBoundingRect() : CRect(0, 0, 0, 0);
        static const int kOrientation[axisCount] = {kAcross, kAcross, kTurnedUp, kTurnedDown};
        static const int kOutside[axisCount] = {2, 6, 6, 6};
        static const int kOnEdge[axisCount] = {6, 2, 2, 2};
        CPoint at;
        switch (nAxis) {
        case axisBottom:
            at = CPoint(middle.x, plot.bottom + labels.Height());
            break;
        case axisTop:
            at = CPoint(middle.x, plot.top - labels.Height());
            break;
        case axisLeft:
            at = CPoint(plot.left - labels.Width(), middle.y);
            break;
        default:
            at = CPoint(plot.right + labels.Width(), middle.y);
            break;
        }
        pTitle->SetAnglePreset(kOrientation[nAxis]);
        pTitle->SetAnchorPosition(bFixed ? kOutside[nAxis] : kOnEdge[nAxis]);
        pTitle->PlaceAt(at.x, at.y);
    }

    const double dDepth = (m_style.m_nFlags & kOwnDepth) ? m_style.m_dLimit3 : 10.0;
    const int dx = int(dDepth * GetDeviceScaleX() + 0.5);
    const int dy = int(dDepth * GetDeviceScaleY() + 0.5);
    CScale shown[axisCount];
    static const int kAxisIndex[axisCount] = {0, 2, 1, 3};
    for (int nAxis = 0; nAxis < axisCount; ++nAxis) {
        SRGAxisManager* pManager = GetAxis(nAxis);
        SRGDisplayBase* pDisplay = GetReferenceDisplay(nAxis);
        if (pManager == nullptr || pDisplay == nullptr)
            continue;
        pManager->SetChart(m_pChart);
        SetAxisValue(pManager, kAxisIndex[nAxis]);
        const bool b3D = ChartAxisHasDepth(pDisplay->GetAxisType());
        pDisplay->RecomputeWindow();
        const bool bHorizontal = nAxis == axisBottom || nAxis == axisTop;
        const bool bX = bHorizontal && (m_style.m_nOptions & kHorizontalXRange) != 0;
        if (ChartIsXYType(pDisplay->GetGraphType()))
            shown[nAxis] = bX ? pDisplay->GetXViewRange() : pDisplay->GetYViewRange();
        else
            shown[nAxis] = bX ? pDisplay->GetXDataRange() : pDisplay->GetYDataRange();
        ShowRange(pManager, shown[nAxis]);
        if (DEDizedTitle* pScale = dynamic_cast<DEDizedTitle*>(pManager->GetScale())) {
            pScale->SetFont(pDisplay->GetStoredFontSize(), pDisplay->GetFontFlags(), pDisplay->GetFace());
            pScale->SetTextColour(pDisplay->GetTextColour());
        }
        switch (nAxis) {
        case axisBottom:
            pManager->SetFirstPoint(plot.left, plot.bottom);
            pManager->SetSecondPoint(plot.right - (b3D ? dx : 0), plot.bottom);
            break;
        case axisTop:
            pManager->SetFirstPoint(plot.left, plot.top);
            pManager->SetSecondPoint(plot.right - (b3D ? dx : 0), plot.top);
            break;
        case axisLeft:
            pManager->SetFirstPoint(plot.left, plot.bottom);
            pManager->SetSecondPoint(plot.left, plot.top + (b3D ? dy : 0));
            break;
        default:
            pManager->SetFirstPoint(plot.right, plot.bottom - (b3D ? dy : 0));
            pManager->SetSecondPoint(plot.right, plot.top);
            break;
        }
        if (m_pDC != nullptr) {
            // the axis measures its labels now, so that the plot can be fitted to them
            pManager->BeginDrawing(m_pDC, m_pWnd);
            try {
                pManager->Layout();
            } catch (...) {
                pManager->EndDrawing();
                throw;
            }
            pManager->EndDrawing();
        }
        const int nTypes = pDisplay->GetStyle()->m_nStyle;
        if (DEDizedComponent* pGrid = pManager->GetGridLines()) {
            pGrid->GetStyle()->m_nStyle = (pGrid->GetStyle()->m_nStyle & ~0xFF0000) | (nTypes & 0xFF0000);
            pGrid->MarkForRedraw();
        }
        if (DEDizedComponent* pThird = pManager->GetThirdPart()) {
            pThird->GetStyle()->m_nStyle = (pThird->GetStyle()->m_nStyle & 0xFFFF) | (nTypes & int(0xFFFF0000u));
            pThird->MarkForRedraw();
        }
    }

    auto mirror = [&](int bOn, int nSide, double dFactor, int nFirst, int nSecond, bool bVertical) {
        if (!bOn)
            return;
        // side 1: the second axis repeats the first; side 0 the other way
        const int nFrom = nSide == 1 ? nFirst : nSecond;
        const int nTo = nSide == 1 ? nSecond : nFirst;
        SRGAxisManager* pTarget = GetAxis(nTo);
        if (pTarget == nullptr || shown[nFrom].IsReset())
            return;
        auto convert = [&](double v) {
            if (dFactor != 0.0)
                return v * dFactor;
            return bVertical ? ConvertVerticalMirrorValue(v) : ConvertHorizontalMirrorValue(v);
        };
        CScale mirrored = shown[nFrom];
        mirrored.m_dMaximum = convert(shown[nFrom].m_dMaximum);
        mirrored.m_dMinimum = convert(shown[nFrom].m_dMinimum);
        ShowRange(pTarget, mirrored);
    };
    mirror(m_bVerticalMirror, m_nVerticalMirrorSide, m_dVerticalMirrorFactor, axisLeft, axisRight, true);
    mirror(m_bHorizontalMirror, m_nHorizontalMirrorSide, m_dHorizontalMirrorFactor, axisBottom, axisTop, false);

    static const int kPlaceOrder[axisCount] = {axisLeft, axisRight, axisBottom, axisTop};
    for (int nAxis : kPlaceOrder) {
        for (POSITION pos = m_lists[nAxis].GetHeadPosition(); pos != nullptr;) {
            SRGDisplayBase* pDisplay = static_cast<SRGDisplayBase*>(m_lists[nAxis].GetNext(pos));
            pDisplay->SetFlags(pDisplay->GetFlags() | SRGDisplayBase::flagOutsideLayout);
            pDisplay->SetPlotRect(plot.left, plot.top, plot.right, plot.bottom, 1);
        }
        SRGAxisManager* pManager = GetAxis(nAxis);
        if (pManager == nullptr)
            continue;
        // the grid lines, and a data watcher's limit lines, run across the plot at right angles to the axis
        for (DEDizedComponent* pPart : {pManager->GetGridLines(), pManager->GetThirdPart()}) {
            if (SRGGridLines* pLines = dynamic_cast<SRGGridLines*>(pPart)) {
                pLines->SetLineRect(plot);
                pLines->SetVertical(nAxis == axisBottom || nAxis == axisTop ? 1 : 0);
            }
        }
    }
}

void SRGCompoundDisplay::ShowRange(SRGAxisManager* pManager, const CScale& range)
{
    pManager->SetScaleValueB(range.m_dMaximum);
    pManager->SetScaleValueA(range.m_dMinimum);
    // a watcher beside the axis puts its limits on the values the axis shows
    if (SRGDataWatcher* pWatcher = dynamic_cast<SRGDataWatcher*>(pManager->GetThirdPart()))
        pWatcher->SetValueRange(range);
}

double SRGCompoundDisplay::ConvertVerticalMirrorValue(double dValue)
{
    return dValue;
}

double SRGCompoundDisplay::ConvertHorizontalMirrorValue(double dValue)
{
    return dValue;
}

// ---- mirrors and options ----------------------------------------------------------------------------------------

void SRGCompoundDisplay::SetHorizontalMirror(int bOn) { m_bHorizontalMirror = bOn; }
void SRGCompoundDisplay::SetVerticalMirror(int bOn) { m_bVerticalMirror = bOn; }
void SRGCompoundDisplay::SetHorizontalMirrorSide(int nSide) { m_nHorizontalMirrorSide = nSide; }
void SRGCompoundDisplay::SetVerticalMirrorSide(int nSide) { m_nVerticalMirrorSide = nSide; }
void SRGCompoundDisplay::SetHorizontalMirrorFactor(double dFactor) { m_dHorizontalMirrorFactor = dFactor; }
void SRGCompoundDisplay::SetVerticalMirrorFactor(double dFactor) { m_dVerticalMirrorFactor = dFactor; }
int SRGCompoundDisplay::GetHorizontalMirror() const { return m_bHorizontalMirror; }
int SRGCompoundDisplay::GetVerticalMirror() const { return m_bVerticalMirror; }
int SRGCompoundDisplay::GetHorizontalMirrorSide() const { return m_nHorizontalMirrorSide; }
int SRGCompoundDisplay::GetVerticalMirrorSide() const { return m_nVerticalMirrorSide; }
double SRGCompoundDisplay::GetHorizontalMirrorFactor() const { return m_dHorizontalMirrorFactor; }
double SRGCompoundDisplay::GetVerticalMirrorFactor() const { return m_dVerticalMirrorFactor; }
void SRGCompoundDisplay::SetOption3(int nValue) { m_nOption3 = nValue; }
int SRGCompoundDisplay::GetOption3() const { return m_nOption3; }

// ---- axes -------------------------------------------------------------------------------------------------------

void SRGCompoundDisplay::SetAxisValue(SRGAxisManager* pManager, int nValue)
{
    if (pManager != nullptr)
        pManager->SetAxisIndex(nValue);
}

void SRGCompoundDisplay::FillList(CPtrList& rList)
{
    rList.RemoveAll();
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;) {
        if (SRGDisplayBase* pDisplay = dynamic_cast<SRGDisplayBase*>(static_cast<CObject*>(m_children.GetNext(pos))))
            AfxAllocating([&] { rList.AddTail(pDisplay); });
    }
}

void SRGCompoundDisplay::FillBottomList(CPtrList& rList) { FillList(rList); }
void SRGCompoundDisplay::FillTopList(CPtrList& rList) { FillList(rList); }
void SRGCompoundDisplay::FillLeftList(CPtrList& rList) { FillList(rList); }
void SRGCompoundDisplay::FillRightList(CPtrList& rList) { FillList(rList); }

SRGAxisManager* SRGCompoundDisplay::GetAxis(int nAxis)
{
    POSITION pos = m_children.GetHeadPosition();
    for (int n = 0; n < nAxis && pos != nullptr; ++n)
        m_children.GetNext(pos);
    return pos != nullptr ? dynamic_cast<SRGAxisManager*>(static_cast<CObject*>(m_children.GetAt(pos))) : nullptr;
}

SRGAxisManager* SRGCompoundDisplay::GetBottomAxis() { return GetAxis(axisBottom); }
SRGAxisManager* SRGCompoundDisplay::GetTopAxis() { return GetAxis(axisTop); }
SRGAxisManager* SRGCompoundDisplay::GetLeftAxis() { return GetAxis(axisLeft); }
SRGAxisManager* SRGCompoundDisplay::GetRightAxis() { return GetAxis(axisRight); }

#define FORWARD_PART(Name, Axis, Setter, Type)                                                                    \
    void SRGCompoundDisplay::Name(Type* pPart)                                                                    \
    {                                                                                                             \
        if (SRGAxisManager* pManager = GetAxis(Axis))                                                            \
            pManager->Setter(pPart);                                                                              \
    }

FORWARD_PART(SetBottomPart0, axisBottom, SetScale, DEDizedComponent)
FORWARD_PART(SetTopPart0, axisTop, SetScale, DEDizedComponent)
FORWARD_PART(SetLeftPart0, axisLeft, SetScale, DEDizedComponent)
FORWARD_PART(SetRightPart0, axisRight, SetScale, DEDizedComponent)
FORWARD_PART(SetLeftPart2, axisLeft, SetGridLines, DEDizedComponent)
FORWARD_PART(SetRightPart2, axisRight, SetGridLines, DEDizedComponent)
FORWARD_PART(SetBottomPart2, axisBottom, SetGridLines, DEDizedComponent)
FORWARD_PART(SetTopPart2, axisTop, SetGridLines, DEDizedComponent)
FORWARD_PART(SetBottomPart1, axisBottom, SetTickMarks, DEDizedComponent)
FORWARD_PART(SetTopPart1, axisTop, SetTickMarks, DEDizedComponent)
FORWARD_PART(SetLeftPart1, axisLeft, SetTickMarks, DEDizedComponent)
FORWARD_PART(SetRightPart1, axisRight, SetTickMarks, DEDizedComponent)
FORWARD_PART(SetBottomDisplay, axisBottom, SetDisplay, SRGDisplayBase)
FORWARD_PART(SetTopDisplay, axisTop, SetDisplay, SRGDisplayBase)
FORWARD_PART(SetLeftDisplay, axisLeft, SetDisplay, SRGDisplayBase)
FORWARD_PART(SetRightDisplay, axisRight, SetDisplay, SRGDisplayBase)
FORWARD_PART(SetBottomPart3, axisBottom, SetThirdPart, DEDizedComponent)
FORWARD_PART(SetTopPart3, axisTop, SetThirdPart, DEDizedComponent)
FORWARD_PART(SetLeftPart3, axisLeft, SetThirdPart, DEDizedComponent)
FORWARD_PART(SetRightPart3, axisRight, SetThirdPart, DEDizedComponent)

#undef FORWARD_PART
