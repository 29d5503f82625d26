// The texts a chart reads whole from resources and files.
#include "chart/engine/ChartTextSource.h"

#include "core/CFile.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"

ChartResourceTextResult ReadChartResourceText(const char* lpszName, const char* lpszType, std::string& rText)
{
    if (lpszType == nullptr)
        return chartResourceMissing;
    HINSTANCE hModule = AfxFindResourceHandle(lpszName, lpszType);
    HRSRC hResource = hModule != nullptr ? ::FindResourceA(hModule, lpszName, lpszType) : nullptr;
    if (hResource == nullptr)
        return chartResourceMissing;
    HGLOBAL hData = ::LoadResource(hModule, hResource);
    const void* pData = hData != nullptr ? ::LockResource(hData) : nullptr;
    if (pData == nullptr)
        return chartResourceUnlocked;
    AfxAllocating([&] { rText.assign(static_cast<const char*>(pData), ::SizeofResource(hModule, hResource)); });
    return chartResourceRead;
}

bool ReadChartFileText(const char* lpszPath, std::string& rText)
{
    if (IS_INTRESOURCE(lpszPath))
        return false;
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead))
        return false;
    try {
        const uint64_t nLength = file.GetLength();
        if (nLength > 0x7FFFFFFF)
            return false;
        AfxAllocating([&] { rText.resize(size_t(nLength)); });
        return nLength == 0 || file.Read(&rText[0], uint32_t(nLength)) == nLength;
    } catch (CFileException* e) {
        e->Delete();
        return false;
    }
}
