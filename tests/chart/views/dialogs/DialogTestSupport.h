// Helpers of the chart dialog tests: a fixture with the fake services and a chart, the edit dialog run
// under a script, the tree as lines of text, and clicks on its items. Include "wine_gtest.h" first.
#pragma once

// the standard headers before windows.h, which defines min and max as macros
#include <functional>
#include <string>
#include <vector>

#include "FakeServices.h"
#include "ScratchFile.h"
#include "TestSupport.h"

#include <windows.h>

#include "chart/engine/DEDized.h"
#include "chart/views/dialogs/ChartDialogResource.h"
#include "chart/views/dialogs/DEDizedEditDialog.h"

class DEDizedBackground;

// The fake services, the application and an empty chart; the drawing guard is cleared around each
// test.
class ChartDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs rDialog (its chart set to the fixture's chart unless it has one) under the fake: the script
    // acts on the live dialog, which is then closed with OK unless the script closed it.
    void RunEditDialog(const std::function<void(DEDizedEditDialog&)>& script, DEDizedEditDialog* pDialog = nullptr);

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    DEDized chart;
};

// The tree of the dialog, one line per item in display order: two blanks per level, then the item's
// images "[normal/selected]" and its text.
std::vector<std::string> TreeLines(DEDizedEditDialog& rDialog);
// The first item (in display order) whose text is lpszText; null when none has it.
HTREEITEM FindTreeItem(DEDizedEditDialog& rDialog, const char* lpszText);
// The n-th component item (in the folder's order).
HTREEITEM ComponentItem(DEDizedEditDialog& rDialog, int n);
// Presses (and releases) the left or right button on the item's text, as the user would.
void ClickItem(DEDizedEditDialog& rDialog, HTREEITEM hItem, bool bRight = false);
// A click on the item, then the double click.
void DoubleClickItem(DEDizedEditDialog& rDialog, HTREEITEM hItem);
// Sends command nID to the dialog, as a menu or button would.
void SendCommand(CWnd& rWnd, UINT nID);

// Adds a background over rect (pixels) filled with crFill; returns it (the chart owns it).
DEDizedBackground* AddBackground(DEDized& chart, const RECT& rect, COLORREF crFill);
// The chart's components' run-time class names, in list order.
std::vector<std::string> ComponentClasses(DEDized& chart);
// The text of a file (empty when it cannot be read).
std::string FileText(const std::string& path);
