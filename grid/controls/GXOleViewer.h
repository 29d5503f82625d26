// OLE object viewers: what turns the bytes of a database OLE object field (a byte-array VARIANT held
// in a cell) into a live embedded object shown in its server application, and the object back into
// bytes when the server saves it; objects also come from the clipboard or the Insert Object dialog
// and go to the clipboard. The object preview cell (CGXOlePreview) owns the viewers through a viewer
// manager.
//
// The stored form of an object (little-endian): 15 1C (the signature 0x1C15), the fixed part's length
// 20 (14 00), the object type 2 (embedded), the name's and the class's lengths with their terminating
// zero, the name's offset 20 and the class's offset 20 + name length, two words -1; then the object's
// short user type name and its ProgID, zero-terminated; the object in OLE 1 stream form; four zero
// bytes. A block is read only when its signature matches, its name and class lie inside it, each ends
// with its zero there, and the header ends before the four trailing bytes (else "The binary data is
// not valid." (20134) and nothing is loaded); at most 127 characters of the class are used.
//
// Every COM interface a viewer obtains is held by an interface manager (by IID: storing a second
// pointer under an IID releases the first) and every temporary global block by a handle manager, so
// that one call releases them all. The client site (IOleClientSite) and advise sink (IAdviseSink)
// given to the objects start with one reference and delete themselves at the last Release; the sink's
// OnClose closes the viewer, the site's SaveObject saves the object into the viewer's VARIANT.
//
// Without the object's server on this system a load fails with the system's text for the error (or
// 20134 when the ProgID names no registered class). Errors are reported by message boxes (the services
// seam): 20134 for bad data, the system's text for a failing call, 20203 when an object cannot be put
// on the clipboard, 20207 when the Insert Object dialog fails (Cancel is silent).
#pragma once

#include <windows.h>
#include <ole2.h>

#include "core/Core.h"
#include "win/COleVariant.h"

#include <cstring>
#include <map>
#include <set>
#include <vector>

class CGXControl;
class CGXGridCore;
class CGXStyle;

// ---- the stored form ------------------------------------------------------------------------------------

// The block of an object named pszName of class pszClass whose OLE 1 form is the nData bytes at pData.
std::vector<BYTE> GXBuildOleObjectBlock(const char* pszName, const char* pszClass, const BYTE* pData, size_t nData);

// The parts of a stored block.
struct GXOleObjectParts {
    CString strName;
    CString strClass;    // at most 127 characters
    size_t nDataStart;   // the OLE 1 data: from the header's end
    size_t nDataEnd;     // to four bytes before the block's end
};
// Reads the header of the nSize bytes at p into parts; FALSE when it is not valid (see the top of this
// file).
BOOL GXParseOleObjectBlock(const BYTE* p, size_t nSize, GXOleObjectParts& parts);

// ---- managers ---------------------------------------------------------------------------------------------

// COM interfaces held by IID; each stored pointer is released once, by Remove, ReleaseAll or the
// destructor.
template <class TInterface = IUnknown>
class CGXInterfaceManager {
public:
    CGXInterfaceManager() = default;
    ~CGXInterfaceManager() { ReleaseAll(); }
    CGXInterfaceManager(const CGXInterfaceManager&) = delete;
    CGXInterfaceManager& operator=(const CGXInterfaceManager&) = delete;

    // Keeps pInterface (not null) under iid; a pointer held under iid before is released first.
    void Put(TInterface* pInterface, REFIID iid)
    {
        if (pInterface == nullptr)
            return;
        const auto it = m_map.find(iid);
        if (it != m_map.end())
            it->second->Release();
        m_map[iid] = pInterface;
    }
    // The pointer held under iid, null when none.
    TInterface* Get(REFIID iid) const
    {
        const auto it = m_map.find(iid);
        return it != m_map.end() ? it->second : nullptr;
    }
    // Forgets the pointer under iid, releasing it with bRelease.
    void Remove(REFIID iid, BOOL bRelease)
    {
        const auto it = m_map.find(iid);
        if (it == m_map.end())
            return;
        if (bRelease)
            it->second->Release();
        m_map.erase(it);
    }
    // Releases every pointer and empties the manager.
    void ReleaseAll()
    {
        // a Release may reach the manager again: each pointer leaves the map before it goes
        while (!m_map.empty()) {
            const auto it = m_map.begin();
            TInterface* pInterface = it->second;
            m_map.erase(it);
            pInterface->Release();
        }
    }
    int GetCount() const { return int(m_map.size()); }

private:
    struct GuidLess {
        bool operator()(const GUID& a, const GUID& b) const { return std::memcmp(&a, &b, sizeof(GUID)) < 0; }
    };
    std::map<GUID, TInterface*, GuidLess> m_map;
};

// Global memory blocks, freed (GlobalFree) by Remove with bFree or by the destructor.
template <class THandle = void*>
class CGXHandleManager {
public:
    CGXHandleManager() = default;
    ~CGXHandleManager()
    {
        for (THandle h : m_handles)
            ::GlobalFree(h);
    }
    CGXHandleManager(const CGXHandleManager&) = delete;
    CGXHandleManager& operator=(const CGXHandleManager&) = delete;

    void Add(THandle h)
    {
        if (h != nullptr)
            m_handles.insert(h);
    }
    void Remove(THandle h, BOOL bFree)
    {
        if (m_handles.erase(h) != 0 && bFree)
            ::GlobalFree(h);
    }

private:
    std::set<THandle> m_handles;
};

// ---- viewers ---------------------------------------------------------------------------------------------

class CGXOleViewer {
public:
    virtual ~CGXOleViewer();

    // Takes the cell's object (GetDataHandle) and loads it into its server, shown with bActivate; no
    // object: the Insert Object dialog makes one. Serves pCell from now on; FALSE (serving nobody) on
    // failure.
    virtual BOOL Open(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pCell, BOOL bActivate) = 0;
    // Shows the held object in its server again.
    virtual void Activate() = 0;
    // The viewer's VARIANT when it holds one, else that of style's attribute 52794, as a new global
    // block of bytes; null when empty; a VARIANT of another type than a byte array: 20134 and null.
    virtual HGLOBAL GetDataHandle(const CGXStyle& style) = 0;
    // Ends the connection with the object (saving it when changed) and releases every interface.
    virtual void Close() = 0;
    // The cell is told that the object changed (OnModifyCell, SetModify(TRUE)).
    virtual void NotifyModified() = 0;
    // Empties the VARIANT and releases every interface.
    virtual void Clear() = 0;
    // The held object saved in its stored form into the VARIANT (the cell modified).
    virtual void SaveToVariant() = 0;
    virtual const COleVariant& GetVariant() const = 0;
    virtual IStorage* GetStorage() = 0;
    virtual IOleObject* GetOleObject() = 0;
    // A new client site on this viewer, with one reference.
    virtual IOleClientSite* CreateClientSite() = 0;
    // Whether the clipboard can give an object.
    virtual BOOL CanPasteObject() = 0;
    // An object from the clipboard saved into the VARIANT, which is returned; null on failure.
    virtual const COleVariant* PasteFromClipboard() = 0;
    virtual BOOL CanCopy() = 0;
    // The cell's object loaded (not shown) and its clipboard data object (one reference for the
    // caller); null on failure (reported).
    virtual IDataObject* GetClipboardDataObject(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pCell) = 0;
    virtual BOOL CanCut() = 0;
    // GetClipboardDataObject, then the VARIANT emptied and the cell modified.
    virtual IDataObject* CutToDataObject(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pCell) = 0;

    // The cell served (null: idle).
    CGXControl* GetOwner() const { return m_pOwner; }

protected:
    CGXControl* m_pOwner = nullptr;
};

class CGXGenericViewerImpl : public CGXOleViewer {
public:
    CGXGenericViewerImpl();
    ~CGXGenericViewerImpl() override;

    BOOL Open(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pCell, BOOL bActivate) override;
    void Activate() override;
    HGLOBAL GetDataHandle(const CGXStyle& style) override;
    void Close() override;
    void NotifyModified() override;
    void Clear() override;
    void SaveToVariant() override;
    const COleVariant& GetVariant() const override { return m_variant; }
    IStorage* GetStorage() override;
    IOleObject* GetOleObject() override;
    IOleClientSite* CreateClientSite() override;
    BOOL CanPasteObject() override;
    const COleVariant* PasteFromClipboard() override;
    BOOL CanCopy() override;
    IDataObject* GetClipboardDataObject(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pCell) override;
    BOOL CanCut() override;
    IDataObject* CutToDataObject(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pCell) override;

    // A new advise sink on this viewer (one reference); pdwConnection is where its connection goes.
    virtual IAdviseSink* CreateAdviseSink(DWORD* pdwConnection);
    // A new object from the Insert Object dialog (owned by pGrid's window). FALSE when none was made.
    virtual BOOL InsertNewObject(CGXGridCore* pGrid);
    // The verb that shows an object: 0 (primary).
    virtual LONG GetVerb();
    // Loads the stored block hData into a new object of its class (shown with bActivate). Only for a
    // preview cell owner; FALSE (reported) on failure.
    virtual BOOL LoadFromData(HGLOBAL hData, CGXGridCore* pGrid, BOOL bActivate);
    CGXInterfaceManager<IUnknown>& GetInterfaceManager() { return m_interfaces; }
    // The VARIANT holds a byte array.
    BOOL HasData() const;

protected:
    // A new docfile storage on an empty memory block, kept in the interface manager.
    IStorage* CreateMemoryStorage();
    // The owner is an object preview cell.
    BOOL OwnerIsPreview() const;
    // The grid window of pGrid (null without one).
    static HWND GridHwnd(CGXGridCore* pGrid);

    COleVariant m_variant;
    CGXInterfaceManager<IUnknown> m_interfaces;
    DWORD m_dwConnection = 0;
};

// Makes the viewers of a viewer manager.
class CGXViewerFactory {
public:
    virtual ~CGXViewerFactory();
    // A new viewer for nId (the caller owns it); here a CGXGenericViewerImpl.
    virtual CGXOleViewer* CreateViewer(DWORD nId);
};

// Viewers by id, made on first request and deleted with the manager.
template <class TViewer>
class CGXNodeManager {
public:
    explicit CGXNodeManager(CGXViewerFactory* pFactory) : m_pFactory(pFactory) {}
    virtual ~CGXNodeManager()
    {
        for (auto& entry : m_viewers)
            delete entry.second;
    }
    CGXNodeManager(const CGXNodeManager&) = delete;
    CGXNodeManager& operator=(const CGXNodeManager&) = delete;

    // The viewer of nId, made through the factory the first time.
    virtual TViewer* GetViewer(DWORD nId)
    {
        const auto it = m_viewers.find(nId);
        if (it != m_viewers.end())
            return it->second;
        TViewer* pViewer = m_pFactory->CreateViewer(nId);
        m_viewers[nId] = pViewer;
        return pViewer;
    }

protected:
    std::map<DWORD, TViewer*> m_viewers;
    CGXViewerFactory* m_pFactory;
};

// The preview cell's viewers; it owns its factory (null: the default one).
class CGXViewerManager : public CGXNodeManager<CGXOleViewer> {
public:
    explicit CGXViewerManager(CGXViewerFactory* pFactory = nullptr);
    ~CGXViewerManager() override;
};

// ---- the objects' partners ---------------------------------------------------------------------------

// The IUnknown of a partner object: it answers IID_IUnknown and its one interface (iid), starts with
// one reference and deletes itself at the last Release.
template <class TInterface>
class GXOleRefCounted : public TInterface {
public:
    explicit GXOleRefCounted(REFIID iid) : m_iid(iid) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, m_iid)) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<TInterface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(::InterlockedIncrement(&m_nRefs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
        if (nRefs == 0)
            delete this;
        return ULONG(nRefs);
    }

protected:
    virtual ~GXOleRefCounted() = default;

private:
    LONG m_nRefs = 1;
    IID m_iid;
};

class CGXClientSite : public GXOleRefCounted<IOleClientSite> {
public:
    explicit CGXClientSite(CGXOleViewer* pViewer);

    // Saves a changed object into the viewer's storage and VARIANT and tells the cell.
    HRESULT STDMETHODCALLTYPE SaveObject() override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** ppContainer) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override;
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL fShow) override;
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;

private:
    CGXOleViewer* m_pViewer;
};

class CGXAdviseSink : public GXOleRefCounted<IAdviseSink> {
public:
    explicit CGXAdviseSink(CGXOleViewer* pViewer);

    void STDMETHODCALLTYPE OnDataChange(FORMATETC* pFormatetc, STGMEDIUM* pStgmed) override;
    void STDMETHODCALLTYPE OnViewChange(DWORD dwAspect, LONG lindex) override;
    void STDMETHODCALLTYPE OnRename(IMoniker* pmk) override;
    void STDMETHODCALLTYPE OnSave() override;
    // The viewer closes.
    void STDMETHODCALLTYPE OnClose() override;

private:
    CGXOleViewer* m_pViewer;
};

// Shows the system's text for the failing status hr (its number when the system has none).
void GXShowOleError(HRESULT hr);
