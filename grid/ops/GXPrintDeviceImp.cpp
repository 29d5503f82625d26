// CGXPrintDeviceImp: the process-wide printer-settings module (see GXPrintDeviceImp.h and
// GXPrintDevice.h).
#include "grid/ops/GXPrintDeviceImp.h"

#include "grid/engine/GXPrintDevice.h"
#include "win/CDC.h"
#include "win/CPrintDialog.h"
#include "win/CPrintInfo.h"
#include "win/CView.h"
#include "win/CWinApp.h"

#include <cstring>
#include <memory>

namespace {

// A movable, zero-initialised copy of nSize bytes at p; null for an empty block. bFailed is set when
// the memory could not be had.
HGLOBAL CopyToGlobal(const void* p, DWORD nSize, bool& bFailed)
{
    if (p == nullptr || nSize == 0)
        return nullptr;
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize);
    void* pDest = h != nullptr ? ::GlobalLock(h) : nullptr;
    if (pDest == nullptr) {
        if (h != nullptr)
            ::GlobalFree(h);
        bFailed = true;
        return nullptr;
    }
    std::memcpy(pDest, p, nSize);
    ::GlobalUnlock(h);
    return h;
}

// A global block's bytes, locked for the life of the object.
class LockedBlock {
public:
    explicit LockedBlock(HGLOBAL h)
        : m_h(h), m_p(h != nullptr ? static_cast<const BYTE*>(::GlobalLock(h)) : nullptr),
          m_nSize(m_p != nullptr ? DWORD(::GlobalSize(h)) : 0)
    {
    }
    ~LockedBlock()
    {
        if (m_p != nullptr)
            ::GlobalUnlock(m_h);
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;
    const BYTE* Data() const { return m_p; }
    DWORD Size() const { return m_nSize; }

private:
    HGLOBAL m_h;
    const BYTE* m_p;
    DWORD m_nSize;
};

// A heap copy of a block (null and 0 without one).
void HeapCopy(HGLOBAL h, BYTE*& p, DWORD& nSize)
{
    const LockedBlock block(h);
    p = nullptr;
    nSize = block.Size();
    if (block.Data() == nullptr || nSize == 0) {
        nSize = 0;
        return;
    }
    p = new BYTE[nSize];
    std::memcpy(p, block.Data(), nSize);
}

// A DEVNAMES block whose three strings lie inside it.
bool HasSoundOffsets(HGLOBAL hDevNames)
{
    const LockedBlock block(hDevNames);
    return GXIsSoundDevNames(block.Data(), block.Size()) != FALSE;
}

// The application's printer replaced by copies of the device's blocks.
void ReplaceAppPrinter(CWinApp* pApp, CGXPrintDevice* pDevice, CGXAbstractPrintDeviceImp& imp)
{
    if (pApp->m_hDevNames != nullptr)
        ::GlobalFree(pApp->m_hDevNames);
    if (pApp->m_hDevMode != nullptr)
        ::GlobalFree(pApp->m_hDevMode);
    pApp->m_hDevNames = pApp->m_hDevMode = nullptr;
    imp.CreateDeviceHandles(pDevice, pApp->m_hDevNames, pApp->m_hDevMode);
}

// The class library's standard preparation of a view's print job (protected in CView: a view calls it
// from its own OnPreparePrinting, which is where this module runs).
BOOL StandardPreparePrinting(CView* pView, CPrintInfo* pInfo)
{
    struct Access : CView {
        static BOOL Prepare(CView* p, CPrintInfo* pInfo) { return (p->*&Access::DoPreparePrinting)(pInfo); }
    };
    return Access::Prepare(pView, pInfo);
}

}  // namespace

class CGXPrintDeviceImp : public CGXAbstractPrintDeviceImp {
public:
    void ApplyToApp(CGXPrintDevice* pDevice) override
    {
        if (CWinApp* pApp = AfxGetApp())
            ReplaceAppPrinter(pApp, pDevice, *this);
    }

    INT_PTR DoPrintSetup(CGXPrintDevice* pDevice, CPrintDialog* pDialog) override
    {
        if (pDevice == nullptr || pDialog == nullptr)
            return 0;
        CWaitCursor wait;
        pDevice->EnsureDevice();
        ApplyToApp(pDevice);
        CWinApp* pApp = AfxGetApp();
        const INT_PTR nResult = pApp != nullptr ? pApp->DoPrintDialog(pDialog) : IDCANCEL;
        if (nResult == IDOK && !IsSameDevice(pDevice, pDialog->m_pd.hDevNames, pDialog->m_pd.hDevMode))
            SetDeviceHandles(pDevice, pDialog->m_pd.hDevNames, pDialog->m_pd.hDevMode);
        return nResult;
    }

    BOOL DoPreparePrinting(CView* pView, CGXPrintDevice* pDevice, CPrintInfo* pInfo) override
    {
        if (pDevice == nullptr)
            return StandardPreparePrinting(pView, pInfo);
        CWaitCursor wait;
        pDevice->EnsureDevice();
        ApplyToApp(pDevice);
        if (!StandardPreparePrinting(pView, pInfo))
            return FALSE;
        const PRINTDLGA& pd = pInfo->m_pPD->m_pd;
        if (!IsSameDevice(pDevice, pd.hDevNames, pd.hDevMode))
            SetDeviceHandles(pDevice, pd.hDevNames, pd.hDevMode);
        return TRUE;
    }

    void SetDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) override
    {
        const LockedBlock names(hDevNames), mode(hDevMode);
        SetDeviceData(pDevice, names.Data(), names.Size(), mode.Data(), mode.Size());
    }

    void SetDeviceData(CGXPrintDevice* pDevice, const void* pNames, DWORD nNamesSize, const void* pMode,
                       DWORD nModeSize) override
    {
        // the blocks may be the device's own: copy them before they are freed
        bool bFailed = false;
        HGLOBAL hNames = CopyToGlobal(pNames, nNamesSize, bFailed);
        HGLOBAL hMode = CopyToGlobal(pMode, nModeSize, bFailed);
        FreeDevice(pDevice);
        pDevice->m_hDevNames = hNames;
        pDevice->m_hDevMode = hMode;
        if (bFailed)
            AfxThrowMemoryException();
    }

    void FreeDevice(CGXPrintDevice* pDevice) override
    {
        DeletePrinterDC(pDevice);
        for (HGLOBAL* ph : {&pDevice->m_hDevNames, &pDevice->m_hDevMode}) {
            if (*ph != nullptr)
                ::GlobalFree(*ph);
            *ph = nullptr;
        }
    }

    void GetDeviceData(CGXPrintDevice*, HGLOBAL hDevNames, HGLOBAL hDevMode, BYTE*& pNames, DWORD& nNamesSize,
                       BYTE*& pMode, DWORD& nModeSize) override
    {
        HeapCopy(hDevNames, pNames, nNamesSize);
        HeapCopy(hDevMode, pMode, nModeSize);
    }

    void CreateDefaultDevice(CGXPrintDevice* pDevice) override
    {
        CPrintDialog dlg(TRUE, PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE);
        if (!dlg.GetDefaults())
            return;
        if (dlg.m_pd.hDevMode != nullptr) {
            if (auto* pMode = static_cast<DEVMODEA*>(::GlobalLock(dlg.m_pd.hDevMode))) {
                pMode->dmTTOption = DMTT_BITMAP;  // TrueType printed as graphics
                ::GlobalUnlock(dlg.m_pd.hDevMode);
            }
        }
        SetDeviceHandles(pDevice, dlg.m_pd.hDevNames, dlg.m_pd.hDevMode);
        for (HGLOBAL h : {dlg.m_pd.hDevNames, dlg.m_pd.hDevMode})
            if (h != nullptr)
                ::GlobalFree(h);
        dlg.m_pd.hDevNames = dlg.m_pd.hDevMode = nullptr;
    }

    CDC* GetPrinterDC(CGXPrintDevice* pDevice) override
    {
        if (pDevice->m_hPrintDC == nullptr) {
            pDevice->EnsureDevice();
            if (pDevice->m_hDevNames == nullptr || !HasSoundOffsets(pDevice->m_hDevNames))
                return nullptr;
            pDevice->m_hPrintDC = AfxCreateDC(pDevice->m_hDevNames, pDevice->m_hDevMode);
        }
        return pDevice->m_hPrintDC != nullptr ? CDC::FromHandle(pDevice->m_hPrintDC) : nullptr;
    }

    void DeletePrinterDC(CGXPrintDevice* pDevice) override
    {
        if (pDevice->m_hPrintDC != nullptr)
            ::DeleteDC(pDevice->m_hPrintDC);
        pDevice->m_hPrintDC = nullptr;
    }

    void CreateDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL& hDevNames, HGLOBAL& hDevMode) override
    {
        hDevNames = hDevMode = nullptr;
        if (pDevice->m_hDevNames == nullptr)
            return;
        bool bFailed = false;
        {
            const LockedBlock names(pDevice->m_hDevNames), mode(pDevice->m_hDevMode);
            hDevNames = CopyToGlobal(names.Data(), names.Size(), bFailed);
            hDevMode = CopyToGlobal(mode.Data(), mode.Size(), bFailed);
        }
        if (bFailed) {
            for (HGLOBAL* ph : {&hDevNames, &hDevMode}) {
                if (*ph != nullptr)
                    ::GlobalFree(*ph);
                *ph = nullptr;
            }
            AfxThrowMemoryException();
        }
    }

    BOOL IsSameDevice(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) override
    {
        BYTE *pNames = nullptr, *pMode = nullptr;
        DWORD nNamesSize = 0, nModeSize = 0;
        GetDeviceData(pDevice, hDevNames, hDevMode, pNames, nNamesSize, pMode, nModeSize);
        const std::unique_ptr<BYTE[]> names(pNames), mode(pMode);
        return CompareDeviceData(pDevice, pNames, nNamesSize, pMode, nModeSize);
    }

    BOOL CompareDeviceData(CGXPrintDevice* pDevice, const void* pNames, DWORD nNamesSize, const void* pMode,
                           DWORD nModeSize) override
    {
        const auto same = [](HGLOBAL h, const void* p, DWORD nSize) {
            const LockedBlock block(h);
            if (block.Data() == nullptr)
                return nSize == 0;
            return block.Size() == nSize && p != nullptr && std::memcmp(block.Data(), p, nSize) == 0;
        };
        return same(pDevice->m_hDevNames, pNames, nNamesSize) && same(pDevice->m_hDevMode, pMode, nModeSize);
    }
};

CGXAbstractPrintDeviceImp* GXCreatePrintDeviceImp()
{
    return new CGXPrintDeviceImp;
}
