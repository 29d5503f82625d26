#include "chart/views/dialogs/CGenDialog.h"

#include <cstring>

namespace {

// Reads a template within its size: every read that would run past the end fails and stops the
// reading for good.
class TemplateReader {
public:
    TemplateReader(const BYTE* pData, size_t nSize) : m_pData(pData), m_nSize(pData != nullptr ? nSize : 0) {}

    bool Ok() const { return m_bOk; }
    template <class T>
    T Read()
    {
        T value{};
        if (m_bOk && m_nSize - m_nPos >= sizeof(T)) {
            std::memcpy(&value, m_pData + m_nPos, sizeof(T));
            m_nPos += sizeof(T);
        } else {
            m_bOk = false;
        }
        return value;
    }
    // A zero-terminated string of 16-bit characters, made 8-bit.
    CString ReadString()
    {
        CString text;
        for (;;) {
            const WORD ch = Read<WORD>();
            if (!m_bOk || ch == 0)
                return text;
            char narrow[4] = {};
            const WCHAR wide = WCHAR(ch);
            if (::WideCharToMultiByte(CP_ACP, 0, &wide, 1, narrow, sizeof narrow - 1, nullptr, nullptr) <= 0)
                narrow[0] = '?';
            text += narrow;
        }
    }
    // A string or an ordinal (0xFFFF then the number; rnOrdinal -1 for a string); 0x0000: none.
    CString ReadNameOrOrdinal(int& rnOrdinal)
    {
        rnOrdinal = -1;
        const size_t nStart = m_nPos;
        const WORD first = Read<WORD>();
        if (!m_bOk || first == 0)
            return CString();
        if (first == 0xFFFF) {
            rnOrdinal = Read<WORD>();
            return CString();
        }
        m_nPos = nStart;
        return ReadString();
    }
    // To the next multiple of four bytes from the start.
    void AlignDword()
    {
        const size_t nAligned = (m_nPos + 3) & ~size_t(3);
        if (nAligned > m_nSize)
            m_bOk = false;
        else
            m_nPos = nAligned;
    }
    void Skip(size_t nBytes)
    {
        if (m_nSize - m_nPos < nBytes)
            m_bOk = false;
        else
            m_nPos += nBytes;
    }

private:
    const BYTE* m_pData;
    size_t m_nSize;
    size_t m_nPos = 0;
    bool m_bOk = true;
};

// The class of a predefined control atom, or null.
const char* AtomClass(int nAtom)
{
    switch (nAtom) {
    case 0x80: return "BUTTON";
    case 0x81: return "EDIT";
    case 0x82: return "STATIC";
    case 0x83: return "LISTBOX";
    case 0x84: return "SCROLLBAR";
    case 0x85: return "COMBOBOX";
    default: return nullptr;
    }
}

bool HasClientEdge(const CString& className)
{
    for (const char* pClass : {"EDIT", "LISTBOX", "SysListView32", "SysTreeView32"})
        if (className.CompareNoCase(pClass) == 0)
            return true;
    return false;
}

// The ActiveX host window holding the control of class id lpszClassId; null (nothing left behind) when
// OLE or the host cannot start or the control cannot be made.
HWND CreateActiveXHost(LPCSTR lpszClassId, DWORD dwExStyle, DWORD dwStyle, const CRect& rect, HWND hWndParent,
                       UINT nID)
{
    // ATL's host window class, registered once for the program; the controls need OLE on this thread.
    // The library is loaded only here, for the rare panel that has such a control, so that a program
    // that never shows one neither loads it nor starts OLE.
    using AxWinInit = BOOL(WINAPI*)();
    using AxGetControl = HRESULT(WINAPI*)(HWND, IUnknown**);
    static AxGetControl pfnGetControl = nullptr;
    static const bool bHostReady = [] {
        const HMODULE hAtl = ::LoadLibraryA("atl.dll");
        // (through the generic function type, which a function of any type may pass as)
        auto entry = [hAtl](LPCSTR lpszName) {
            return reinterpret_cast<void (*)()>(hAtl != nullptr ? ::GetProcAddress(hAtl, lpszName) : nullptr);
        };
        const auto pfnInit = reinterpret_cast<AxWinInit>(entry("AtlAxWinInit"));
        pfnGetControl = reinterpret_cast<AxGetControl>(entry("AtlAxGetControl"));
        return pfnInit != nullptr && pfnGetControl != nullptr && SUCCEEDED(::OleInitialize(nullptr)) && pfnInit();
    }();
    if (!bHostReady)
        return nullptr;
    // the host makes the control its text names while it is created
    const HWND hWnd = ::CreateWindowExA(dwExStyle, "AtlAxWin", lpszClassId, dwStyle, rect.left, rect.top, rect.Width(),
                                        rect.Height(), hWndParent, reinterpret_cast<HMENU>(UINT_PTR(nID)),
                                        AfxGetInstanceHandle(), nullptr);
    if (hWnd == nullptr)
        return nullptr;
    IUnknown* pControl = nullptr;
    if (FAILED(pfnGetControl(hWnd, &pControl)) || pControl == nullptr) {
        ::DestroyWindow(hWnd);
        return nullptr;
    }
    pControl->Release();
    return hWnd;
}

} // namespace

const char CGenDialog::kCannotCreate[] = "Can't create control: %s\n";

IMPLEMENT_DYNAMIC(CGenDialog, CObject)

std::vector<CGenDialog::Item> CGenDialog::ParseTemplate(const BYTE* pData, size_t nSize)
{
    std::vector<Item> items;
    TemplateReader reader(pData, nSize);
    const WORD wVersion = reader.Read<WORD>();
    const WORD wSignature = reader.Read<WORD>();
    const bool bExtended = reader.Ok() && wVersion == 1 && wSignature == 0xFFFF;
    DWORD dwStyle = 0;
    WORD nCount = 0;
    if (bExtended) {
        reader.Read<DWORD>(); // help id
        reader.Read<DWORD>(); // extended style
        dwStyle = reader.Read<DWORD>();
    } else {
        // the two words read are the style of a standard template
        dwStyle = DWORD(wVersion) | (DWORD(wSignature) << 16);
        reader.Read<DWORD>(); // extended style
    }
    nCount = reader.Read<WORD>();
    reader.Skip(4 * sizeof(short)); // the dialog's own rectangle
    int nOrdinal;
    reader.ReadNameOrOrdinal(nOrdinal); // menu
    reader.ReadNameOrOrdinal(nOrdinal); // class
    reader.ReadString();                // title
    if ((dwStyle & DS_SETFONT) != 0) {
        reader.Read<WORD>(); // point size
        if (bExtended) {
            reader.Read<WORD>(); // weight
            reader.Read<BYTE>(); // italic
            reader.Read<BYTE>(); // character set
        }
        reader.ReadString(); // face
    }
    for (WORD n = 0; n < nCount && reader.Ok(); ++n) {
        reader.AlignDword();
        Item item;
        if (bExtended) {
            reader.Read<DWORD>(); // help id
            item.dwExStyle = reader.Read<DWORD>();
            item.dwStyle = reader.Read<DWORD>();
        } else {
            item.dwStyle = reader.Read<DWORD>();
            item.dwExStyle = reader.Read<DWORD>();
        }
        item.x = reader.Read<short>();
        item.y = reader.Read<short>();
        item.cx = reader.Read<short>();
        item.cy = reader.Read<short>();
        item.nID = bExtended ? UINT(reader.Read<DWORD>()) : UINT(reader.Read<WORD>());
        int nAtom;
        item.className = reader.ReadNameOrOrdinal(nAtom);
        if (nAtom >= 0)
            item.className = AtomClass(nAtom) != nullptr ? AtomClass(nAtom) : "";
        int nTitleOrdinal;
        item.title = reader.ReadNameOrOrdinal(nTitleOrdinal);
        const WORD nExtra = reader.Read<WORD>();
        reader.Skip(nExtra);
        if (!reader.Ok())
            break;
        items.push_back(item);
    }
    return items;
}

CGenDialog::CGenDialog(UINT nIDResource, CWnd* pOwner, int nPlaceholderID)
    : m_nIDResource(nIDResource), m_pOwner(pOwner), m_nPlaceholderID(nPlaceholderID), m_bCreated(FALSE), m_bShown(FALSE)
{
    AfxRequirePointer(pOwner, "CGenDialog::CGenDialog", "pOwner");
}

CGenDialog::~CGenDialog() = default;

BOOL CGenDialog::Create()
{
    if (m_bCreated)
        return TRUE;
    if (m_pOwner->m_hWnd == nullptr)
        return FALSE;
    const LPCSTR lpszName = MAKEINTRESOURCEA(m_nIDResource);
    const HINSTANCE hModule = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(5));
    const HRSRC hResource = hModule != nullptr ? ::FindResourceA(hModule, lpszName, MAKEINTRESOURCEA(5)) : nullptr;
    const HGLOBAL hData = hResource != nullptr ? ::LoadResource(hModule, hResource) : nullptr;
    const BYTE* pData = hData != nullptr ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
    if (pData == nullptr)
        return FALSE;
    const std::vector<Item> items = ParseTemplate(pData, ::SizeofResource(hModule, hResource));

    CPoint origin(0, 0);
    if (m_nPlaceholderID != -1) {
        if (CWnd* pPlace = m_pOwner->GetDlgItem(m_nPlaceholderID)) {
            CRect place;
            pPlace->GetWindowRect(&place);
            m_pOwner->ScreenToClient(&place);
            origin = place.TopLeft();
        }
    }
    for (const Item& item : items)
        CreateControl(item, origin);
    m_bCreated = TRUE;
    return TRUE;
}

CRect CGenDialog::ItemRect(const Item& item, CPoint origin) const
{
    CRect rect(item.x, item.y, item.x + item.cx, item.y + item.cy);
    if (const CDialog* pDialog = dynamic_cast<const CDialog*>(m_pOwner)) {
        pDialog->MapDialogRect(&rect);
    } else {
        const LONG nUnits = ::GetDialogBaseUnits();
        const int nX = LOWORD(nUnits), nY = HIWORD(nUnits);
        rect.SetRect(rect.left * nX / 4, rect.top * nY / 8, rect.right * nX / 4, rect.bottom * nY / 8);
    }
    rect.OffsetRect(origin);
    return rect;
}

bool CGenDialog::CreateControl(const Item& item, CPoint origin)
{
    HWND hWnd = nullptr;
    const CRect rect = ItemRect(item, origin);
    const DWORD dwStyle = (item.dwStyle & ~WS_VISIBLE) | WS_CHILD;
    if (!item.className.IsEmpty() && item.className[0] == '{') {
        hWnd = CreateActiveXHost(item.className, item.dwExStyle, dwStyle, rect, m_pOwner->m_hWnd, item.nID);
    } else if (!item.className.IsEmpty()) {
        if (item.className.CompareNoCase("RICHEDIT") == 0)
            ::LoadLibraryA("riched32.dll");
        const DWORD dwExStyle = item.dwExStyle | (HasClientEdge(item.className) ? WS_EX_CLIENTEDGE : 0);
        hWnd = ::CreateWindowExA(dwExStyle, item.className, item.title, dwStyle, rect.left, rect.top, rect.Width(),
                                 rect.Height(), m_pOwner->m_hWnd, reinterpret_cast<HMENU>(UINT_PTR(item.nID)),
                                 AfxGetInstanceHandle(), nullptr);
    }
    if (hWnd == nullptr) {
        CString text;
        text.Format(kCannotCreate, item.className.GetString());
        AfxMessageBox(text);
        return false;
    }
    ::SendMessageA(hWnd, WM_SETFONT, m_pOwner->SendMessage(WM_GETFONT), FALSE);
    m_controls.push_back({hWnd, item.className, item.title});
    return true;
}

void CGenDialog::Destroy()
{
    for (const Control& control : m_controls)
        if (::IsWindow(control.hWnd))
            ::DestroyWindow(control.hWnd);
    m_controls.clear();
    m_bCreated = FALSE;
    m_bShown = FALSE;
}

void CGenDialog::Show(BOOL bShow)
{
    for (Control& control : m_controls) {
        if (!::IsWindow(control.hWnd))
            continue;
        if (bShow) {
            ::SetWindowTextA(control.hWnd, control.text);
            ::ShowWindow(control.hWnd, SW_SHOWNA);
        } else {
            char szText[1024] = {};
            ::GetWindowTextA(control.hWnd, szText, sizeof szText);
            control.text = szText;
            ::ShowWindow(control.hWnd, SW_HIDE);
        }
    }
    m_bShown = bShow;
}
