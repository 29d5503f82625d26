// The process-wide printer-settings module: the printer's DEVNAMES and DEVMODE blocks of a grid's
// print device (CGXPrintDevice), its printer DC, print set-up and print preparation.
// The module (CGXPrintDeviceImp, GXPrintDeviceImp.cpp) keeps no data. A printer DC is made only from a
// DEVNAMES block whose strings lie inside it; the default printer's settings print TrueType as graphics.
#pragma once

#include <windows.h>

#include "core/Core.h"

class CDC;
class CPrintDialog;
class CPrintInfo;
class CView;
class CGXPrintDevice;

class CGXAbstractPrintDeviceImp : public CObject {
public:
    // The application's printer becomes the device's.
    virtual void ApplyToApp(CGXPrintDevice* pDevice) = 0;
    // The print set-up dialog for the device. The dialog's result (0 without a device).
    virtual INT_PTR DoPrintSetup(CGXPrintDevice* pDevice, CPrintDialog* pDialog) = 0;
    // The view's print preparation with the device's printer. FALSE when it failed.
    virtual BOOL DoPreparePrinting(CView* pView, CGXPrintDevice* pDevice, CPrintInfo* pInfo) = 0;
    virtual void SetDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) = 0;
    virtual void SetDeviceData(CGXPrintDevice* pDevice, const void* pNames, DWORD nNamesSize, const void* pMode,
                               DWORD nModeSize) = 0;
    virtual void FreeDevice(CGXPrintDevice* pDevice) = 0;
    // Heap copies of the two blocks (null and 0 for a missing one).
    virtual void GetDeviceData(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode, BYTE*& pNames,
                               DWORD& nNamesSize, BYTE*& pMode, DWORD& nModeSize) = 0;
    // The system's default printer becomes the device's.
    virtual void CreateDefaultDevice(CGXPrintDevice* pDevice) = 0;
    virtual CDC* GetPrinterDC(CGXPrintDevice* pDevice) = 0;
    virtual void DeletePrinterDC(CGXPrintDevice* pDevice) = 0;
    // New movable copies of the device's blocks.
    virtual void CreateDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL& hDevNames, HGLOBAL& hDevMode) = 0;
    virtual BOOL IsSameDevice(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) = 0;
    virtual BOOL CompareDeviceData(CGXPrintDevice* pDevice, const void* pNames, DWORD nNamesSize, const void* pMode,
                                   DWORD nModeSize) = 0;
};

CGXAbstractPrintDeviceImp* GXCreatePrintDeviceImp();
