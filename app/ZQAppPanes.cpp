// CZQApp's services over the panes of the main frame: the alternatives list, the reference tree and
// the criteria list, and the places of the focus cycle (see ZQApp.h). Whatever changes the panes here
// leaves their buttons following what they can do (CZQPane::UpdateButtons).
#include "app/ZQApp.h"

#include "app/ZQDockingWndAlt.h"
#include "app/ZQDockingWndCrit.h"
#include "app/ZQDockingWndRef.h"
#include "app/ZQPaneRefill.h"

CZQDockingWndAlt* CZQApp::GetAlternativesPane() const
{
    return ZQFindPane<CZQDockingWndAlt>(dynamic_cast<CFrameWnd*>(m_pMainWnd));
}

CZQDockingWndRef* CZQApp::GetReferencePane() const
{
    return ZQFindPane<CZQDockingWndRef>(dynamic_cast<CFrameWnd*>(m_pMainWnd));
}

CZQDockingWndCrit* CZQApp::GetCriteriaPane() const
{
    return ZQFindPane<CZQDockingWndCrit>(dynamic_cast<CFrameWnd*>(m_pMainWnd));
}

void CZQApp::ClearCredibilityChoice()
{
    m_Project.CredibilityList.clear();
    m_Project.CredibilityDefined = 0;
}

void CZQApp::ReferenceRankingChanged()
{
    SetModified(1);
    ClearCredibilityChoice();
    AutoSolve();
}

// ---- the alternatives list and the reference tree ----------------------------------------------------------

void CZQApp::DeleteAllAlternativeItems()
{
    if (m_pRefill != nullptr)
        return m_pRefill->DeleteAllAlternatives();
    if (CZQDockingWndAlt* pPane = GetAlternativesPane()) {
        pPane->m_wndList.DeleteAllItems();
        pPane->UpdateButtons();
    }
}

void CZQApp::InsertAlternativeItem(const CString& name)
{
    if (m_pRefill != nullptr)
        return m_pRefill->InsertAlternative(name);
    if (CZQDockingWndAlt* pPane = GetAlternativesPane()) {
        pPane->InsertAlternative(name);
        pPane->UpdateButtons();
    }
}

int CZQApp::GetAlternativeItemCount()
{
    if (m_pRefill != nullptr)
        return m_pRefill->GetAlternativeCount();
    CZQDockingWndAlt* pPane = GetAlternativesPane();
    return pPane != nullptr ? pPane->m_wndList.GetItemCount() : 0;
}

CString CZQApp::GetAlternativeItemText(int item)
{
    if (m_pRefill != nullptr)
        return m_pRefill->GetAlternativeText(item);
    CZQDockingWndAlt* pPane = GetAlternativesPane();
    return pPane != nullptr ? pPane->m_wndList.GetItemText(item, 0) : CString();
}

void CZQApp::SetAlternativeItemSelected(int item, bool selected)
{
    if (m_pRefill != nullptr)
        return m_pRefill->SetAlternativeSelected(item, selected);
    if (CZQDockingWndAlt* pPane = GetAlternativesPane())
        pPane->m_wndList.SetItemState(item, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void CZQApp::AddSelectedToRank(int rank)
{
    if (m_pRefill != nullptr)
        return m_pRefill->AddSelectedToRank(rank);
    if (CZQDockingWndAlt* pPane = GetAlternativesPane())
        pPane->AddSelectedToRank(rank, FALSE);
}

std::vector<CZQRankNode> CZQApp::GetReferenceTree()
{
    if (m_pRefill != nullptr)
        return m_pRefill->GetReferenceTree();
    CZQDockingWndRef* pPane = GetReferencePane();
    return pPane != nullptr ? pPane->GetReferenceTree() : std::vector<CZQRankNode>();
}

void CZQApp::DeleteReferenceTree()
{
    if (m_pRefill != nullptr)
        return m_pRefill->DeleteAllRanks();
    if (CZQDockingWndRef* pPane = GetReferencePane()) {
        pPane->DeleteAllRanks();
        pPane->UpdateButtons();
    }
}

// ---- the criteria list -------------------------------------------------------------------------------------

void CZQApp::DeleteAllCriterionItems()
{
    if (m_pRefill != nullptr)
        return m_pRefill->DeleteAllCriteria();
    if (CZQDockingWndCrit* pPane = GetCriteriaPane()) {
        pPane->m_wndList.DeleteAllItems();
        pPane->UpdateButtons();
    }
}

void CZQApp::InsertCriterionItem(const CString& name, const CString& kindText)
{
    if (m_pRefill != nullptr)
        return m_pRefill->InsertCriterion(name, kindText);
    if (CZQDockingWndCrit* pPane = GetCriteriaPane()) {
        pPane->InsertCriterion(name, kindText);
        pPane->UpdateButtons();
    }
}

int CZQApp::GetCriterionItemCount()
{
    CZQDockingWndCrit* pPane = GetCriteriaPane();
    return pPane != nullptr ? pPane->m_wndList.GetItemCount() : 0;
}

// ---- the focus cycle ---------------------------------------------------------------------------------------

CWnd* CZQApp::GetFocusCycleControl(int nPosition)
{
    CZQDockingWndAlt* pAlternatives = GetAlternativesPane();
    CZQDockingWndRef* pReference = GetReferencePane();
    CZQDockingWndCrit* pCriteria = GetCriteriaPane();
    switch (nPosition) {
    case 0:
        return pAlternatives != nullptr ? &pAlternatives->m_wndName : nullptr;
    case 1:
        return pAlternatives != nullptr ? &pAlternatives->m_wndList : nullptr;
    case 2:
        return pReference != nullptr ? &pReference->m_wndTree : nullptr;
    case 3:
        return pCriteria != nullptr ? &pCriteria->m_wndList : nullptr;
    case 4:
        return FirstViewOf(ZQDocument::EvaluationsGrid);
    default:
        return nullptr;
    }
}
