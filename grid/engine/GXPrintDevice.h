// CGXPrintDevice: the printer chosen for one grid: the system's DEVNAMES and DEVMODE blocks (movable
// global memory, owned) and a printer DC made from them on demand (owned). It is stored with the grid's
// parameter object and lets a view print on that printer instead of the application's. Its work is
// done by the process-wide print-device module (GXPrintDeviceImp.h) current when the object was made;
// without that module every operation does nothing and answers 0 or null.
//
// Stored form (Serialize, schema 1): WORD version 1 (any other throws CArchiveException badSchema),
// DWORD size of the DEVNAMES block and its bytes, DWORD size of the DEVMODE block and its bytes (a
// missing block has size 0). Reading checks the blocks before they are taken: a block that could not
// be the system's (a DEVNAMES shorter than its header or with an offset or a string outside the
// block, a DEVMODE shorter than its own size and extra fields) leaves the device empty, so the
// application's printer is used.
#pragma once

#include <windows.h>

#include "core/Core.h"

class CDC;
class CGXAbstractPrintDeviceImp;

// TRUE when the nSize bytes at p can be a DEVNAMES block: at least its header, with each of its three
// strings starting and ending inside the block.
BOOL GXIsSoundDevNames(const BYTE* p, DWORD nSize);

class CGXPrintDevice : public CObject {
    DECLARE_SERIAL(CGXPrintDevice)
public:
    CGXPrintDevice();
    // Frees both blocks and the printer DC.
    ~CGXPrintDevice() override;
    CGXPrintDevice(const CGXPrintDevice&) = delete;
    CGXPrintDevice& operator=(const CGXPrintDevice&) = delete;

    void Serialize(CArchive& ar) override;
    // The printer DC of the device (made from the blocks, the default printer's when there are none);
    // null when no DC can be made.
    virtual CDC* GetPrinterDC();
    // Deletes the printer DC.
    virtual void ResetPrinterDC();

    // The other device's blocks copied into this one (nothing for itself).
    void CopyFrom(const CGXPrintDevice& other);
    // Copies of the given blocks become the device's (the old ones freed).
    void SetDeviceData(const void* pNames, DWORD nNamesSize, const void* pMode, DWORD nModeSize);
    void SetDeviceHandles(HGLOBAL hDevNames, HGLOBAL hDevMode);
    // Frees the printer DC and both blocks.
    void FreeDevice();
    // Heap copies of the two blocks (delete[]; null and 0 for a missing one).
    void GetDeviceData(BYTE*& pNames, DWORD& nNamesSize, BYTE*& pMode, DWORD& nModeSize);
    // The system's default printer becomes the device's.
    void CreateDefaultDevice();
    // CreateDefaultDevice when the device has no DEVNAMES block.
    void EnsureDevice();
    // New movable copies of the blocks (both null without a DEVNAMES block); the caller owns them.
    void CreateDeviceHandles(HGLOBAL& hDevNames, HGLOBAL& hDevMode);
    // TRUE when the given blocks have exactly the sizes and bytes of the device's (a missing block
    // matches only size 0).
    BOOL CompareDeviceData(const void* pNames, DWORD nNamesSize, const void* pMode, DWORD nModeSize);
    BOOL IsSameDevice(HGLOBAL hDevNames, HGLOBAL hDevMode);

    HGLOBAL m_hDevMode;
    HGLOBAL m_hDevNames;
    HDC m_hPrintDC;
    CGXAbstractPrintDeviceImp* m_pPrintDeviceImp;
};
