// DEDizedDisplay: the scales of the horizontal, by-group and floating-bar layouts.
#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/axes/SRGDateScale.h"
#include "chart/engine/axes/SRGIndexScale.h"

void DEDizedDisplay::MakeScales(CRuntimeClass* pCategoryClass, bool bDateValues)
{
    CRuntimeClass* pValueClass = HasFlag(flagLogarithmic) ? RUNTIME_CLASS(SRGLogScale)
                                 : bDateValues           ? RUNTIME_CLASS(SRGDateScale)
                                                         : RUNTIME_CLASS(SRGDecimalScale);
    // scales of another layout (the graph type changed) make way
    if (m_pXScale == nullptr || m_pXScale->GetRuntimeClass() != pCategoryClass)
        SetXScale(static_cast<DEDizedLabelBlock*>(pCategoryClass->CreateObject()));
    if (m_pYScale == nullptr || m_pYScale->GetRuntimeClass() != pValueClass)
        SetYScale(static_cast<DEDizedLabelBlock*>(pValueClass->CreateObject()));
    // categories are bars: their labels in the middle of each
    static_cast<SRGIndexScale*>(m_pXScale)->SetOnPoints(0);
}

void DEDizedDisplay::BuildSideCategoryScales(CRuntimeClass* pCategoryClass, int nNoCategory, bool bPercent,
                                             bool bDepth, bool bDateValues)
{
    if (!(m_yData.GetRange() > kTinyRange) || m_style.GetValueLabelKind() == 0)
        return;
    MakeScales(pCategoryClass, bDateValues);
    // the categories stand up the side, the values along the bottom: the frame draws its grid lines
    // across the plot at the ticks of each
    AttachScales(m_yTicks, m_xTicks);
    SRGDecimalScale* pCategory = HasFlag(nNoCategory) ? nullptr : static_cast<SRGDecimalScale*>(m_pXScale);
    SRGDecimalScale* pValue = HasFlag(flagNoYScale) ? nullptr : static_cast<SRGDecimalScale*>(m_pYScale);
    if (pCategory != nullptr)
        pCategory->SetStep(m_extraValues[0]);
    if (pValue != nullptr)
        SetValueScaleLimits(pValue, bPercent);
    LayOutAxes(pValue, pCategory, false, bDepth ? GetDepthPixels() : CSize(0, 0));
}

void DEDizedDisplay::BuildScalesTransposed()
{
    const int nAxisType = GetAxisType();
    BuildSideCategoryScales(RUNTIME_CLASS(SRGIndexScale), flagNoXScale, GetGraphType() == GT_STACKED_HBAR_100,
                            GetGraphType() == GT_HBAR_3D || nAxisType == 0x10 || nAxisType == 0x16,
                            nAxisType == 0x16 || nAxisType == 0x17);
}

void DEDizedDisplay::BuildScalesTransposedByGroup()
{
    const int nAxisType = GetAxisType();
    BuildSideCategoryScales(RUNTIME_CLASS(SRGGroupScale), flagNoGroupLabels,
                            GetGraphType() == GT_GROUP_STACKED_HBAR_100, nAxisType == 0x10 || nAxisType == 0x16,
                            nAxisType == 0x16 || nAxisType == 0x17);
}

void DEDizedDisplay::BuildFloatScales()
{
    // rows of group pairs up the side, the values along the bottom
    BuildSideCategoryScales(RUNTIME_CLASS(SRGGroupScale), flagNoXScale, false, false, GetAxisType() == 0x19);
}

void DEDizedDisplay::BuildScalesByGroup()
{
    if (!(m_yData.GetRange() > kTinyRange) || m_style.GetValueLabelKind() == 0)
        return;
    const int nAxisType = GetAxisType();
    MakeScales(RUNTIME_CLASS(SRGGroupScale), nAxisType >= 0x12 && nAxisType <= 0x15);
    AttachScales(m_xTicks, m_yTicks);
    BuildScalePasses(false, flagNoGroupLabels);
}
