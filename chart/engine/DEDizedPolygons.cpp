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
