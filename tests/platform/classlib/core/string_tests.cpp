// CString: the clamping rules of its substring members, byte-exact comparison, the buffer protocol, and
// Format / number parsing independent of the user's locale.
#include "core/Core.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cstdio>
#include <string>

namespace {

std::string S(const CString& s)
{
    return std::string(s.GetString(), size_t(s.GetLength()));
}

template <class... Args>
std::string Fmt(const char* format, const Args&... args)
{
    CString s;
    s.Format(format, args...);
    return S(s);
}

// A row of a table of formats: the format, which names the row, and what it gave.
struct FormatRow {
    std::string format;
    std::string text;
};

template <class... Args>
FormatRow Row(const char* format, const Args&... args)
{
    return FormatRow{format, Fmt(format, args...)};
}

} // namespace

TEST(CStringEdit, SubstringsClampToTheString)
{
    const CString s = "abcdef";
    EXPECT_EQ(S(s.Left(2)), "ab");
    EXPECT_EQ(S(s.Left(-1)), "");
    EXPECT_EQ(S(s.Left(99)), "abcdef");
    EXPECT_EQ(S(s.Right(2)), "ef");
    EXPECT_EQ(S(s.Right(99)), "abcdef");
    EXPECT_EQ(S(s.Mid(2)), "cdef");
    EXPECT_EQ(S(s.Mid(2, 3)), "cde");
    EXPECT_EQ(S(s.Mid(4, 9)), "ef");
    EXPECT_EQ(S(s.Mid(-3, 2)), "ab");
    EXPECT_EQ(S(s.Mid(7, 1)), "");

    CString t = "abc";
    EXPECT_EQ(t.Insert(1, "XY"), 5);
    EXPECT_EQ(t.Insert(99, '!'), 6);
    EXPECT_EQ(S(t), "aXYbc!");
    EXPECT_EQ(t.Delete(1, 2), 4);
    EXPECT_EQ(t.Delete(3, 50), 3);
    EXPECT_EQ(S(t), "abc");
}

TEST(CStringEdit, FindAndReplace)
{
    const CString s = "a.b.c";
    EXPECT_EQ(s.Find('.'), 1);
    EXPECT_EQ(s.Find('.', 2), 3);
    EXPECT_EQ(s.Find('.', 5), -1);
    EXPECT_EQ(s.Find('.', -1), -1);
    EXPECT_EQ(s.Find("b.c"), 2);
    EXPECT_EQ(s.Find(""), 0);
    EXPECT_EQ(s.Find("x"), -1);
    EXPECT_EQ(s.ReverseFind('.'), 3);
    EXPECT_EQ(s.ReverseFind('x'), -1);
    EXPECT_EQ(s.FindOneOf("xc."), 1);
    EXPECT_EQ(s.FindOneOf(""), -1);

    CString r = "aaa";
    EXPECT_EQ(r.Replace("aa", "b"), 1);  // left to right, no overlap
    EXPECT_EQ(S(r), "ba");
    CString own = "xyx";
    EXPECT_EQ(own.Replace("x", own), 2);  // the replacement may be the string itself
    EXPECT_EQ(S(own), "xyxyxyx");
    EXPECT_EQ(own.Replace('y', 'z'), 3);
    EXPECT_EQ(own.Replace("", "q"), 0);
}

TEST(CStringEdit, CaseAndTrimKnowAsciiOnly)
{
    CString s = "\t Zurich \xC9t\xE9 \r\n";
    s.Trim();
    EXPECT_EQ(S(s), "Zurich \xC9t\xE9");
    s.MakeUpper();
    EXPECT_EQ(S(s), "ZURICH \xC9T\xE9");  // 0xE9 is not a letter to ASCII
    s.MakeLower();
    EXPECT_EQ(S(s), "zurich \xC9t\xE9");
    CString t = "xxhixy";
    t.TrimLeft('x');
    t.TrimRight("yx");
    EXPECT_EQ(S(t), "hi");
}

TEST(CStringCompare, ByteExactAndUnsigned)
{
    EXPECT_LT(CString("a").Compare("\xE9"), 0);  // 0xE9 sorts after 'a'
    EXPECT_EQ(CString("abc").Compare("abc"), 0);
    EXPECT_GT(CString("abcd").Compare("abc"), 0);
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
    EXPECT_LT(CString("_").CompareNoCase("A"), 0);  // letters fold to lower case
    EXPECT_NE(CString("\xC9").CompareNoCase("\xE9"), 0);

    const CString withZero("a\0b", 3);
    EXPECT_EQ(withZero.GetLength(), 3);
    EXPECT_FALSE(withZero == CString("a"));
    EXPECT_TRUE(withZero == CString("a\0b", 3));
    EXPECT_TRUE(CString() == nullptr);
    EXPECT_TRUE(CString("x") < "y");
    EXPECT_TRUE("y" > CString("x"));
}

TEST(CStringBuffer, GetBufferAndReleaseBuffer)
{
    CString s = "abc";
    char* p = s.GetBuffer(10);
    std::snprintf(p, 11, "%s", "0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(S(s), "0123456789");
    p = s.GetBuffer(0);
    p[2] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(S(s), "01");
    p = s.GetBufferSetLength(4);
    p[2] = 'x';
    p[3] = 'y';
    s.ReleaseBuffer(3);
    EXPECT_EQ(S(s), "01x");
}

TEST(CStringBuffer, OutOfRangeIndexesAreRefused)
{
    CString s = "ab";
    EXPECT_EQ(s[1], 'b');
    for (int index : {-1, 2}) {
        SCOPED_TRACE(index);
        try {
            s.SetAt(index, 'x');
            ADD_FAILURE() << "no exception";
        } catch (CInvalidArgException* e) {
            EXPECT_NE(e->m_strDetail.Find(index == 2 ? "index 2" : "index -1"), -1) << S(e->m_strDetail);
            e->Delete();
        }
    }
    try {
        s.ReleaseBuffer(3);
        ADD_FAILURE() << "no exception";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
}

TEST(CStringFormat, ConversionsOfTheProgram)
{
    const CString name = "crit";
    struct Case {
        FormatRow got;
        std::string want;
    };
    const Case cases[] = {
        {Row("%.13g", 0.1 + 0.2), "0.3"},
        {Row("%.13g", 1.0 / 3), "0.3333333333333"},
        {Row("%g", 2.5), "2.5"},
        {Row("%g", 3.14159265), "3.14159"},
        {Row("%g", 1e-7), "1e-07"},
        {Row("%f", 0.5), "0.500000"},
        {Row("%0.2f", 0.8123), "0.81"},
        {Row("%0.1f", 2.25), "2.2"},
        {Row("%e", 12345.678), "1.234568e+04"},
        {Row("%le|%lf", 2.0, 2.0), "2.000000e+00|2.000000"},
        {Row("%d|%u|%i", -5, 7u, 8), "-5|7|8"},
        {Row("%08x|%X", 0xBEEFu, 0xABCu), "0000beef|ABC"},
        {Row("%s=%s", name, "v"), "crit=v"},
        {Row(" %3d%%. ", 42), "  42%. "},
        {Row("%c%c", 'o', 'k'), "ok"},
        {Row("%-4s|%4s|%.2s", "ab", "cd", "xyz"), "ab  |  cd|xy"},
        {Row("%*d|%-*d|%.*f", 4, 1, 3, 2, 2, 3.14159), "   1|2  |3.14"},
        {Row("%5.1f%%", 99.44), " 99.4%"},
        {Row("%s", static_cast<const char*>(nullptr)), "(null)"},
        {Row("100%"), "100%"},
        {Row("%y", 1), "%y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.got.format);
        EXPECT_EQ(c.got.text, c.want);
    }
}

TEST(CStringFormat, LengthModifiersNameTheWidthNotTheArgumentType)
{
    // 'l' is 32 bits as in Win32: a C long (64 bits here) gives its low 32 bits
    const long big = 0x100000005L;
    EXPECT_EQ(Fmt("%ld|%lu|%lx", big, big, big), "5|5|5");
    EXPECT_EQ(Fmt("%ld", -1L), "-1");
    EXPECT_EQ(Fmt("%lu", 0xFFFFFFFFu), "4294967295");
    EXPECT_EQ(Fmt("%d", 0xFFFFFFFFu), "-1");
    EXPECT_EQ(Fmt("%hd|%hhu", 70000, 300), "4464|44");
    EXPECT_EQ(Fmt("%lld", -(int64_t(1) << 40)), "-1099511627776");
    // a pointer in stored text: its low 32 bits
    const void* p = reinterpret_cast<const void*>(uintptr_t(0x7F12345678ABull));
    EXPECT_EQ(Fmt("%08x", p), "345678ab");
    // numbers convert between integer and floating conversions; a wrong kind is marked
    EXPECT_EQ(Fmt("%g|%d", 3, 2.9), "3|2");
    EXPECT_EQ(Fmt("%s|%d", 5, "x"), "(?)|(?)");
    EXPECT_EQ(Fmt("%d %d", 1), "1 (?)");
}

TEST(NumberText, AtoiStopsAtTheFirstNonDigitAndHoldsToTheIntRange)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"12", 12}, {" -7x", -7}, {"+3", 3}, {"2.9", 2}, {"", 0}, {"abc", 0}, {nullptr, 0},
        {"2147483647", INT_MAX}, {"99999999999999999999", INT_MAX}, {"-99999999999", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AfxAtoi(c.text), c.value) << (c.text ? c.text : "(null)");
}

TEST(CStringFormat, IndependentOfTheUserLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale is not installed";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%g", 2.5);
    EXPECT_STREQ(probe, "2,5");  // the locale really uses a decimal comma

    EXPECT_EQ(Fmt("%g", 2.5), "2.5");
    EXPECT_EQ(Fmt("%.13g|%0.3f|%e", 1234.5, 0.25, 0.5), "1234.5|0.250|5.000000e-01");
    EXPECT_EQ(AfxAtof("2.5"), 2.5);
    const char* end = nullptr;
    EXPECT_EQ(AfxStrToDouble(" -1.25e2xyz", &end), -125.0);
    EXPECT_STREQ(end, "xyz");
    EXPECT_EQ(AfxAtof("2,5"), 2.0);  // a comma ends the number in the C locale
    EXPECT_EQ(AfxAtof("abc"), 0.0);
    EXPECT_EQ(AfxAtof(nullptr), 0.0);
    {
        CNumericLocaleScope scope;
        double d = 0;
        EXPECT_EQ(std::sscanf("3.75", "%lf", &d), 1);
        EXPECT_EQ(d, 3.75);
    }
    std::snprintf(probe, sizeof probe, "%g", 2.5);
    EXPECT_STREQ(probe, "2,5");  // the scope gave the thread its locale back

    std::setlocale(LC_NUMERIC, before.c_str());
}
