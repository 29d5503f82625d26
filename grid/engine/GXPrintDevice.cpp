// CGXPrintDevice: the grid's printer (see GXPrintDevice.h).
#include "grid/engine/GXPrintDevice.h"

#include "grid/engine/GXArchiveRead.h"
#include "grid/engine/GXState.h"
#include "grid/ops/GXPrintDeviceImp.h"
#include "win/CDC.h"

#include <cstddef>
#include <cstring>
#include <memory>

IMPLEMENT_SERIAL(CGXPrintDevice, CObject, 1)

namespace {

// A block read from the archive: its size, then its bytes.
std::unique_ptr<BYTE[]> ReadBlock(CArchive& ar, DWORD& nSize)
{
    nSize = GXReadDword(ar);
    if (nSize == 0)
        return nullptr;
    // a size beyond what is left is refused before anything is allocated
    ar.CheckAvailable(nSize);
    std::unique_ptr<BYTE[]> p(new BYTE[nSize]);
    if (ar.Read(p.get(), nSize) != nSize)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    return p;
}

// A DEVMODE block at least as long as its own size and extra fields say.
bool IsSoundDevMode(const BYTE* p, DWORD nSize)
{
    if (p == nullptr)
        return true;
    const size_t nHeader = offsetof(DEVMODEA, dmDriverExtra) + sizeof(WORD);
    if (nSize < nHeader)
        return false;
    DEVMODEA mode = {};
    std::memcpy(&mode, p, nHeader);
    return DWORD(mode.dmSize) + mode.dmDriverExtra <= nSize && mode.dmSize >= nHeader;
}

}  // namespace

BOOL GXIsSoundDevNames(const BYTE* p, DWORD nSize)
{
    if (p == nullptr || nSize < sizeof(DEVNAMES))
        return FALSE;
    DEVNAMES names;
    std::memcpy(&names, p, sizeof names);
    for (WORD nOffset : {names.wDriverOffset, names.wDeviceOffset, names.wOutputOffset})
        if (nOffset >= nSize || std::memchr(p + nOffset, 0, nSize - nOffset) == nullptr)
            return FALSE;
    return TRUE;
}

CGXPrintDevice::CGXPrintDevice()
    : m_hDevMode(nullptr), m_hDevNames(nullptr), m_hPrintDC(nullptr),
      m_pPrintDeviceImp(GXGetLibraryState()->m_pPrintDeviceImp)
{
}

CGXPrintDevice::~CGXPrintDevice()
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->FreeDevice(this);
}

void CGXPrintDevice::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        BYTE* pNames = nullptr;
        BYTE* pMode = nullptr;
        DWORD nNamesSize = 0, nModeSize = 0;
        GetDeviceData(pNames, nNamesSize, pMode, nModeSize);
        const std::unique_ptr<BYTE[]> names(pNames), mode(pMode);
        ar << WORD(1) << nNamesSize;
        if (nNamesSize > 0)
            ar.Write(pNames, nNamesSize);
        ar << nModeSize;
        if (nModeSize > 0)
            ar.Write(pMode, nModeSize);
        return;
    }
    WORD nVersion = 0;
    ar >> nVersion;
    if (nVersion != 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    DWORD nNamesSize = 0, nModeSize = 0;
    const std::unique_ptr<BYTE[]> names = ReadBlock(ar, nNamesSize);
    const std::unique_ptr<BYTE[]> mode = ReadBlock(ar, nModeSize);
    if ((names != nullptr && !GXIsSoundDevNames(names.get(), nNamesSize)) || !IsSoundDevMode(mode.get(), nModeSize)) {
        FreeDevice();
        return;
    }
    SetDeviceData(names.get(), nNamesSize, mode.get(), nModeSize);
}

CDC* CGXPrintDevice::GetPrinterDC()
{
    return m_pPrintDeviceImp != nullptr ? m_pPrintDeviceImp->GetPrinterDC(this) : nullptr;
}

void CGXPrintDevice::ResetPrinterDC()
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->DeletePrinterDC(this);
}

void CGXPrintDevice::CopyFrom(const CGXPrintDevice& other)
{
    if (&other != this && m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->SetDeviceHandles(this, other.m_hDevNames, other.m_hDevMode);
}

void CGXPrintDevice::SetDeviceData(const void* pNames, DWORD nNamesSize, const void* pMode, DWORD nModeSize)
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->SetDeviceData(this, pNames, nNamesSize, pMode, nModeSize);
}

void CGXPrintDevice::SetDeviceHandles(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->SetDeviceHandles(this, hDevNames, hDevMode);
}

void CGXPrintDevice::FreeDevice()
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->FreeDevice(this);
}

void CGXPrintDevice::GetDeviceData(BYTE*& pNames, DWORD& nNamesSize, BYTE*& pMode, DWORD& nModeSize)
{
    pNames = pMode = nullptr;
    nNamesSize = nModeSize = 0;
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->GetDeviceData(this, m_hDevNames, m_hDevMode, pNames, nNamesSize, pMode, nModeSize);
}

void CGXPrintDevice::CreateDefaultDevice()
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->CreateDefaultDevice(this);
}

void CGXPrintDevice::EnsureDevice()
{
    if (m_hDevNames == nullptr)
        CreateDefaultDevice();
}

void CGXPrintDevice::CreateDeviceHandles(HGLOBAL& hDevNames, HGLOBAL& hDevMode)
{
    hDevNames = hDevMode = nullptr;
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->CreateDeviceHandles(this, hDevNames, hDevMode);
}

BOOL CGXPrintDevice::CompareDeviceData(const void* pNames, DWORD nNamesSize, const void* pMode, DWORD nModeSize)
{
    return m_pPrintDeviceImp != nullptr &&
           m_pPrintDeviceImp->CompareDeviceData(this, pNames, nNamesSize, pMode, nModeSize);
}

BOOL CGXPrintDevice::IsSameDevice(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    return m_pPrintDeviceImp != nullptr && m_pPrintDeviceImp->IsSameDevice(this, hDevNames, hDevMode);
}
