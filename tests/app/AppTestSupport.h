// Helpers of the application's tests: the settings key of the program the tests run under
// (HKCU\Software\Havrel\<executable name>), read and cleared directly in the registry; the
// application with stand-ins for its panes; a folder of project files.
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

// The application with stand-ins for its three panes, which do not exist yet: the alternatives and
// criteria lists and the reference tree as the project fills them (the tree also as a test sets it);
// the focus cycle's requests are recorded.
class CPanesApp : public CZQApp {
public:
    struct Item {
        CString name;
        bool selected;
    };

    void ResetProject() override;
    void DeleteAllAlternativeItems() override { alternatives.clear(); }
    void InsertAlternativeItem(const CString& name) override { alternatives.push_back({name, false}); }
    int GetAlternativeItemCount() override { return int(alternatives.size()); }
    CString GetAlternativeItemText(int item) override { return alternatives.at(size_t(item)).name; }
    void SetAlternativeItemSelected(int item, bool selected) override { alternatives.at(size_t(item)).selected = selected; }
    void DeleteAllCriterionItems() override { criteria.clear(); }
    void InsertCriterionItem(const CString& name, const CString&) override { criteria.push_back(name); }
    int GetCriterionItemCount() override { return int(criteria.size()); }
    // The selected alternatives join rank node `rank`, made with the nodes before it when missing;
    // the credibility choice goes and the project is modified, as the reference pane does.
    void AddSelectedToRank(int rank) override;
    std::vector<CZQRankNode> GetReferenceTree() override { return tree; }
    CWnd* GetFocusCycleControl(int nPosition) override
    {
        focusRequests.push_back(nPosition);
        return CZQApp::GetFocusCycleControl(nPosition);
    }

    std::vector<Item> alternatives;
    std::vector<CString> criteria;
    std::vector<CZQRankNode> tree;
    std::vector<int> focusRequests; // the places of the focus cycle asked for, in order
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

// The window's rectangle on the screen.
CRect WindowRect(HWND hWnd);
// The work area's rectangle (the screen less task bars).
CRect WorkArea();
