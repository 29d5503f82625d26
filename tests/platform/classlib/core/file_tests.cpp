// Files on host paths: open failures and their causes, memory files, text lines, and the safe save
// that never harms the previous file.
#include "core/Core.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A fresh folder under /tmp, removed with its files at the end of the test.
class TempDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        char templ[] = "/tmp/ondrix-core-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        m_dir = templ;
    }
    void TearDown() override
    {
        for (const std::string& name : Names())
            unlink((m_dir + "/" + name).c_str());
        rmdir(m_dir.c_str());
    }
    std::string Path(const char* name) const { return m_dir + "/" + name; }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        if (DIR* d = opendir(m_dir.c_str())) {
            while (dirent* e = readdir(d))
                if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                    names.push_back(e->d_name);
            closedir(d);
        }
        return names;
    }
    static void Put(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Get(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::string m_dir;
};

using Files = TempDir;

} // namespace

TEST_F(Files, OpenFailuresReportTheirCause)
{
    Put(Path("exists"), "x");
    struct Case {
        std::string path;
        uint32_t flags;
        int cause;
    };
    const Case cases[] = {
        {Path("missing"), CFile::modeRead, CFileException::fileNotFound},
        {Path("nofolder/file"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath},
        {Path("nofolder/file"), CFile::modeRead, CFileException::badPath},
        {Path("exists/below"), CFile::modeRead, CFileException::badPath},
        {m_dir, CFile::modeRead, CFileException::accessDenied},
        {"", CFile::modeRead, CFileException::badPath},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.path.c_str(), c.flags, &error));
        EXPECT_EQ(error.m_cause, c.cause);
        EXPECT_EQ(std::string(error.m_strFileName), c.path);
        EXPECT_FALSE(file.IsOpen());
    }
    // the constructor throws what Open would have filled
    try {
        CFile file(Path("missing").c_str(), CFile::modeRead);
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        EXPECT_NE(e->GetErrorText().Find("missing"), -1);
        e->Delete();
    }
    // contradictory flags are a programming error
    CFile file;
    try {
        file.Open(Path("x").c_str(), CFile::modeWrite | CFile::modeReadWrite);
        ADD_FAILURE() << "no exception";
    } catch (CInvalidArgException* e) {
        EXPECT_NE(e->m_strDetail.Find("0x3"), -1);
        e->Delete();
    }
}

TEST_F(Files, ReadWriteSeekAndNoTruncate)
{
    {
        CFile file(Path("f").c_str(), CFile::modeCreate | CFile::modeReadWrite);
        file.Write("hello world", 11);
        EXPECT_EQ(file.GetLength(), 11u);
        EXPECT_EQ(file.Seek(-5, CFile::end), 6u);
        char buf[16] = {};
        EXPECT_EQ(file.Read(buf, sizeof buf), 5u);
        EXPECT_STREQ(buf, "world");
        file.SeekToBegin();
        file.Write("J", 1);
        EXPECT_EQ(file.GetPosition(), 1u);
        EXPECT_EQ(file.SeekToEnd(), 11u);
        try {
            file.Seek(-1, CFile::begin);
            ADD_FAILURE() << "no exception";
        } catch (CFileException* e) {
            EXPECT_EQ(e->m_cause, CFileException::badSeek);
            e->Delete();
        }
        file.Close();
    }
    EXPECT_EQ(Get(Path("f")), "Jello world");
    {
        CFile file(Path("f").c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(file.GetLength(), 11u);
    }
    {
        CFile file(Path("f").c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(file.GetLength(), 0u);
        EXPECT_EQ(std::string(file.GetFilePath()), Path("f"));
    }
}

TEST(MemFile, GrowsSeeksAndHandsOverItsMemory)
{
    CMemFile file(16);
    file.Write("abc", 3);
    file.Seek(10, CFile::begin);
    file.Write("z", 1);  // the gap reads as zeros
    EXPECT_EQ(file.GetLength(), 11u);
    char buf[12] = {};
    file.SeekToBegin();
    EXPECT_EQ(file.Read(buf, 12), 11u);
    EXPECT_EQ(std::string(buf, 11), std::string("abc\0\0\0\0\0\0\0z", 11));
    std::string big(5000, 'q');
    file.Write(big.data(), uint32_t(big.size()));
    EXPECT_EQ(file.GetLength(), 5011u);
    uint8_t* block = file.Detach();
    EXPECT_EQ(file.GetLength(), 0u);
    EXPECT_EQ(block[4999 + 11], 'q');
    free(block);

    // an attached buffer without growth is the file's whole contents and cannot grow
    uint8_t fixed[4] = {1, 2, 3, 4};
    CMemFile attached(fixed, sizeof fixed);
    EXPECT_EQ(attached.GetLength(), 4u);
    attached.Seek(0, CFile::end);
    try {
        attached.Write("x", 1);
        ADD_FAILURE() << "no exception";
    } catch (CMemoryException* e) {
        e->Delete();
    }
    EXPECT_EQ(attached.Detach(), fixed);

    // an attached malloc block with growth starts empty and may move
    uint8_t* own = static_cast<uint8_t*>(malloc(4));
    CMemFile growing(own, 4, 8);
    EXPECT_EQ(growing.GetLength(), 0u);
    growing.Write(big.data(), 100);
    uint8_t* moved = growing.Detach();
    EXPECT_EQ(moved[99], 'q');
    free(moved);
}

TEST_F(Files, StdioLinesAcceptLfAndCrLf)
{
    Put(Path("t"), "one\r\ntwo\n\nthree\r\nlast");
    CStdioFile file(Path("t").c_str(), CFile::modeRead | CFile::typeText);
    CString line;
    std::vector<std::string> lines;
    while (file.ReadString(line))
        lines.push_back(std::string(line));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "three", "last"}));
    file.SeekToBegin();
    char buf[8];
    ASSERT_NE(file.ReadString(buf, sizeof buf), nullptr);
    EXPECT_STREQ(buf, "one\n");  // the buffer form keeps the line end, as LF
    file.Close();

    CStdioFile out(Path("w").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    out.WriteString("a\nb\n");
    out.WriteString("c");
    out.Close();
    EXPECT_EQ(Get(Path("w")), "a\nb\nc");
}

TEST_F(Files, SafeSaveReplacesOnlyOnCommit)
{
    const std::string target = Path("project.zex");
    Put(target, "old contents");
    chmod(target.c_str(), 0640);

    // not committed: destroyed, closed or aborted, the old file stays and no temporary is left
    for (int how = 0; how < 3; ++how) {
        SCOPED_TRACE(how);
        CSafeFile file;
        ASSERT_TRUE(file.Open(target.c_str(), CFile::modeCreate | CFile::modeWrite));
        file.WriteString("new contents");
        EXPECT_EQ(Names().size(), 2u);
        if (how == 1)
            file.Close();
        else if (how == 2)
            file.Abort();
    }
    EXPECT_EQ(Get(target), "old contents");
    EXPECT_EQ(Names(), (std::vector<std::string>{"project.zex"}));

    // a writer that throws half way leaves the old file whole
    try {
        CSafeFile file;
        file.Open(target.c_str());
        CArchive ar(&file, CArchive::store);
        ar << CString("partial");
        AfxThrowUserException();
    } catch (CUserException* e) {
        e->Delete();
    }
    EXPECT_EQ(Get(target), "old contents");
    EXPECT_EQ(Names().size(), 1u);

    // committed: the new contents replace the old ones, with the old permissions
    {
        CSafeFile file;
        ASSERT_TRUE(file.Open(target.c_str()));
        EXPECT_EQ(std::string(file.GetFilePath()), target);
        CArchive ar(&file, CArchive::store);
        ar << CString("new");
        ar.Close();
        file.Commit();
    }
    EXPECT_EQ(Get(target), std::string("\x03new", 4));
    struct stat st;
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(Names().size(), 1u);

    // a new file in a folder that does not exist cannot be started
    CSafeFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(Path("nofolder/x").c_str(), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
}

// A file that may not be written is not replaced, although renaming over it would succeed (the
// folder is writable, and the tests may run as root); a symbolic link leads to the file it points to,
// which is replaced or refused as that file is, and the link stays.
TEST_F(Files, SafeSaveRefusesATargetThatMayNotBeWrittenAndFollowsLinks)
{
    const std::string locked = Path("locked.zex");
    const std::string open = Path("open.zex");
    Put(locked, "locked contents");
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    Put(open, "old contents");
    ASSERT_EQ(chmod(open.c_str(), 0640), 0);
    ASSERT_EQ(symlink("locked.zex", Path("to-locked.zex").c_str()), 0);
    ASSERT_EQ(symlink("open.zex", Path("to-open.zex").c_str()), 0);

    for (const std::string& path : {locked, Path("to-locked.zex")}) {
        SCOPED_TRACE(path);
        CSafeFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite, &error));
        EXPECT_EQ(error.m_cause, CFileException::accessDenied);
        EXPECT_EQ(std::string(error.m_strFileName), path);
        EXPECT_FALSE(file.IsOpen());
    }
    struct stat st;
    ASSERT_EQ(stat(locked.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_EQ(Get(locked), "locked contents");
    EXPECT_EQ(Names().size(), 4u);

    {
        CSafeFile file;
        ASSERT_TRUE(file.Open(Path("to-open.zex").c_str()));
        file.WriteString("new contents");
        file.Commit();
    }
    EXPECT_EQ(Get(open), "new contents");
    ASSERT_EQ(lstat(Path("to-open.zex").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(stat(open.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(Names().size(), 4u);
}

// A symbolic link to a name where no file is yet (directly, through another link, or by an absolute
// path) leads the save to create that file, and the link stays a link to it; a link into a folder
// that does not exist, or a chain of links that loops, fails Open and leaves the links as they were.
TEST_F(Files, SafeSaveOverALinkToNoFileCreatesTheFileItNames)
{
    ASSERT_EQ(symlink("new.zex", Path("dangling.zex").c_str()), 0);
    ASSERT_EQ(symlink("dangling.zex", Path("chain.zex").c_str()), 0);
    ASSERT_EQ(symlink(Path("absolute.zex").c_str(), Path("to-absolute.zex").c_str()), 0);
    const struct {
        const char* link;
        const char* created;
    } saves[] = {{"dangling.zex", "new.zex"}, {"chain.zex", "new.zex"}, {"to-absolute.zex", "absolute.zex"}};
    for (const auto& save : saves) {
        SCOPED_TRACE(save.link);
        unlink(Path(save.created).c_str());
        {
            CSafeFile file;
            ASSERT_TRUE(file.Open(Path(save.link).c_str()));
            file.WriteString(save.link);
            file.Commit();
        }
        struct stat st;
        ASSERT_EQ(lstat(Path(save.link).c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
        ASSERT_EQ(lstat(Path(save.created).c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(Get(Path(save.link)), save.link);
    }

    ASSERT_EQ(symlink("nofolder/x.zex", Path("into-nowhere.zex").c_str()), 0);
    ASSERT_EQ(symlink("loop-b.zex", Path("loop-a.zex").c_str()), 0);
    ASSERT_EQ(symlink("loop-a.zex", Path("loop-b.zex").c_str()), 0);
    const size_t names = Names().size();
    for (const char* link : {"into-nowhere.zex", "loop-a.zex"}) {
        SCOPED_TRACE(link);
        CSafeFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(Path(link).c_str(), CFile::modeCreate | CFile::modeWrite, &error));
        EXPECT_EQ(error.m_cause, CFileException::badPath);
        struct stat st;
        ASSERT_EQ(lstat(Path(link).c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
    }
    EXPECT_EQ(Names().size(), names);
}
