// DEDized: reading chart templates; writing a chart's template.
#include <string>

#include "chart/engine/DEDizedTemplate.h"

#include "chart/engine/ChartResource.h"
#include "chart/engine/ChartTextSource.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/axes/SRGDataWatcher.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/components/SRGTextPanel.h"
#include "chart/engine/display/DEDizedDisplay.h"
#include "chart/engine/template/ChartTemplateScanner.h"
#include "core/CStdioFile.h"
#include "win/ArgCheck.h"
#include "win/WinServices.h"

namespace {

// What the lines read so far left open: the label block that takes the next labels, and the label
// that takes the next annotation.
struct TemplateState {
    DEDizedLabelBlock* pBlock = nullptr;
    DEDizedLabel* pLastLabel = nullptr;
};

// A new component for a keyword that makes one; null for the others.
DEDizedComponent* NewTemplateComponent(int nKeyword)
{
    DEDizedComponent* pComponent = nullptr;
    AfxAllocating([&] {
        switch (nKeyword) {
        case templateBackground:
            pComponent = new DEDizedBackground;
            break;
        case templateTitle:
            pComponent = new DEDizedTitle;
            break;
        case templateLegend:
            pComponent = new DEDizedLegend;
            break;
        case templateData:
            pComponent = new DEDizedDisplay;
            break;
        case templateLabel:
            pComponent = new DEDizedLabel;
            break;
        case templateLabelBlock:
            pComponent = new DEDizedLabelBlock;
            break;
        case templateTextPanel:
            pComponent = new SRGTextPanel;
            break;
        case templateDataWatcher:
            pComponent = new SRGDataWatcher;
            break;
        default:
            break;
        }
    });
    return pComponent;
}

// Reads one line that carries something into rChart; failures raise their chart exception.
void ReadTemplateLine(DEDized& rChart, const std::string& line, TemplateState& rState)
{
    int nKeyword = templateUnknown;
    const char* pRest = nullptr;
    if (const int nCode = ChartTemplateScanKeyword(line.c_str(), nKeyword, &pRest))
        ThrowChartException(nCode);
    switch (nKeyword) {
    case templateSurface:
        return;
    case templateEndBlock:
        rState.pBlock = nullptr;
        return;
    case templateAnnotation: {
        ChartTemplateAnnotation annotation;
        if (rState.pLastLabel == nullptr)
            ThrowChartException(templateErrorKeyword);
        if (const int nCode = ChartTemplateScanAnnotation(pRest, annotation))
            ThrowChartException(nCode);
        rState.pLastLabel->SetText(annotation.index, annotation.text.c_str());
        return;
    }
    case templateTextPanel:
    case templateDataWatcher:
        rState.pBlock = nullptr;
        break;
    default:
        break;
    }
    DEDizedComponent* pComponent = NewTemplateComponent(nKeyword);
    if (pComponent == nullptr)
        ThrowChartException(templateErrorKeyword);
    // the common part's measurement kind sets the margins, as the line's component needs them
    try {
        pComponent->ReadTemplateClassPart(pComponent->ReadTemplateCommon(pRest));
    } catch (...) {
        delete pComponent;
        throw;
    }
    DEDizedLabel* pLabel = nKeyword == templateLabel || nKeyword == templateLabelBlock
                               ? static_cast<DEDizedLabel*>(pComponent)
                               : nullptr;
    if (nKeyword == templateLabel && rState.pBlock != nullptr)
        rState.pBlock->AddExistingLabel(pLabel, 1);
    else
        rChart.AddComponent(pComponent);
    rState.pLastLabel = pLabel;
    if (nKeyword == templateLabelBlock)
        rState.pBlock = static_cast<DEDizedLabelBlock*>(pComponent);
}

} // namespace

void DEDized::ReadTemplate(const char* lpszName)
{
    AfxRequirePointer(lpszName, "DEDized::ReadTemplate", "the name");
    std::string text;
    switch (ReadChartResourceText(lpszName, "DEDIZED_TEMPLATE", text)) {
    case chartResourceRead:
        break;
    case chartResourceUnlocked:
        AfxMessageBox(IDS_CHART_TEMPLATE_LOCK, MB_ICONSTOP);
        return;
    case chartResourceMissing:
        if (!ReadChartFileText(lpszName, text)) {
            AfxMessageBox(IDS_CHART_TEMPLATE_UNREADABLE, MB_ICONSTOP);
            return;
        }
        break;
    }
    ReadTemplateText(text.data(), text.size());
}

void DEDized::ReadTemplateText(const char* pText, size_t nSize)
{
    ChartTemplateLines lines(pText, nSize);
    TemplateState state;
    std::string line;
    while (lines.Next(line)) {
        if (ChartTemplateIsSkipped(line))
            continue;
        try {
            ReadTemplateLine(*this, line, state);
        } catch (DEDizedException* e) {
            const int nCode = e->m_nCode;
            if (nCode != templateErrorKeyword)
                e->Report();
            e->Delete();
            if (nCode == templateErrorKeyword)
                OnTemplateLineError(line.c_str());
            else
                ReportTemplateError(line.c_str());
            return;
        }
    }
}

void WriteChartTemplate(DEDized& rChart, CStdioFile& writer)
{
    CString header("//DEDized template output system V1.0");
    header += kChartTemplateLineEnd;
    header += kChartTemplateLineEnd;
    writer.WriteString(header);
    CObList* pComponents = rChart.GetComponentList();
    for (POSITION pos = pComponents->GetHeadPosition(); pos != nullptr;)
        static_cast<DEDizedComponent*>(pComponents->GetNext(pos))->WriteTemplate(writer);
    writer.WriteString("// End of template/n/n");
}
