// Names of files outside plain ASCII on the Win32 side: the chosen name is the name read or written,
// whatever the ANSI code page; a name that cannot be held is refused and nothing is written.
#include "FakeServices.h"

#include "TestSupport.h"

#include <string>
#include <vector>

namespace {

// The wide text of UTF-8 text.
std::vector<WCHAR> Wide(const std::string& text)
{
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(n), 0);
    ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), n);
    return wide;
}

// The names in the folder (Windows path text ending with a backslash), as the system lists them, in UTF-8.
std::vector<std::string> NamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found = {};
    const HANDLE hFind = ::FindFirstFileW(Wide(folder + "*").data(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do {
        char name[MAX_PATH * 4] = {};
        ::WideCharToMultiByte(CP_UTF8, 0, found.cFileName, -1, name, sizeof name, nullptr, nullptr);
        if (std::string(name) != "." && std::string(name) != "..")
            names.push_back(name);
    } while (::FindNextFileW(hFind, &found));
    ::FindClose(hFind);
    return names;
}

// A folder of its own on the prefix's drive, emptied before and after each test.
class FileNames : public ::testing::Test {
protected:
    const std::string folder = "C:\\ondrix file names\\";
    void SetUp() override
    {
        Empty();
        ::CreateDirectoryW(Wide(folder).data(), nullptr);
    }
    void TearDown() override
    {
        Empty();
        ::RemoveDirectoryW(Wide(folder).data());
    }
    void Empty()
    {
        for (const std::string& name : NamesIn(folder))
            ::DeleteFileW(Wide(folder + name).data());
    }
};

const char* const kPolishNames[] = {
    "Łódź żółw ęą.zex",
    "żółw.zex",
    "ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż.csv",
    "zażółć gęślą jaźń.zek",
};

TEST_F(FileNames, PolishNamesAreWrittenReadAndListedUnderTheirOwnName)
{
    for (const char* pszName : kPolishNames) {
        SCOPED_TRACE(pszName);
        const std::string path = folder + pszName;
        CString hostPath;
        ASSERT_TRUE(AfxGetHostPath(path.c_str(), hostPath));
        const std::string host = hostPath.GetString();
        EXPECT_EQ(host.substr(host.size() - strlen(pszName) - 1), std::string("/") + pszName)
            << "the host file takes the name as it was chosen";

        // written by the core's safe save, read back by the core and by the system under that name
        CSafeFile save;
        ASSERT_TRUE(save.Open(hostPath));
        save.WriteString(pszName);
        save.Commit();
        CFile file(hostPath, CFile::modeRead);
        EXPECT_STREQ(file.GetFilePath(), hostPath);
        char text[128] = {};
        file.Read(text, sizeof text - 1);
        EXPECT_STREQ(text, pszName);
        file.Close();
        const HANDLE hFile = ::CreateFileW(Wide(path).data(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                           nullptr);
        EXPECT_NE(hFile, INVALID_HANDLE_VALUE) << "the system opens the file by the chosen name";
        if (hFile != INVALID_HANDLE_VALUE)
            ::CloseHandle(hFile);
        EXPECT_EQ(NamesIn(folder), std::vector<std::string>{pszName});
        Empty();
    }
}

TEST_F(FileNames, NameThatIsNotPathTextIsRefusedAndNothingIsWritten)
{
    // the Windows-1250 bytes of "Łódź.zex": 8-bit text of a code page, not a name's UTF-8
    const std::string codePageName = folder + "\xA3\xF3" "d\x9F.zex";
    CString hostPath = "stale";
    EXPECT_FALSE(AfxGetHostPath(codePageName.c_str(), hostPath));
    EXPECT_TRUE(hostPath.IsEmpty());
    std::vector<WCHAR> wide = {L'x'};
    EXPECT_FALSE(AfxPathToWide(codePageName.c_str(), wide));
    EXPECT_TRUE(wide.empty());
    EXPECT_TRUE(NamesIn(folder).empty());

    // half of a surrogate pair has no UTF-8 form
    const std::vector<WCHAR> halfPair = {L'a', WCHAR(0xD800), L'.', L'z', 0};
    CString path = "stale";
    EXPECT_FALSE(AfxPathFromWide(halfPair.data(), path));
    EXPECT_TRUE(path.IsEmpty());
}

TEST_F(FileNames, CodePageFormOfAPathIsRefusedWhenItWouldNameAnotherFile)
{
    CString ansi;
    // every code page holds ASCII; no ANSI code page of Wine holds Cyrillic and Polish letters together
    EXPECT_TRUE(AfxPathToCodePage("C:\\plain\\name.prn", ansi));
    EXPECT_STREQ(ansi, "C:\\plain\\name.prn");
    EXPECT_FALSE(AfxPathToCodePage("C:\\Łódź Жук.prn", ansi));
    EXPECT_TRUE(ansi.IsEmpty());
    // what 8-bit system functions give comes back as path text
    EXPECT_STREQ(AfxPathFromCodePage("C:\\plain"), "C:\\plain");
}

class FileNameDialogs : public FileNames {
protected:
    CWinApp app{"Ondrix"};
    CFakeServices fake;
};

TEST_F(FileNameDialogs, ChosenPolishNameIsTheDialogsPathAndItsInitialName)
{
    CFileDialog save(FALSE, "zex", "żółw", 0, "Projekt (*.zex)|*.zex||");
    fake.ExpectFileDialog(IDOK, "Z:\\tmp\\Łódź żółw ęą");
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(fake.Calls().back().text, "żółw") << "the name field starts with every letter";
    EXPECT_STREQ(save.GetPathName(), "Z:\\tmp\\Łódź żółw ęą.zex");
    EXPECT_STREQ(save.GetFileExt(), "zex");
}

TEST_F(FileNameDialogs, ChosenNameThatCannotBeHeldIsRefusedBeforeAnythingIsWritten)
{
    CFileDialog save(FALSE, "zex", "untitled", 0, "Projekt (*.zex)|*.zex||");
    std::vector<WCHAR> chosen = Wide(folder + "a");
    chosen.insert(chosen.end() - 1, WCHAR(0xDC01));
    fake.ExpectFileDialogWide(IDOK, chosen);
    fake.ExpectMessageBox(IDOK, "cannot be kept");
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    EXPECT_STREQ(save.GetPathName(), "untitled") << "the name field starts over";
    EXPECT_TRUE(NamesIn(folder).empty());

    // an initial name that is not path text is the caller's fault
    ExpectInvalidArg([] { CFileDialog dialog(FALSE, "zex", "\xA3\xF3" "d\x9F"); }, "is not UTF-8 path text");
}

} // namespace
