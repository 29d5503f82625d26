#include "chart/engine/components/DEDizedBackground.h"

IMPLEMENT_SERIAL(DEDizedBackground, DEDizedComponent, VERSIONABLE_SCHEMA | 1)

DEDizedBackground::DEDizedBackground()
{
    m_nTypeId = chartTypeBackground;
}

void DEDizedBackground::WriteTemplateKeyword(CStdioFile& writer)
{
    writer.WriteString("background ");
}
