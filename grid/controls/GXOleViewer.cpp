// The OLE object viewers, their managers, client site and advise sink (see GXOleViewer.h).
#include "grid/controls/GXOleViewer.h"

#include "grid/controls/GXOlePreview.h"
#include "grid/controls/GXOleVarUserAttribute.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "win/Win.h"

#include <oledlg.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

const WORD kSignature = 0x1C15;
const WORD kFixedLength = 20;
const size_t kTrailer = 4;
const int kMaxClassLength = 127;

// A failure inside a load, insert, save or paste: a status of a call, or bad data (hr S_OK).
struct OleFailure {
    HRESULT hr;
};

void Check(HRESULT hr)
{
    if (FAILED(hr))
        throw OleFailure{hr};
}

[[noreturn]] void BadData()
{
    throw OleFailure{S_OK};
}

// Reports a failure: the system's text for a status, else 20134.
void Report(const OleFailure& failure)
{
    if (FAILED(failure.hr))
        GXShowOleError(failure.hr);
    else
        AfxMessageBox(GX_IDS_OLE_INVALIDDATA);
}

void PutWordAt(std::vector<BYTE>& b, size_t nAt, WORD w)
{
    b[nAt] = BYTE(w);
    b[nAt + 1] = BYTE(w >> 8);
}

WORD WordAt(const BYTE* p)
{
    return WORD(p[0] | (p[1] << 8));
}

// An ANSI copy of a wide text (empty for null).
CString Narrow(const wchar_t* psz)
{
    if (psz == nullptr)
        return CString();
    const int n = ::WideCharToMultiByte(CP_ACP, 0, psz, -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> buffer(size_t(std::max(n, 1)), 0);
    ::WideCharToMultiByte(CP_ACP, 0, psz, -1, buffer.data(), n, nullptr, nullptr);
    return CString(buffer.data());
}

std::vector<wchar_t> Wide(const char* psz)
{
    const int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    std::vector<wchar_t> buffer(size_t(std::max(n, 1)), 0);
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, buffer.data(), n);
    return buffer;
}

// An OLE 1 stream over an IStream: reads as long as the count given allows, counts what it writes.
struct StreamWrapper : OLESTREAM {
    StreamWrapper(IStream* pStream, DWORD nRemaining) : pStream(pStream), nRemaining(nRemaining)
    {
        vtbl.Get = &Get;
        vtbl.Put = &Put;
        lpstbl = &vtbl;
    }
    static DWORD CALLBACK Get(LPOLESTREAM pOleStream, LPSTR pv, DWORD cb)
    {
        auto* pSelf = static_cast<StreamWrapper*>(pOleStream);
        cb = std::min(cb, pSelf->nRemaining);
        ULONG nRead = 0;
        if (cb == 0 || FAILED(pSelf->pStream->Read(pv, cb, &nRead)))
            return 0;
        pSelf->nRemaining -= nRead;
        return nRead;
    }
    static DWORD CALLBACK Put(LPOLESTREAM pOleStream, LPSTR pv, DWORD cb)
    {
        auto* pSelf = static_cast<StreamWrapper*>(pOleStream);
        ULONG nWritten = 0;
        if (FAILED(pSelf->pStream->Write(pv, cb, &nWritten)))
            return 0;
        pSelf->nWritten += nWritten;
        return nWritten;
    }
    OLESTREAMVTBL vtbl;
    IStream* pStream;
    DWORD nRemaining;
    DWORD nWritten = 0;
};

// OLE is started once for the program's thread before the first object or clipboard call.
void EnsureOle()
{
    static const HRESULT hr = ::OleInitialize(nullptr);
    (void)hr;
}

}  // namespace

// ---- the stored form ------------------------------------------------------------------------------------

std::vector<BYTE> GXBuildOleObjectBlock(const char* pszName, const char* pszClass, const BYTE* pData, size_t nData)
{
    const size_t nName = std::strlen(pszName) + 1, nClass = std::strlen(pszClass) + 1;
    if (kFixedLength + nName + nClass > 0xFFFF)
        AfxThrowInvalidArgFormat("GXBuildOleObjectBlock: name and class of %u bytes are too long",
                                 unsigned(nName + nClass));
    std::vector<BYTE> block(kFixedLength + nName + nClass + nData + kTrailer, 0);
    PutWordAt(block, 0, kSignature);
    PutWordAt(block, 2, kFixedLength);
    PutWordAt(block, 4, 2);  // embedded
    PutWordAt(block, 8, WORD(nName));
    PutWordAt(block, 10, WORD(nClass));
    PutWordAt(block, 12, kFixedLength);
    PutWordAt(block, 14, WORD(kFixedLength + nName));
    PutWordAt(block, 16, 0xFFFF);
    PutWordAt(block, 18, 0xFFFF);
    std::memcpy(block.data() + kFixedLength, pszName, nName);
    std::memcpy(block.data() + kFixedLength + nName, pszClass, nClass);
    if (nData != 0)
        std::memcpy(block.data() + kFixedLength + nName + nClass, pData, nData);
    return block;
}

BOOL GXParseOleObjectBlock(const BYTE* p, size_t nSize, GXOleObjectParts& parts)
{
    if (p == nullptr || nSize < kFixedLength + kTrailer || WordAt(p) != kSignature)
        return FALSE;
    const size_t nBody = nSize - kTrailer;
    // each string lies inside the block before its trailer and ends with its zero there
    auto text = [&](size_t nOffset, size_t nLength, CString& strText, int nMax) {
        if (nLength == 0 || nOffset < kFixedLength || nOffset + nLength > nBody || p[nOffset + nLength - 1] != 0)
            return false;
        const char* psz = reinterpret_cast<const char*>(p + nOffset);
        strText = CString(psz, std::min(int(std::strlen(psz)), nMax));
        return true;
    };
    const size_t nNameLength = WordAt(p + 8), nClassLength = WordAt(p + 10);
    const size_t nNameOffset = WordAt(p + 12), nClassOffset = WordAt(p + 14);
    if (!text(nNameOffset, nNameLength, parts.strName, INT_MAX) ||
        !text(nClassOffset, nClassLength, parts.strClass, kMaxClassLength))
        return FALSE;
    parts.nDataStart = nClassOffset + nClassLength;
    parts.nDataEnd = nBody;
    return TRUE;
}

void GXShowOleError(HRESULT hr)
{
    char* pszText = nullptr;
    ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, DWORD(hr), 0, reinterpret_cast<LPSTR>(&pszText), 0, nullptr);
    CString strText;
    if (pszText != nullptr && *pszText != 0) {
        strText = pszText;
        strText.TrimRight();
    } else {
        char sz[32];
        std::snprintf(sz, sizeof(sz), "Error 0x%08lX", static_cast<unsigned long>(hr));
        strText = sz;
    }
    if (pszText != nullptr)
        ::LocalFree(pszText);
    AfxMessageBox(strText);
}

// ---- the generic viewer ------------------------------------------------------------------------------

CGXOleViewer::~CGXOleViewer() = default;

CGXGenericViewerImpl::CGXGenericViewerImpl() = default;

CGXGenericViewerImpl::~CGXGenericViewerImpl()
{
    m_interfaces.ReleaseAll();
}

BOOL CGXGenericViewerImpl::OwnerIsPreview() const
{
    return m_pOwner != nullptr && m_pOwner->IsKindOf(&CGXOlePreview::classRecord);
}

HWND CGXGenericViewerImpl::GridHwnd(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid != nullptr ? pGrid->GridWnd() : nullptr;
    return pWnd != nullptr ? pWnd->m_hWnd : nullptr;
}

BOOL CGXGenericViewerImpl::HasData() const
{
    return V_VT(&m_variant) == (VT_ARRAY | VT_UI1);
}

IStorage* CGXGenericViewerImpl::GetStorage()
{
    return static_cast<IStorage*>(m_interfaces.Get(IID_IStorage));
}

IOleObject* CGXGenericViewerImpl::GetOleObject()
{
    return static_cast<IOleObject*>(m_interfaces.Get(IID_IOleObject));
}

IOleClientSite* CGXGenericViewerImpl::CreateClientSite()
{
    return new CGXClientSite(this);
}

IAdviseSink* CGXGenericViewerImpl::CreateAdviseSink(DWORD*)
{
    return new CGXAdviseSink(this);
}

LONG CGXGenericViewerImpl::GetVerb()
{
    return OLEIVERB_PRIMARY;
}

HGLOBAL CGXGenericViewerImpl::GetDataHandle(const CGXStyle& style)
{
    const VARIANT* pSource = &m_variant;
    if (V_VT(pSource) == VT_EMPTY || V_VT(pSource) == VT_NULL) {
        const auto* pAttribute = style.HasUserAttribute(GX_IDS_UA_DAOBITMAP)
                                     ? dynamic_cast<const CGXOleVarUserAttribute*>(
                                           &style.GetUserAttribute(GX_IDS_UA_DAOBITMAP))
                                     : nullptr;
        pSource = pAttribute != nullptr ? pAttribute->GetVariant() : nullptr;
    }
    if (pSource == nullptr || V_VT(pSource) == VT_EMPTY || V_VT(pSource) == VT_NULL)
        return nullptr;
    if (V_VT(pSource) != (VT_ARRAY | VT_UI1)) {
        AfxMessageBox(GX_IDS_OLE_INVALIDDATA);
        return nullptr;
    }
    CByteArray bytes;
    COleVariant(*pSource).GetByteArray(bytes);
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_NODISCARD | GMEM_ZEROINIT, SIZE_T(std::max<int32_t>(bytes.GetSize(), 1)));
    if (h == nullptr)
        return nullptr;
    if (bytes.GetSize() > 0) {
        std::memcpy(::GlobalLock(h), bytes.GetData(), size_t(bytes.GetSize()));
        ::GlobalUnlock(h);
    }
    return h;
}

BOOL CGXGenericViewerImpl::Open(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pCell, BOOL bActivate)
{
    // a value that is no object opens nothing (GetDataHandle has said so)
    const auto* pAttribute = style.HasUserAttribute(GX_IDS_UA_DAOBITMAP)
                                 ? dynamic_cast<const CGXOleVarUserAttribute*>(&style.GetUserAttribute(GX_IDS_UA_DAOBITMAP))
                                 : nullptr;
    const VARTYPE vtCell = pAttribute != nullptr && pAttribute->GetVariant() != nullptr ? V_VT(pAttribute->GetVariant())
                                                                                         : VARTYPE(VT_EMPTY);
    const BOOL bOwnValue = V_VT(&m_variant) != VT_EMPTY && V_VT(&m_variant) != VT_NULL;
    const HGLOBAL hData = GetDataHandle(style);
    if (hData == nullptr && (bOwnValue || (vtCell != VT_EMPTY && vtCell != VT_NULL)))
        return FALSE;
    m_pOwner = pCell;
    const BOOL bOpened = hData != nullptr ? LoadFromData(hData, pGrid, bActivate) : InsertNewObject(pGrid);
    if (hData != nullptr)
        ::GlobalFree(hData);
    if (!bOpened)
        m_pOwner = nullptr;
    return bOpened;
}

IStorage* CGXGenericViewerImpl::CreateMemoryStorage()
{
    HGLOBAL hBytes = ::GlobalAlloc(GMEM_MOVEABLE, 0);
    if (hBytes == nullptr)
        Check(E_OUTOFMEMORY);
    ILockBytes* pLockBytes = nullptr;
    const HRESULT hr = ::CreateILockBytesOnHGlobal(hBytes, TRUE, &pLockBytes);
    if (FAILED(hr)) {
        ::GlobalFree(hBytes);
        Check(hr);
    }
    m_interfaces.Put(pLockBytes, IID_ILockBytes);
    IStorage* pStorage = nullptr;
    Check(::StgCreateDocfileOnILockBytes(pLockBytes, STGM_TRANSACTED | STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE,
                                         0, &pStorage));
    m_interfaces.Put(pStorage, IID_IStorage);
    return pStorage;
}

BOOL CGXGenericViewerImpl::LoadFromData(HGLOBAL hData, CGXGridCore* pGrid, BOOL bActivate)
{
    if (!OwnerIsPreview() || hData == nullptr)
        return FALSE;
    CGXInterfaceManager<IUnknown> local;
    try {
        GXOleObjectParts parts;
        const BYTE* pBlock = static_cast<const BYTE*>(::GlobalLock(hData));
        const size_t nSize = ::GlobalSize(hData);
        const BOOL bParsed = pBlock != nullptr && GXParseOleObjectBlock(pBlock, nSize, parts);
        HGLOBAL hObject = nullptr;
        if (bParsed && parts.nDataEnd > parts.nDataStart) {
            hObject = ::GlobalAlloc(GMEM_MOVEABLE, parts.nDataEnd - parts.nDataStart);
            if (hObject != nullptr) {
                std::memcpy(::GlobalLock(hObject), pBlock + parts.nDataStart, parts.nDataEnd - parts.nDataStart);
                ::GlobalUnlock(hObject);
            }
        }
        if (pBlock != nullptr)
            ::GlobalUnlock(hData);
        CLSID clsid;
        if (!bParsed || FAILED(::CLSIDFromProgID(Wide(parts.strClass).data(), &clsid))) {
            if (hObject != nullptr)
                ::GlobalFree(hObject);
            BadData();
        }
        if (hObject == nullptr)
            BadData();
        EnsureOle();
        IStream* pStream = nullptr;
        const HRESULT hrStream = ::CreateStreamOnHGlobal(hObject, TRUE, &pStream);
        if (FAILED(hrStream)) {
            ::GlobalFree(hObject);
            Check(hrStream);
        }
        local.Put(pStream, IID_IStream);
        StreamWrapper oleStream(pStream, DWORD(parts.nDataEnd - parts.nDataStart));
        IStorage* pStorage = CreateMemoryStorage();
        IOleObject* pObject = nullptr;
        Check(::CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IOleObject, reinterpret_cast<void**>(&pObject)));
        m_interfaces.Put(pObject, IID_IOleObject);
        Check(::OleConvertOLESTREAMToIStorage(&oleStream, pStorage, nullptr));
        IOleClientSite* pSite = CreateClientSite();
        m_interfaces.Put(pSite, IID_IOleClientSite);
        Check(pObject->SetClientSite(pSite));
        IPersistStorage* pPersist = nullptr;
        Check(pObject->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&pPersist)));
        local.Put(pPersist, IID_IPersistStorage);
        Check(pPersist->Load(pStorage));
        if (bActivate)
            Check(pObject->DoVerb(GetVerb(), nullptr, pSite, 0, GridHwnd(pGrid), nullptr));
        IAdviseSink* pSink = CreateAdviseSink(&m_dwConnection);
        m_interfaces.Put(pSink, IID_IAdviseSink);
        Check(pObject->Advise(pSink, &m_dwConnection));
        return TRUE;
    } catch (const OleFailure& failure) {
        m_interfaces.ReleaseAll();
        m_dwConnection = 0;
        Report(failure);
        return FALSE;
    }
}

BOOL CGXGenericViewerImpl::InsertNewObject(CGXGridCore* pGrid)
{
    IOleClientSite* pSite = nullptr;
    try {
        IStorage* pStorage = CreateMemoryStorage();
        pSite = CreateClientSite();
        CString strCaption;
        AfxLoadString(GX_IDS_OLE_INSERTCAPTION, strCaption);
        char szFile[256] = {};
        IOleObject* pObject = nullptr;
        OLEUIINSERTOBJECTA io = {};
        io.cbStruct = sizeof(io);
        io.dwFlags = IOF_SELECTCREATENEW | IOF_CREATENEWOBJECT;
        io.hWndOwner = GridHwnd(pGrid);
        io.lpszCaption = strCaption.GetString();
        io.lpszFile = szFile;
        io.cchFile = sizeof(szFile) - 1;
        io.iid = IID_IOleObject;
        io.oleRender = OLERENDER_DRAW;
        io.lpIOleClientSite = pSite;
        io.lpIStorage = pStorage;
        io.ppvObj = reinterpret_cast<void**>(&pObject);
        const UINT nResult = AfxGetServices()->InsertObjectDialog(&io);
        if (nResult != OLEUI_OK || pObject == nullptr || !OwnerIsPreview()) {
            if (pObject != nullptr)
                pObject->Release();
            pSite->Release();
            Close();
            if (nResult != OLEUI_OK && nResult != OLEUI_CANCEL)
                AfxMessageBox(GX_IDS_OLE_INSERTFAILED);
            return FALSE;
        }
        m_interfaces.Put(pObject, IID_IOleObject);
        IOleClientSite* pKeptSite = pSite;
        m_interfaces.Put(pSite, IID_IOleClientSite);
        pSite = nullptr;
        if (FAILED(pObject->DoVerb(GetVerb(), nullptr, pKeptSite, 0, GridHwnd(pGrid), nullptr))) {
            Close();
            return FALSE;
        }
        IAdviseSink* pSink = CreateAdviseSink(&m_dwConnection);
        m_interfaces.Put(pSink, IID_IAdviseSink);
        Check(pObject->Advise(pSink, &m_dwConnection));
        return TRUE;
    } catch (const OleFailure& failure) {
        if (pSite != nullptr)
            pSite->Release();
        m_interfaces.ReleaseAll();
        Report(failure);
        return FALSE;
    }
}

void CGXGenericViewerImpl::Activate()
{
    IOleObject* pObject = GetOleObject();
    if (!OwnerIsPreview() || pObject == nullptr)
        return;
    auto* pCell = static_cast<CGXOlePreview*>(m_pOwner);
    pCell->BeginBusy();
    const HRESULT hr = pObject->DoVerb(GetVerb(), nullptr, static_cast<IOleClientSite*>(m_interfaces.Get(IID_IOleClientSite)),
                                       0, GridHwnd(m_pOwner->Grid()), nullptr);
    if (FAILED(hr))
        GXShowOleError(hr);
    pCell->EndBusy();
}

void CGXGenericViewerImpl::Close()
{
    if (IOleObject* pObject = GetOleObject()) {
        // the server's OnClose during Close finds the object gone
        m_interfaces.Remove(IID_IOleObject, FALSE);
        if (m_dwConnection != 0)
            pObject->Unadvise(m_dwConnection);
        m_dwConnection = 0;
        const HRESULT hr = pObject->Close(OLECLOSE_SAVEIFDIRTY);
        if (FAILED(hr))
            GXShowOleError(hr);
        pObject->Release();
    }
    m_interfaces.ReleaseAll();
    if (OwnerIsPreview())
        static_cast<CGXOlePreview*>(m_pOwner)->EndBusy();
}

void CGXGenericViewerImpl::NotifyModified()
{
    if (m_pOwner == nullptr)
        return;
    m_pOwner->OnModifyCell();
    m_pOwner->SetModify(TRUE);
}

void CGXGenericViewerImpl::Clear()
{
    m_variant.Clear();
    m_interfaces.ReleaseAll();
}

void CGXGenericViewerImpl::SaveToVariant()
{
    IStorage* pStorage = GetStorage();
    IOleObject* pObject = GetOleObject();
    if (pStorage == nullptr || pObject == nullptr)
        return;
    CGXInterfaceManager<IUnknown> local;
    try {
        LPOLESTR pszName = nullptr, pszProgId = nullptr;
        CLSID clsid;
        Check(pObject->GetUserType(USERCLASSTYPE_SHORT, &pszName));
        const CString strName = Narrow(pszName);
        ::CoTaskMemFree(pszName);
        Check(pObject->GetUserClassID(&clsid));
        Check(::ProgIDFromCLSID(clsid, &pszProgId));
        const CString strClass = Narrow(pszProgId);
        ::CoTaskMemFree(pszProgId);
        IStream* pStream = nullptr;
        Check(::CreateStreamOnHGlobal(nullptr, TRUE, &pStream));
        local.Put(pStream, IID_IStream);
        StreamWrapper oleStream(pStream, 0);
        Check(::OleConvertIStorageToOLESTREAM(pStorage, &oleStream));
        HGLOBAL hWritten = nullptr;
        Check(::GetHGlobalFromStream(pStream, &hWritten));
        const BYTE* pData = static_cast<const BYTE*>(::GlobalLock(hWritten));
        if (pData == nullptr && oleStream.nWritten != 0)
            Check(E_OUTOFMEMORY);
        const std::vector<BYTE> block = GXBuildOleObjectBlock(strName, strClass, pData, oleStream.nWritten);
        if (pData != nullptr)
            ::GlobalUnlock(hWritten);
        CByteArray bytes;
        bytes.SetSize(int32_t(block.size()));
        std::memcpy(bytes.GetData(), block.data(), block.size());
        m_variant = COleVariant(bytes);
        if (m_pOwner != nullptr)
            m_pOwner->SetModify(TRUE);
    } catch (const OleFailure& failure) {
        m_interfaces.ReleaseAll();
        Report(failure);
    }
}

BOOL CGXGenericViewerImpl::CanPasteObject()
{
    EnsureOle();
    IDataObject* pData = nullptr;
    if (FAILED(::OleGetClipboard(&pData)) || pData == nullptr)
        return FALSE;
    pData->Release();
    return TRUE;
}

const COleVariant* CGXGenericViewerImpl::PasteFromClipboard()
{
    EnsureOle();
    CGXInterfaceManager<IUnknown> local;
    try {
        IDataObject* pData = nullptr;
        Check(::OleGetClipboard(&pData));
        local.Put(pData, IID_IDataObject);
        IStorage* pStorage = CreateMemoryStorage();
        IOleClientSite* pSite = CreateClientSite();
        m_interfaces.Put(pSite, IID_IOleClientSite);
        IOleObject* pObject = nullptr;
        Check(::OleCreateFromData(pData, IID_IOleObject, OLERENDER_NONE, nullptr, pSite, pStorage,
                                  reinterpret_cast<void**>(&pObject)));
        m_interfaces.Put(pObject, IID_IOleObject);
        SaveToVariant();
        return HasData() ? &m_variant : nullptr;
    } catch (const OleFailure& failure) {
        m_interfaces.ReleaseAll();
        Report(failure);
        return nullptr;
    }
}

BOOL CGXGenericViewerImpl::CanCopy()
{
    return HasData();
}

BOOL CGXGenericViewerImpl::CanCut()
{
    return HasData();
}

IDataObject* CGXGenericViewerImpl::GetClipboardDataObject(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pCell)
{
    m_pOwner = pCell;
    const HGLOBAL hData = GetDataHandle(style);
    const BOOL bLoaded = hData != nullptr && LoadFromData(hData, pGrid, FALSE);
    if (hData != nullptr)
        ::GlobalFree(hData);
    IDataObject* pData = nullptr;
    if (bLoaded) {
        const HRESULT hr = GetOleObject()->GetClipboardData(0, &pData);
        if (FAILED(hr) || pData == nullptr) {
            GXShowOleError(FAILED(hr) ? hr : E_FAIL);
            AfxMessageBox(GX_IDS_OLE_COPYFAILED);
            Close();
            pData = nullptr;
        }
    }
    if (pData == nullptr)
        m_pOwner = nullptr;
    return pData;
}

IDataObject* CGXGenericViewerImpl::CutToDataObject(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pCell)
{
    IDataObject* pData = GetClipboardDataObject(style, pGrid, pCell);
    if (pData != nullptr) {
        m_variant.Clear();
        pCell->SetModify(TRUE);
    }
    return pData;
}

// ---- factories and managers ---------------------------------------------------------------------------

CGXViewerFactory::~CGXViewerFactory() = default;

CGXOleViewer* CGXViewerFactory::CreateViewer(DWORD)
{
    return new CGXGenericViewerImpl;
}

CGXViewerManager::CGXViewerManager(CGXViewerFactory* pFactory)
    : CGXNodeManager<CGXOleViewer>(pFactory != nullptr ? pFactory : new CGXViewerFactory)
{
}

CGXViewerManager::~CGXViewerManager()
{
    delete m_pFactory;
}

// ---- client site and advise sink -----------------------------------------------------------------------

CGXClientSite::CGXClientSite(CGXOleViewer* pViewer) : GXOleRefCounted(IID_IOleClientSite), m_pViewer(pViewer) {}

HRESULT CGXClientSite::SaveObject()
{
    IOleObject* pObject = m_pViewer->GetOleObject();
    IPersistStorage* pPersist = nullptr;
    if (pObject == nullptr || FAILED(pObject->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&pPersist))))
        return E_FAIL;
    HRESULT hr = S_OK;
    if (pPersist->IsDirty() == S_OK) {
        if (FAILED(::OleSave(pPersist, m_pViewer->GetStorage(), TRUE)))
            hr = E_FAIL;
        pPersist->SaveCompleted(nullptr);
    }
    if (SUCCEEDED(hr))
        m_pViewer->SaveToVariant();
    pPersist->Release();
    if (FAILED(hr))
        return hr;
    m_pViewer->NotifyModified();
    return S_OK;
}

HRESULT CGXClientSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr)
        *ppmk = nullptr;
    return E_NOTIMPL;
}

HRESULT CGXClientSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer != nullptr)
        *ppContainer = nullptr;
    return E_NOTIMPL;
}

HRESULT CGXClientSite::ShowObject()
{
    return S_OK;
}

HRESULT CGXClientSite::OnShowWindow(BOOL)
{
    return E_NOTIMPL;
}

HRESULT CGXClientSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

CGXAdviseSink::CGXAdviseSink(CGXOleViewer* pViewer) : GXOleRefCounted(IID_IAdviseSink), m_pViewer(pViewer) {}

void CGXAdviseSink::OnDataChange(FORMATETC*, STGMEDIUM*) {}
void CGXAdviseSink::OnViewChange(DWORD, LONG) {}
void CGXAdviseSink::OnRename(IMoniker*) {}
void CGXAdviseSink::OnSave() {}

void CGXAdviseSink::OnClose()
{
    m_pViewer->Close();
}
