#include "chart/engine/components/SRGCompoundComponent.h"

#include "win/ArgCheck.h"

IMPLEMENT_SERIAL(SRGCompoundComponent, DEDizedComponent, VERSIONABLE_SCHEMA | 1)

SRGCompoundComponent::SRGCompoundComponent() : m_settings()
{
    m_nTypeId = chartTypeCompound;
}

SRGCompoundComponent::~SRGCompoundComponent()
{
    AfxDeleteOwnedObjects(m_children);
}

void SRGCompoundComponent::Serialize(CArchive& ar)
{
    DEDizedComponent::Serialize(ar);
    if (ar.IsLoading())
        AfxDeleteOwnedObjects(m_children);
    AfxSerializeOwnedObList(ar, m_children, RUNTIME_CLASS(DEDizedComponent));
    for (int& nSetting : m_settings) {
        if (ar.IsStoring())
            ar << nSetting;
        else
            ar >> nSetting;
    }
    if (ar.IsLoading()) {
        for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;) {
            DEDizedComponent* pChild = static_cast<DEDizedComponent*>(m_children.GetNext(pos));
            pChild->SetCompoundChild(1);
            pChild->SetChart(m_pChart);
        }
    }
}

void SRGCompoundComponent::SetChart(DEDized* pChart)
{
    DEDizedComponent::SetChart(pChart);
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;)
        static_cast<DEDizedComponent*>(m_children.GetNext(pos))->SetChart(pChart);
}

void SRGCompoundComponent::DrawContent()
{
    CRect inner = GetDeviceRect();
    GetInnerRect(inner);
    m_settings[settingInnerLeft] = inner.left;
    m_settings[settingInnerLeft + 1] = inner.top;
    m_settings[settingInnerLeft + 2] = inner.right;
    m_settings[settingInnerLeft + 3] = inner.bottom;
    LayoutHook();
    DrawChildren(m_pDC, m_pWnd);
}

CRect SRGCompoundComponent::GetInnerArea() const
{
    return CRect(m_settings[settingInnerLeft], m_settings[settingInnerLeft + 1], m_settings[settingInnerLeft + 2],
                 m_settings[settingInnerLeft + 3]);
}

int SRGCompoundComponent::IsCompound() const
{
    return 1;
}

void SRGCompoundComponent::MarkForRedraw()
{
    DEDizedComponent::MarkForRedraw();
    MarkChildrenForRedraw();
}

void SRGCompoundComponent::MarkChildrenForRedraw()
{
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;)
        static_cast<DEDizedComponent*>(m_children.GetNext(pos))->MarkForRedraw();
}

void SRGCompoundComponent::DrawChildren(CDC* pDC, CWnd* pWnd)
{
    const int bFull = IsFullRedraw();
    OnBeforeChildren(bFull);
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;) {
        DEDizedComponent* pChild = static_cast<DEDizedComponent*>(m_children.GetNext(pos));
        if (bFull || pChild->NeedsRedraw()) {
            pChild->SetFullRedraw(bFull);
            pChild->Draw(pDC, pWnd);
        }
    }
    OnAfterChildren(bFull);
}

DEDizedComponent* SRGCompoundComponent::FindNth(int n, int nTypeId, int& rnCounter)
{
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;) {
        DEDizedComponent* pChild = static_cast<DEDizedComponent*>(m_children.GetNext(pos));
        if (pChild->GetTypeId() == nTypeId && rnCounter++ == n)
            return pChild;
        if (pChild->IsCompound()) {
            if (DEDizedComponent* pFound = static_cast<SRGCompoundComponent*>(pChild)->FindNth(n, nTypeId, rnCounter))
                return pFound;
        }
    }
    return nullptr;
}

CObList* SRGCompoundComponent::GetChildren()
{
    return &m_children;
}

void SRGCompoundComponent::AddChild(DEDizedComponent* pChild)
{
    AfxRequirePointer(pChild, "SRGCompoundComponent::AddChild", "the child");
    pChild->SetChart(m_pChart);
    pChild->SetCompoundChild(1);
    AfxAddOwnedTail(m_children, pChild);
}

int SRGCompoundComponent::GetSetting(int nIndex) const
{
    if (nIndex < 0 || nIndex >= settingCount)
        AfxThrowInvalidArgFormat("SRGCompoundComponent::GetSetting: index %d outside 0..9", nIndex);
    return m_settings[nIndex];
}

void SRGCompoundComponent::SetSetting(int nIndex, int nValue)
{
    if (nIndex < 0 || nIndex >= settingCount)
        AfxThrowInvalidArgFormat("SRGCompoundComponent::SetSetting: index %d outside 0..9", nIndex);
    m_settings[nIndex] = nValue;
}

void SRGCompoundComponent::OnBeforeChildren(int /*bFull*/)
{
}

void SRGCompoundComponent::OnAfterChildren(int /*bFull*/)
{
}
