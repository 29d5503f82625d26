// DEDized: the polygon cache, stock shapes and polygon texts from resources and files.
#include <string>

#include "chart/engine/DEDized.h"

#include "chart/engine/ChartTextSource.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/SRGCompiledPolygon.h"
#include "win/ArgCheck.h"

SRGCompiledPolygon* DEDized::LoadPolygonFile(const char* lpszName, const char* lpszResourceType)
{
    AfxRequirePointer(lpszName, "DEDized::LoadPolygonFile", "the name");
    // a text that is there but cannot be read is refused like a malformed one
    std::string text;
    const ChartResourceTextResult found = ReadChartResourceText(lpszName, lpszResourceType, text);
    if (found == chartResourceUnlocked || (found == chartResourceMissing && !ReadChartFileText(lpszName, text)))
        ThrowChartException(19);
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
    // Drawing asks for a widget or a line end at every point: a name that could not be read is not
    // looked for again (in the resources, then as a file in the current folder) while the chart lives.
    // The resource type is part of the key, as the same name may be found under another type.
    CString failedKey(lpszName);
    failedKey += '\n';
    if (lpszResourceType != nullptr && !IS_INTRESOURCE(lpszResourceType))
        failedKey += lpszResourceType;
    void* pUnused = nullptr;
    if (m_failedPolygons.Lookup(failedKey, pUnused))
        return 0;
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
            m_failedPolygons.SetAt(failedKey, nullptr);
            return 0;
        }
    }
    rpPolygon->SetRotation(dAngle);
    return 1;
}
