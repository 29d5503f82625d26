// Helpers of the application's tests: the settings key of the program the tests run under
// (HKCU\Software\Havrel\<executable name>), read and cleared directly in the registry; the started
// application; a folder of project files.
#pragma once

#include "FakeServices.h"

#include <string>
#include <vector>

#include "app/ZQApp.h"

// Deletes the application's whole key (settings and recent files), so that a test starts as a
// first run.
void RemoveAppSettings();
// Writes the integer or string value `name` into the key's "Settings" section.
void WriteSettingInt(const char* name, int value);
void WriteSettingString(const char* name, const char* value);
// The names of the values of the "Settings" section (in the registry's order).
std::vector<std::string> SettingNames();
// The integer value `name` of "Settings"; nMissing when it is absent or not an integer.
int SettingInt(const char* name, int nMissing = -12345);
// The string value `name` of "Settings"; "<missing>" when absent or not a string.
std::string SettingString(const char* name);

// The start and the end of an application test: the settings key removed before and after, the
// splash switched off unless a test switches it on; at the end the main window of app destroyed.
void BeginAppTest();
void EndAppTest(CWinApp& app);

// Answers the grid's reads of the clock (double clicks, tips) and of the modifier keys through fake:
// tick 0, every modifier up. A grid window of the application (the evaluations grid, the comparison
// matrix a solve opens) makes them.
void AnswerGridInput(CFakeServices& fake);

// Runs pView's Print (57607, the dialog answered with printer), Print without the dialog (57608, on
// printer as the default one) and Print Preview (57609, then closed) and checks that each reached the
// print loop or the preview: two printer jobs of one page each, and the preview in the main window
// until closed. The first job's page is fake.PrinterDCs()[0].
void PrintDirectAndPreview(CFakeServices& fake, CWnd* pMainWnd, CWnd* pView, const FakePrinter& printer);

// A first-run application of class App (CZQApp or a test's own) for a test.
template <class App>
class AppFixtureOf : public ::testing::Test {
protected:
    void SetUp() override { BeginAppTest(); }
    void TearDown() override { EndAppTest(app); }

    App app;
};
typedef AppFixtureOf<CZQApp> AppFixture;

// A started first-run application (empty command line, main window shown without taking the focus
// from the other test programs on the display), closed at the end as the user closes it.
class StartedAppFixture : public AppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    char commandLine[1] = "";
};

// A folder of the test's own under the Windows temporary folder, removed with its files at the end.
class AppFolder {
public:
    AppFolder();
    ~AppFolder();
    AppFolder(const AppFolder&) = delete;
    AppFolder& operator=(const AppFolder&) = delete;

    // The folder's Windows path (no backslash at the end), and the path of the file `name` in it.
    const std::string& Path() const { return m_path; }
    std::string Path(const std::string& name) const { return m_path + "\\" + name; }
    // Copies tests/data/RELATIVE into the folder as `name`.
    void Copy(const std::string& relative, const std::string& name) const;
    // The bytes of the file `name`; "<none>" when there is none.
    std::string Read(const std::string& name) const;

private:
    std::string m_path;
};

// The bytes of text.
std::string Str(const CString& text);
// A project table as text, row by row: cells joined by '|', rows by '/' ("|size|w/A1|big|2.5").
std::string TableTexts(const ZQTable& table);

// A menu item's state: enabled and checked.
struct ItemState {
    bool enabled;
    bool checked;
    bool operator==(const ItemState& other) const { return enabled == other.enabled && checked == other.checked; }
};
std::ostream& operator<<(std::ostream& out, const ItemState& state);
// The main menu pMainWnd shows (its menu bar's, or its window's).
HMENU MainMenu(CWnd* pMainWnd);
// The state of item nID of the main menu of pMainWnd once its popup opened (the frame updates it
// then); a failure of the test when no popup holds the item.
ItemState MainMenuState(CWnd* pMainWnd, UINT nID);

// The window's rectangle on the screen.
CRect WindowRect(HWND hWnd);
// The width a report list column needs, as the list control itself fits a column to what it shows, for
// the heading texts[0] and the cell texts texts[1...] in the font of the list hWndList.
int ListNeededWidth(HWND hWndList, const std::vector<std::string>& texts);
// The work area's rectangle (the screen less task bars).
CRect WorkArea();
