// CGXLongOperation: the front end of long grid operations (see GXLongOperation.h).
#include "grid/engine/GXLongOperation.h"

#include "grid/engine/GXState.h"

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
