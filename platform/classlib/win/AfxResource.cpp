#include "win/AfxResource.h"

#include "win/AfxRes.h"
#include "win/ArgCheck.h"
#include "win/ResourceSource.h"

#include <vector>

namespace {

HINSTANCE g_hResource = nullptr;

HINSTANCE ProgramModule()
{
    return ::GetModuleHandleA(nullptr);
}

// The drawing and menu classes ask for the resource handle through this source.
HINSTANCE ResourceSourceForLoads()
{
    return AfxGetResourceHandle();
}

const struct SourceInstaller {
    SourceInstaller() { AfxSetResourceHandleSource(&ResourceSourceForLoads); }
} g_sourceInstaller;

// LoadStringA of the whole string from one module; false when the module has no such string.
bool LoadFrom(HINSTANCE hInst, UINT nID, CString& rString)
{
    if (hInst == nullptr)
        return false;
    std::vector<char> buffer(256);
    for (;;) {
        const int n = ::LoadStringA(hInst, nID, buffer.data(), int(buffer.size()));
        if (n <= 0)
            return false;
        if (size_t(n) < buffer.size() - 1) {
            rString = CString(buffer.data(), n);
            return true;
        }
        buffer.resize(buffer.size() * 2); // cut: try again with more room
    }
}

} // namespace

HINSTANCE AfxGetResourceHandle()
{
    return g_hResource != nullptr ? g_hResource : ProgramModule();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_hResource = hInstResource;
}

HINSTANCE AfxGetInstanceHandle()
{
    return ProgramModule();
}

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    const HINSTANCE hResource = AfxGetResourceHandle();
    if (::FindResourceA(hResource, lpszName, lpszType) != nullptr)
        return hResource;
    const HINSTANCE hProgram = ProgramModule();
    if (hProgram != hResource && ::FindResourceA(hProgram, lpszName, lpszType) != nullptr)
        return hProgram;
    return nullptr;
}

BOOL AfxLoadString(UINT nID, CString& rString)
{
    rString.Empty();
    const HINSTANCE hResource = AfxGetResourceHandle();
    if (LoadFrom(hResource, nID, rString))
        return TRUE;
    const HINSTANCE hProgram = ProgramModule();
    return hProgram != hResource && LoadFrom(hProgram, nID, rString);
}

int AfxLoadString(UINT nID, LPSTR lpszBuf, UINT nMaxBuf)
{
    AfxRequirePointer(lpszBuf, "AfxLoadString", "lpszBuf");
    if (nMaxBuf == 0)
        AfxThrowInvalidArgFormat("AfxLoadString: buffer size 0 for string %u", nID);
    CString text;
    AfxLoadString(nID, text);
    const int n = text.GetLength() < int(nMaxBuf - 1) ? text.GetLength() : int(nMaxBuf - 1);
    memcpy(lpszBuf, text.GetString(), size_t(n));
    lpszBuf[n] = '\0';
    return n;
}

CString AfxLoadLibraryString(UINT nID)
{
    CString text;
    if (AfxLoadString(nID, text))
        return text;
    switch (nID) {
    case AFX_IDS_IDLEMESSAGE: return "Ready";
    case AFX_IDS_UNTITLED: return "Untitled";
    case AFX_IDS_HIDE: return "&Hide";
    case AFX_IDP_FAILED_TO_OPEN_DOC: return "Failed to open document.";
    case AFX_IDP_FAILED_TO_CREATE_DOC: return "Failed to create empty document.";
    case AFX_IDP_FAILED_TO_CREATE_DC: return "The printer could not be opened. Choose a printer with Print Setup.";
    case AFX_IDP_FAILED_TO_START_PRINT: return "The printer could not start the document.";
    case AFX_IDP_NO_ERROR_AVAILABLE: return "No error message is available.";
    case AFX_IDP_INTERNAL_FAILURE: return "An unexpected error occurred.";
    case AFX_IDP_COMMAND_FAILURE: return "Command failed.";
    case AFX_IDP_PARSE_INT: return "Please enter an integer.";
    case AFX_IDP_PARSE_UINT: return "Please enter a positive integer.";
    case AFX_IDP_PARSE_REAL: return "Please enter a number.";
    case AFX_IDP_PARSE_INT_RANGE: return "Please enter an integer between %1 and %2.";
    case AFX_IDP_PARSE_REAL_RANGE: return "Please enter a number between %1 and %2.";
    case AFX_IDP_PARSE_STRING_SIZE: return "Please enter no more than %1 characters.";
    case AFX_IDP_PARSE_RADIO_BUTTON: return "Please select a button.";
    case AFX_IDP_PATH_TOO_LONG: return "The path chosen is longer than %1 characters. Please choose a shorter one.";
    case AFX_IDP_PATH_NOT_HELD: return "The name chosen holds a character that cannot be kept. Please choose another name.";
    case AFX_IDS_PREVIEW_PRINT: return "&Print...";
    case AFX_IDS_PREVIEW_NEXT: return "&Next Page";
    case AFX_IDS_PREVIEW_PREV: return "Pre&v Page";
    case AFX_IDS_PREVIEW_TWOPAGE: return "&Two Page";
    case AFX_IDS_PREVIEW_ONEPAGE: return "&One Page";
    case AFX_IDS_PREVIEW_ZOOMIN: return "Zoom &In";
    case AFX_IDS_PREVIEW_ZOOMOUT: return "Zoom &Out";
    case AFX_IDS_PREVIEW_CLOSE: return "&Close";
    case AFX_IDS_PREVIEW_PAGEDESC: return "Page %u";
    case AFX_IDS_PRINT_FILE_FILTER: return "Printer Files (*.prn)|*.prn|All Files (*.*)|*.*||";
    default: return CString();
    }
}
