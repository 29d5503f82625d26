// SRGDisplayBase: the data watchers drawn after the frame.
#include "chart/engine/display/SRGDisplayBase.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/axes/SRGDataWatcher.h"

void SRGDisplayBase::DrawDataWatchers()
{
    if (m_pChart == nullptr)
        return;
    CObList* pList = m_pChart->GetComponentList();
    POSITION pos = pList->Find(this);
    if (pos == nullptr)
        return;
    pList->GetNext(pos);
    while (pos != nullptr) {
        CObject* pComponent = pList->GetNext(pos);
        if (!pComponent->IsKindOf(RUNTIME_CLASS(SRGDataWatcher)))
            break;
        SRGDataWatcher* pWatcher = static_cast<SRGDataWatcher*>(pComponent);
        pWatcher->SetLineRect(m_rcPlot);
        pWatcher->SetValueRange(m_yData);
        int& nStyle = pWatcher->GetStyle()->m_nStyle;
        nStyle = (nStyle & 0xFFFF) | (m_style.m_nStyle & int(0xFFFF0000u));
        pWatcher->MarkForRedraw();
        m_pChart->PushClip();
        pWatcher->BeginDrawing(m_pDC, m_pWnd);
        try {
            // the lines may stand on the plot's right and bottom edges
            m_pChart->ClipToRect(m_rcPlot.left, m_rcPlot.top, m_rcPlot.right + 1, m_rcPlot.bottom + 1, RGN_COPY);
            pWatcher->DrawContent();
        } catch (...) {
            pWatcher->EndDrawing();
            m_pChart->PopClip();
            throw;
        }
        pWatcher->EndDrawing();
        m_pChart->PopClip();
    }
}
