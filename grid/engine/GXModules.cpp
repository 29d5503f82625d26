// The installers of the grid operations' process-wide modules and the date and time shortcuts (see
// GXModules.h).
#include "grid/engine/GXModules.h"

#include "grid/engine/GXState.h"

void InstallGlobalPrintDeviceImp()
{
    GridLibraryState* pState = GXGetLibraryState();
    GXInstallLibraryModule(pState->m_pPrintDeviceImp, pState->m_moduleCreators.pfnPrintDevice);
}

void InstallGlobalDrawRotatedTextImp()
{
    GridLibraryState* pState = GXGetLibraryState();
    GXInstallLibraryModule(pState->m_pDrawRotatedTextImp, pState->m_moduleCreators.pfnDrawRotatedText);
}

void InstallGlobalNumberFormattingImp()
{
    GridLibraryState* pState = GXGetLibraryState();
    GXInstallLibraryModule(pState->m_pNumberFormattingImp, pState->m_moduleCreators.pfnNumberFormatting);
}

void InstallGlobalOleDateTimeImp()
{
    GridLibraryState* pState = GXGetLibraryState();
    GXInstallLibraryModule(pState->m_pDateTimeImp, pState->m_moduleCreators.pfnOleDateTime);
}

void InstallGlobalNoOleDateTimeImp()
{
    GridLibraryState* pState = GXGetLibraryState();
    GXInstallLibraryModule(pState->m_pDateTimeImp, pState->m_moduleCreators.pfnNoOleDateTime);
}

void InstallGlobalSortMoveDataImp()
{
    GridLibraryState* pState = GXGetLibraryState();
    GXInstallLibraryModule(pState->m_pSortMoveDataImp, pState->m_moduleCreators.pfnSortMoveData);
}

void InstallGlobalDataCopyMoveCellsImp()
{
    GridLibraryState* pState = GXGetLibraryState();
    GXInstallLibraryModule(pState->m_pDataCopyMoveCellsImp, pState->m_moduleCreators.pfnDataCopyMoveCells);
}

void InstallGlobalLongOperationImp()
{
    GridLibraryState* pState = GXGetLibraryState();
    GXInstallLibraryModule(pState->m_pLongOperationImp, pState->m_moduleCreators.pfnLongOperation);
}

void InstallGlobalCoveredCellPoolImp()
{
    GridLibraryState* pState = GXGetLibraryState();
    GXInstallLibraryModule(pState->m_pCoveredCellPoolImp, pState->m_moduleCreators.pfnCoveredCellPool);
}

void InstallGlobalSpanCellPoolImp()
{
    GridLibraryState* pState = GXGetLibraryState();
    GXInstallLibraryModule(pState->m_pSpanCellPoolImp, pState->m_moduleCreators.pfnSpanCellPool);
}

void InstallGlobalDelayedRangePoolImp()
{
    GridLibraryState* pState = GXGetLibraryState();
    GXInstallLibraryModule(pState->m_pDelayedRangePoolImp, pState->m_moduleCreators.pfnDelayedRangePool);
}

int GetLocaleDateOrder(DWORD nFlags, CString* pstrFormat)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    CGXAbstractDateTimeImp* pImp = pState != nullptr ? pState->m_pDateTimeImp : nullptr;
    return pImp != nullptr ? pImp->GetDateOrder(nFlags, pstrFormat) : 3;
}

char GetLocaleTimeSeparator(int nKind)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    CGXAbstractDateTimeImp* pImp = pState != nullptr ? pState->m_pDateTimeImp : nullptr;
    return pImp != nullptr ? pImp->GetTimeSeparator(nKind) : ':';
}
