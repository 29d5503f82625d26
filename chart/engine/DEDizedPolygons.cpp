// DEDized: the polygon cache, stock shapes and polygon texts from resources and files.
#include <string>

#include "chart/engine/DEDized.h"

#include "chart/engine/DEDizedException.h"
#include "chart/engine/SRGCompiledPolygon.h"
#include "core/CFile.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"

namespace {

// The text of the resource lpszName of type lpszType into rText; false when no module holds it.
bool ReadResourceText(const char* lpszName, const char* lpszType, std::string& rText)
{
    if (lpszType == nullptr)
        return false;
    HINSTANCE hModule = AfxFindResourceHandle(lpszName, lpszType);
    HRSRC hResource = hModule != nullptr ? ::FindResourceA(hModule, lpszName, lpszType) : nullptr;
    if (hResource == nullptr)
        return false;
    HGLOBAL hData = ::LoadResource(hModule, hResource);
    const void* pData = hData != nullptr ? ::LockResource(hData) : nullptr;
    if (pData == nullptr)
        ThrowChartException(19);
    AfxAllocating([&] { rText.assign(static_cast<const char*>(pData), ::SizeofResource(hModule, hResource)); });
    return true;
}

// The whole file lpszPath into rText; code 19 when it cannot be opened or read to its end.
void ReadFileText(const char* lpszPath, std::string& rText)
{
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead))
        ThrowChartException(19);
    try {
        const uint64_t nLength = file.GetLength();
        if (nLength > 0x7FFFFFFF)
            ThrowChartException(19);
        AfxAllocating([&] { rText.resize(size_t(nLength)); });
        if (file.Read(&rText[0], uint32_t(nLength)) != nLength)
            ThrowChartException(19);
    } catch (CFileException* e) {
        e->Delete();
        ThrowChartException(19);
    }
}

} // namespace

SRGCompiledPolygon* DEDized::LoadPolygonFile(const char* lpszName, const char* lpszResourceType)
{
    AfxRequirePointer(lpszName, "DEDized::LoadPolygonFile", "the name");
    std::string text;
    if (!ReadResourceText(lpszName, lpszResourceType, text))
        ReadFileText(lpszName, text);
    SRGCompiledPolygon* pPolygon = nullptr;
    AfxAllocating([&] { pPolygon = new SRGCompiledPolygon; });
    try {
        pPolygon->ReadText(text.data(), int(text.size()));
        pPolygon->SetName(lpszName);
    } catch (...) {
        delete pPolygon;
        throw;
    }
    AfxAddOwnedTail(m_polygons, pPolygon);
    return pPolygon;
}

int DEDized::GetPolygon(const char* lpszName, const char* lpszResourceType, SRGCompiledPolygon*& rpPolygon,
                        double dAngle)
{
    AfxRequirePointer(lpszName, "DEDized::GetPolygon", "the name");
    rpPolygon = nullptr;
    for (POSITION pos = m_polygons.GetHeadPosition(); pos != nullptr && rpPolygon == nullptr;) {
        SRGCompiledPolygon* pPolygon = static_cast<SRGCompiledPolygon*>(m_polygons.GetNext(pos));
        if (pPolygon->GetName() == lpszName)
            rpPolygon = pPolygon;
    }
    if (rpPolygon == nullptr && SRGCompiledPolygon::IsStockName(lpszName)) {
        SRGCompiledPolygon* pPolygon = nullptr;
        AfxAllocating([&] { pPolygon = new SRGCompiledPolygon(lpszName); });
        AfxAddOwnedTail(m_polygons, pPolygon);
        rpPolygon = pPolygon;
    } else if (rpPolygon == nullptr) {
        try {
            rpPolygon = LoadPolygonFile(lpszName, lpszResourceType);
        } catch (DEDizedException* e) {
            if (e->m_nCode != 19)
                throw;
            e->Delete();
            return 0;
        }
    }
    rpPolygon->SetRotation(dAngle);
    return 1;
}
