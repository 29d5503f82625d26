// The portable core in a Win32 translation unit: its headers compile beside windows.h, the Win32
// integer types select the archive's fixed widths, and formatting and archives work under wine.
#include "wine_gtest.h"
#include <windows.h>

#include "core/Core.h"

#include <cstring>

TEST(CoreInWin32Unit, FormatTakesWin32Types)
{
    const DWORD dw = 0xDEADBEEF;
    const LONG l = -7;
    const WORD w = 513;
    const BOOL b = TRUE;
    const HWND hwnd = reinterpret_cast<HWND>(uintptr_t(0x7F0012345678ull));
    CString s;
    s.Format("%lu|%ld|%u|%d|%08x|%g", dw, l, w, b, hwnd, 2.5);
    EXPECT_STREQ(s, "3735928559|-7|513|1|12345678|2.5");
    // the test runs with LC_ALL=de_DE.UTF-8: numbers still use the decimal point
    EXPECT_EQ(AfxAtof("2.5"), 2.5);
}

TEST(CoreInWin32Unit, ArchiveRoundTripInMemory)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << BYTE(1) << WORD(2) << LONG(-3) << DWORD(4) << UINT(5) << INT(6) << FLOAT(7.5f) << DOUBLE(8.25);
        ar << CString("\xC0\xFF text");
        CDWordArray a;
        a.Add(0xFFFFFFFF);
        a.Serialize(ar);
        ar.Close();
    }
    EXPECT_EQ(file.GetLength(), 1u + 2 + 4 + 4 + 4 + 4 + 4 + 8 + 8 + 2 + 4);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    BYTE by;
    WORD w;
    LONG l;
    DWORD dw;
    UINT u;
    INT i;
    FLOAT f;
    DOUBLE d;
    CString s;
    CDWordArray a;
    ar >> by >> w >> l >> dw >> u >> i >> f >> d >> s;
    a.Serialize(ar);
    EXPECT_EQ(by, 1);
    EXPECT_EQ(w, 2);
    EXPECT_EQ(l, -3);
    EXPECT_EQ(dw, 4u);
    EXPECT_EQ(u, 5u);
    EXPECT_EQ(i, 6);
    EXPECT_EQ(f, 7.5f);
    EXPECT_EQ(d, 8.25);
    EXPECT_STREQ(s, "\xC0\xFF text");
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], 0xFFFFFFFFu);
}
