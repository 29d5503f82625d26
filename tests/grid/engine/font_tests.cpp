// CGXFont: the packed description, LOGFONT conversions, merging, the face table and the interned
// font data with its reference counts.
#include "wine_gtest.h"

#include "grid/engine/GXFont.h"
#include "grid/engine/GXState.h"

#include "Throws.h"

#include <cstring>

namespace {

GXFontState& FontState()
{
    return GXGetLibraryState()->m_fontState;
}

int Dpi()
{
    return FontState().GetDpiY();
}

}  // namespace

TEST(Font, DefaultIsAllUnsetAndGivesAZeroLogFont)
{
    CGXFont font;
    EXPECT_EQ(font.GetDescription() & 0xFFFFFFFFu, 0x3FE000F0u);
    EXPECT_EQ(font.GetDescription() >> 32, 1023u);
    EXPECT_FALSE(font.GetIncludeWeight() || font.GetIncludeSize() || font.GetIncludeFaceName() ||
                 font.GetIncludeOrientation() || font.GetIncludeItalic());
    LOGFONTA zero = {};
    EXPECT_EQ(std::memcmp(&font.GetLogFontRef(), &zero, sizeof zero), 0);
}

TEST(Font, SizesAndOrientationsArePacked)
{
    struct SizeCase {
        double points;
        UINT quarters;
    } sizes[] = {{8, 32}, {8.3, 33}, {10.25, 41}, {255.75, 1023}, {300, 1023}, {1e30, 1023}};
    for (const SizeCase& c : sizes) {
        SCOPED_TRACE(c.points);
        EXPECT_EQ(CGXFont().SetSize(c.points).GetSize(), c.quarters);
    }
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { CGXFont().SetSize(-1); }));

    struct OrientCase {
        LONG tenths;
        UINT degrees;
    } orients[] = {{-10, 359}, {450, 45}, {3600, 0}, {-3600, 0}, {7205, 0}, {3599, 359}};
    for (const OrientCase& c : orients) {
        SCOPED_TRACE(c.tenths);
        EXPECT_EQ(CGXFont().SetOrientation(c.tenths).GetOrientation(), c.degrees);
    }
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { CGXFont().SetWeight(1500); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { CGXFont().SetFaceNameIndex(1024); }));
}

TEST(Font, LogFontFromTheDescription)
{
    CGXFont font;
    font.SetSize(10).SetWeight(700).SetItalic(TRUE).SetOrientation(900).SetFaceName("Arial");
    const LOGFONTA& lf = font.GetLogFontRef();
    EXPECT_EQ(lf.lfHeight, -MulDiv(40, Dpi(), 288));
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfUnderline, 0);
    EXPECT_EQ(lf.lfOrientation, 900);
    EXPECT_EQ(lf.lfEscapement, 900);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfPitchAndFamily & 4, 4);  // rotated text asks for an outline font
    LOGFONTA zoomed;
    font.GetZoomedLogFont(zoomed, 200);
    EXPECT_EQ(zoomed.lfHeight, lf.lfHeight * 2);
}

TEST(Font, SetLogFontAndSetDefault)
{
    LOGFONTA lf = {};
    lf.lfHeight = -22;
    lf.lfWeight = 700;
    lf.lfUnderline = 1;
    lstrcpyA(lf.lfFaceName, "Arial");
    CGXFont font;
    font.SetLogFont(lf);
    EXPECT_EQ(font.GetSize(), UINT(MulDiv(22, 288, Dpi())));
    EXPECT_EQ(font.WeightToFontWeight(), 700);
    EXPECT_TRUE(font.GetIncludeUnderline() && font.GetUnderline());
    EXPECT_TRUE(font.GetIncludeItalic() && !font.GetItalic());
    EXPECT_EQ(font.GetFaceName(), "Arial");
    EXPECT_EQ(font.GetFaceNameIndex(), 0u) << "Arial takes the first face index";

    lf.lfHeight = -100000;  // sizes are limited to 1023 quarter points
    EXPECT_EQ(CGXFont().SetLogFont(lf).GetSize(), 1023u);

    CGXFont def;
    def.SetDefault();
    const LOGFONTA& d = def.GetLogFontRef();
    EXPECT_EQ(d.lfHeight, -MulDiv(MulDiv(11, 288, Dpi()), Dpi(), 288));
    EXPECT_EQ(d.lfWeight, 400);
    EXPECT_STREQ(d.lfFaceName, "Arial");
}

TEST(Font, LongFaceAndScriptNamesAreCutToTheirField)
{
    char face[40];
    std::memset(face, 'F', sizeof face);  // not terminated within LF_FACESIZE
    char script[40];
    std::memset(script, 'S', sizeof script);
    char name[GXFaceRecord::nNameSize + 8];
    std::memset(name, '#', sizeof name);
    GXFormatFaceName(name, GXFaceRecord::nNameSize, face, script);
    EXPECT_EQ(std::strlen(name), size_t(GXFaceRecord::nNameSize - 1));
    EXPECT_EQ(name[GXFaceRecord::nNameSize], '#');  // nothing written beyond the field
    EXPECT_EQ(std::string(name, 34), std::string(32, 'F') + " (");

    // a LOGFONT whose face fills the whole field, with a character set that adds a script name
    LOGFONTA lf = {};
    std::memset(lf.lfFaceName, 'G', LF_FACESIZE);
    lf.lfCharSet = EASTEUROPE_CHARSET;
    lf.lfHeight = -12;
    CGXFont font;
    font.SetLogFont(lf);
    EXPECT_TRUE(font.GetIncludeFaceName());
    EXPECT_EQ(std::strlen(font.GetLogFontRef().lfFaceName), size_t(LF_FACESIZE - 1));
    EXPECT_LT(font.GetFaceName().GetLength(), int(GXFaceRecord::nNameSize));
}

TEST(Font, FaceIndexes)
{
    EXPECT_EQ(FontState().FindFaceNameIndex("", 0, 0), 1023u);
    EXPECT_EQ(FontState().FindFaceNameIndex(nullptr, 0, 0), 1023u);
    const UINT n = FontState().FindFaceNameIndex("No Such Face At All", 0, DEFAULT_CHARSET);
    EXPECT_LT(n, 1023u);
    EXPECT_EQ(FontState().FindFaceNameIndex("No Such Face At All", 0, DEFAULT_CHARSET), n);
    EXPECT_STREQ(FontState().GetFaceRecord(n)->szName, "No Such Face At All");
    EXPECT_EQ(FontState().GetFaceRecord(1023), nullptr);
}

TEST(Font, MergeModesAndSubsets)
{
    CGXFont base;
    base.SetWeight(400).SetSize(8);
    CGXFont other;
    other.SetWeight(700).SetItalic(TRUE);

    CGXFont f0(base);
    f0.ChangeFont(other, 0);
    EXPECT_EQ(f0.WeightToFontWeight(), 700);
    EXPECT_TRUE(f0.GetItalic());
    EXPECT_EQ(f0.GetSize(), 32u);

    CGXFont f1(base);
    f1.ChangeFont(other, 1);
    EXPECT_EQ(f1.WeightToFontWeight(), 400);
    EXPECT_TRUE(f1.GetIncludeItalic());

    CGXFont f2(base);
    f2.ChangeFont(other, 2);
    EXPECT_EQ(f2.GetDescription(), other.GetDescription());

    CGXFont f3(f0);
    f3.ChangeFont(other, 3);
    EXPECT_FALSE(f3.GetIncludeWeight());
    EXPECT_FALSE(f3.GetIncludeItalic());
    EXPECT_EQ(f3.GetSize(), 32u);

    EXPECT_TRUE(f0.IsSubSet(other));
    EXPECT_FALSE(f1.IsSubSet(other));
    EXPECT_TRUE(f1.IsSubSet(CGXFont()));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { f1.ChangeFont(other, 4); }));
}

TEST(Font, InternedDataIsSharedAndFreedWithItsLastReference)
{
    const int32_t before = FontState().GetFontDataCount();
    {
        CGXFont a;
        a.SetSize(13.25).SetWeight(300);
        const LOGFONTA* pa = &a.GetLogFontRef();
        EXPECT_TRUE(a.HoldsFontData());
        EXPECT_EQ(FontState().GetFontDataCount(), before + 1);
        CGXFont b(a);  // the copy shares the entry
        CGXFont c;
        c.SetWeight(300).SetSize(13.25);
        EXPECT_EQ(&c.GetLogFontRef(), pa);
        EXPECT_EQ(FontState().GetFontDataCount(), before + 1);
        a.SetItalic(TRUE);  // a setter releases a's reference
        EXPECT_FALSE(a.HoldsFontData());
        a.ReleaseFontData();
        c.ReleaseFontData();
        EXPECT_EQ(FontState().GetFontDataCount(), before + 1);  // b still holds it
    }
    EXPECT_EQ(FontState().GetFontDataCount(), before);
}
