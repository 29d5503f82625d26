// The tests' ActiveX control: a class factory and an object with the two interfaces a control host
// needs to place it (IOleObject, IOleInPlaceObject). In-place activation asks the site for its window
// and rectangle and makes a static window there; deactivation and closing destroy it.
#include <windows.h>
#include <ole2.h>

#include "TestControl.h"

namespace {

const CLSID kClassId = {0xFDC25345, 0x6C2C, 0x4E86, {0xB8, 0xA3, 0x38, 0xBF, 0xED, 0xD4, 0x6B, 0x71}};

HINSTANCE g_hModule = nullptr;

class TestControl final : public IOleObject, public IOleInPlaceObject {
public:
    ~TestControl()
    {
        Deactivate();
        if (m_pSite != nullptr)
            m_pSite->Release();
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleObject))
            *ppv = static_cast<IOleObject*>(this);
        else if (IsEqualIID(riid, IID_IOleInPlaceObject) || IsEqualIID(riid, IID_IOleWindow))
            *ppv = static_cast<IOleInPlaceObject*>(this);
        else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
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

    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* pSite) override
    {
        if (pSite != nullptr)
            pSite->AddRef();
        if (m_pSite != nullptr)
            m_pSite->Release();
        m_pSite = pSite;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** ppSite) override
    {
        *ppSite = m_pSite;
        if (m_pSite != nullptr)
            m_pSite->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close(DWORD) override
    {
        Deactivate();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DoVerb(LONG iVerb, LPMSG, IOleClientSite* pSite, LONG, HWND, LPCRECT) override
    {
        if (iVerb != OLEIVERB_INPLACEACTIVATE && iVerb != OLEIVERB_UIACTIVATE && iVerb != OLEIVERB_SHOW &&
            iVerb != OLEIVERB_PRIMARY)
            return OLEOBJ_S_INVALIDVERB;
        return Activate(pSite != nullptr ? pSite : m_pSite);
    }
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* pClsid) override
    {
        *pClsid = kClassId;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD, SIZEL* pSize) override
    {
        m_extent = *pSize;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD, SIZEL* pSize) override
    {
        *pSize = m_extent;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* pStatus) override
    {
        *pStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceObject
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* phWnd) override
    {
        *phWnd = m_hWnd;
        return m_hWnd != nullptr ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override
    {
        Deactivate();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE UIDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT pPos, LPCRECT) override
    {
        if (m_hWnd != nullptr)
            ::MoveWindow(m_hWnd, pPos->left, pPos->top, pPos->right - pPos->left, pPos->bottom - pPos->top, TRUE);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override { return E_NOTIMPL; }

private:
    HRESULT Activate(IOleClientSite* pSite)
    {
        if (m_hWnd != nullptr)
            return S_OK;
        if (pSite == nullptr)
            return E_UNEXPECTED;
        IOleInPlaceSite* pInPlace = nullptr;
        if (FAILED(pSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&pInPlace))))
            return E_NOINTERFACE;
        HRESULT hr = pInPlace->CanInPlaceActivate();
        HWND hWndParent = nullptr;
        if (hr == S_OK)
            hr = pInPlace->GetWindow(&hWndParent);
        IOleInPlaceFrame* pFrame = nullptr;
        IOleInPlaceUIWindow* pDoc = nullptr;
        RECT pos = {}, clip = {};
        OLEINPLACEFRAMEINFO info = {sizeof info};
        if (hr == S_OK)
            hr = pInPlace->GetWindowContext(&pFrame, &pDoc, &pos, &clip, &info);
        if (pFrame != nullptr)
            pFrame->Release();
        if (pDoc != nullptr)
            pDoc->Release();
        if (SUCCEEDED(hr)) {
            pInPlace->OnInPlaceActivate();
            m_hWnd = ::CreateWindowExA(0, "STATIC", TEST_CONTROL_TEXT, WS_CHILD | WS_VISIBLE, pos.left, pos.top,
                                       pos.right - pos.left, pos.bottom - pos.top, hWndParent, nullptr, g_hModule,
                                       nullptr);
            m_pInPlaceSite = pInPlace;
            pInPlace = nullptr;
            hr = m_hWnd != nullptr ? S_OK : E_FAIL;
        }
        if (pInPlace != nullptr)
            pInPlace->Release();
        return hr;
    }
    void Deactivate()
    {
        if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
        if (m_pInPlaceSite != nullptr) {
            m_pInPlaceSite->OnInPlaceDeactivate();
            m_pInPlaceSite->Release();
            m_pInPlaceSite = nullptr;
        }
    }

    LONG m_nRefs = 1;
    IOleClientSite* m_pSite = nullptr;
    IOleInPlaceSite* m_pInPlaceSite = nullptr;
    HWND m_hWnd = nullptr;
    SIZEL m_extent = {2540, 2540};
};

class TestControlFactory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *ppv = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // the factory lives as long as the library
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (pOuter != nullptr)
            return CLASS_E_NOAGGREGATION;
        TestControl* pControl = new TestControl;
        const HRESULT hr = pControl->QueryInterface(riid, ppv);
        pControl->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

TestControlFactory g_factory;

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        g_hModule = hInstance;
    return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    if (!IsEqualCLSID(rclsid, kClassId)) {
        *ppv = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return g_factory.QueryInterface(riid, ppv);
}

// The library stays loaded as long as the program runs.
extern "C" HRESULT WINAPI DllCanUnloadNow()
{
    return S_FALSE;
}
