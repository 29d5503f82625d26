// DEDizedBackground: the chart's background, a component that draws only what every component draws
// (its fill, shadow and border). Its template line is the keyword "background " and the common part.
#pragma once

#include "chart/engine/components/DEDizedComponent.h"

class DEDizedBackground : public DEDizedComponent {
    DECLARE_SERIAL(DEDizedBackground)
public:
    // Type id chartTypeBackground.
    DEDizedBackground();

    void WriteTemplateKeyword(CStdioFile& writer) override;
};
