// CGXLongOperation: the front end of long grid operations (see GXLongOperation.h).
#include "grid/engine/GXLongOperation.h"

#include "grid/engine/GXState.h"
#include "win/Win.h"

#include <algorithm>

namespace {
// The installed module; null without one (or after the library state is gone).
CGXAbstractLongOperationImp* Module()
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    return pState != nullptr ? pState->m_pLongOperationImp : nullptr;
}
}  // namespace

GXLongOperationSettings& GXGetLongOperationSettings()
{
    static GXLongOperationSettings settings;
    return settings;
}

CGXLongOperation::CGXLongOperation()
{
    if (CGXAbstractLongOperationImp* pImp = Module())
        pImp->Start(*this);
    else
        GXGetLongOperationSettings().m_nLevel++;
}

CGXLongOperation::~CGXLongOperation()
{
    if (CGXAbstractLongOperationImp* pImp = Module())
        pImp->End(*this);
    else
        GXGetLongOperationSettings().m_nLevel--;
}

void CGXLongOperation::FreeStatusText()
{
    if (CGXAbstractLongOperationImp* pImp = Module())
        pImp->FreeStatusText(*this);
}

BOOL CGXLongOperation::SetStatusText(const char* pszText, BOOL bCopy)
{
    CGXAbstractLongOperationImp* pImp = Module();
    return pImp != nullptr ? pImp->SetStatusText(*this, pszText, bCopy) : FALSE;
}

BOOL CGXLongOperation::DoMessages(BOOL& bAborted)
{
    bAborted = FALSE;
    CGXAbstractLongOperationImp* pImp = Module();
    return pImp != nullptr ? pImp->DoMessages(*this, bAborted) : FALSE;
}

BOOL CGXLongOperation::UpdateProgress()
{
    CGXAbstractLongOperationImp* pImp = Module();
    return pImp != nullptr ? pImp->UpdateProgress(*this) : FALSE;
}

void CGXLongOperation::PumpMessages()
{
    if (CGXAbstractLongOperationImp* pImp = Module())
        pImp->PumpMessages(*this);
}

BOOL CGXLongOperation::PublishPercent(uint64_t nDone, uint64_t nTotal)
{
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    if (AfxGetServices()->GetTickCount() - m_dwStartTicks <= settings.m_nFirstWait)
        return FALSE;
    // a nested operation shows its percentage only where the percentage level lets it
    if (settings.m_nPercentLevel == -1 || settings.m_nPercentLevel >= settings.m_nLevel - 1)
        settings.m_nPercent = int(std::min<uint64_t>(nTotal > 0 ? nDone * 100 / nTotal : 100, 100));
    return TRUE;
}

BOOL CGXLongOperation::StepProgress(uint64_t nDone, uint64_t nTotal)
{
    if (!PublishPercent(nDone, nTotal))
        return FALSE;
    BOOL bAborted = FALSE;
    DoMessages(bAborted);
    return bAborted;
}

void CGXLongOperation::ShowProgress(uint64_t nDone, uint64_t nTotal)
{
    if (PublishPercent(nDone, nTotal))
        UpdateProgress();
}
