// Helpers of the chart wizard tests: a fixture that shows a wizard on a chart under the fake services,
// and builders of small charts. Include "wine_gtest.h" first.
#pragma once

// the standard headers before windows.h, which defines min and max as macros
#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "FakeServices.h"
#include "ScratchFile.h"
#include "TestSupport.h"

#include <windows.h>

#include "chart/engine/DEDized.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/components/DEDizedTitle.h"
#include "chart/engine/display/DEDizedDisplay.h"
#include "chart/views/dialogs/ChartWizardResource.h"
#include "chart/views/dialogs/SRGWizSheet.h"
#include "chart/views/dialogs/SRGWizView.h"

// The fake services, the application and a chart; the hint counter and the drawing guard start anew
// for each test, and a wizard left open is closed.
class WizardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows a wizard on the fixture's chart: its window is made, its OnInitDialog ran.
    SRGWizSheet& Open(BOOL bKeepData = TRUE, int nWidth = 0, int nHeight = 0);
    // Sends command nID to the sheet as its button would.
    void Click(int nID);
    // The text of a control of the sheet (empty without one).
    std::string Text(int nID);
    // Whether control nID of pWnd is visible.
    static bool Visible(CWnd& rWnd, int nID);
    std::string Caption();

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    DEDized chart;
    std::unique_ptr<SRGWizSheet> pSheet;
};

// Components added to a chart (which owns them), each with its name and rectangle in pixels.
DEDizedBackground* AddBackground(DEDized& rChart, const char* lpszName, const RECT& rect);
DEDizedDisplay* AddDisplay(DEDized& rChart, const char* lpszName, const RECT& rect, int nGraphType = GT_LINE);
DEDizedTitle* AddTitle(DEDized& rChart, const char* lpszName, const RECT& rect);
DEDizedLegend* AddLegend(DEDized& rChart, const char* lpszName, const RECT& rect);
// nGroups groups of nItems values each: value = group * 100 + item.
void FillValues(DEDized& rChart, int nGroups, int nItems);
// The chart's components' names, in drawing order (ComponentClasses gives their classes).
std::vector<std::string> ComponentNames(DEDized& rChart);
// The entries of a combo box / list box.
std::vector<std::string> ComboEntries(CWnd& rParent, int nID);
std::vector<std::string> ListEntries(CWnd& rParent, int nID);
// The bytes of a chart's archive.
std::vector<BYTE> ArchiveBytes(DEDized& rChart);
