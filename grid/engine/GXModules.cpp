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

int GetLocaleDateOrder(BOOL bRefresh, BOOL* pbFourDigitYear, char* pchDateSeparator)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    CGXAbstractDateTimeImp* pImp = pState != nullptr ? pState->m_pDateTimeImp : nullptr;
    if (pImp == nullptr)
        return 3;
    BOOL bFourDigitYear = pbFourDigitYear != nullptr ? *pbFourDigitYear : FALSE;
    char chSeparator = pchDateSeparator != nullptr ? *pchDateSeparator : '/';
    const int nOrder = pImp->GetDateOrder(bRefresh, bFourDigitYear, chSeparator);
    if (pbFourDigitYear != nullptr)
        *pbFourDigitYear = bFourDigitYear;
    if (pchDateSeparator != nullptr)
        *pchDateSeparator = chSeparator;
    return nOrder;
}

char GetLocaleTimeSeparator(BOOL bRefresh)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    CGXAbstractDateTimeImp* pImp = pState != nullptr ? pState->m_pDateTimeImp : nullptr;
    return pImp != nullptr ? pImp->GetTimeSeparator(bRefresh) : ':';
}
