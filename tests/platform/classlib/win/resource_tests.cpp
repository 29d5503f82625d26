// Menus and bitmaps load from the current resource handle and fall back to the program: a
// resource-only library built beside the test program stands in for a translation library.
#include "TestSupport.h"

#include "win/CMenu.h"
#include "win/ResourceSource.h"

#include <cstdlib>
#include <string>

namespace {

class ResourceHandle : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // the build passes the library's Unix path; Wine sees it on drive Z:
        const char* pszLibrary = std::getenv("ONDRIX_TEST_RESOURCES");
        if (pszLibrary == nullptr)
            return;
        std::string path = std::string("Z:") + pszLibrary;
        for (char& c : path)
            if (c == '/')
                c = '\\';
        s_hLibrary = ::LoadLibraryA(path.c_str());
    }
    static void TearDownTestSuite()
    {
        ::FreeLibrary(s_hLibrary);
        s_hLibrary = nullptr;
    }
    void SetUp() override { ASSERT_NE(s_hLibrary, nullptr) << "the resource library did not load"; }
    void TearDown() override { AfxSetResourceHandleSource(nullptr); }

    static HINSTANCE Library() { return s_hLibrary; }

    static CString MenuTitle(UINT nID)
    {
        CMenu menu;
        CString title;
        if (menu.LoadMenu(nID))
            menu.GetMenuString(0, title, MF_BYPOSITION);
        return title;
    }

    // The colour of the top-left pixel of bitmap resource nID; CLR_INVALID when it does not load.
    static COLORREF BitmapColour(UINT nID)
    {
        CBitmap bitmap;
        if (!bitmap.LoadBitmap(nID))
            return CLR_INVALID;
        DibCanvas canvas(2, 2);
        CDC source;
        source.CreateCompatibleDC(&canvas.dc);
        CBitmap* pOld = source.SelectObject(&bitmap);
        canvas.dc.BitBlt(0, 0, 2, 2, &source, 0, 0, SRCCOPY);
        source.SelectObject(pOld);
        return canvas.At(0, 0);
    }

    static HINSTANCE s_hLibrary;
};

HINSTANCE ResourceHandle::s_hLibrary = nullptr;

TEST_F(ResourceHandle, MenusComeFromTheCurrentHandleThenTheProgram)
{
    EXPECT_STREQ(MenuTitle(300), "&File");
    EXPECT_EQ(AfxSetResourceHandleSource(Library), nullptr);
    EXPECT_STREQ(MenuTitle(300), "&Plik");
    EXPECT_STREQ(MenuTitle(301), "&Edit");  // missing in the library: the program's
    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(399));
    EXPECT_EQ(missing.m_hMenu, nullptr);
    EXPECT_EQ(AfxSetResourceHandleSource(nullptr), Library);
    EXPECT_STREQ(MenuTitle(300), "&File");
}

TEST_F(ResourceHandle, BitmapsComeFromTheCurrentHandleThenTheProgram)
{
    EXPECT_EQ(BitmapColour(310), RGB(255, 0, 0));
    AfxSetResourceHandleSource(Library);
    EXPECT_EQ(BitmapColour(310), RGB(0, 0, 255));
    EXPECT_EQ(BitmapColour(311), RGB(255, 0, 0));
    EXPECT_EQ(BitmapColour(399), CLR_INVALID);
}

} // namespace
