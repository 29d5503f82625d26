// The image manager: tool-bar resources as wrc compiles them, commands mapped to images (the first
// registration winning, the first resource fixing the size), refused loads that leave the manager as
// it was, the system-colour mapping, the large form, keep-both switching, forms borrowed from elsewhere
// and the reference count.
#include "ToolkitTestSupport.h"

#include <cstring>

namespace {

// A manager released by the test (its destructor is protected: only Release deletes one).
class CCountedBmpMgr : public SECBmpMgr {
public:
    explicit CCountedBmpMgr(bool* pbDeleted) : m_pbDeleted(pbDeleted) {}

protected:
    ~CCountedBmpMgr() override { *m_pbDeleted = true; }
    bool* m_pbDeleted;
};

class BmpMgrTest : public ::testing::Test {
protected:
    void SetUp() override { SECStartToolkit(); }
    void TearDown() override { pMgr->Release(); }

    // The image of nID, expected to exist.
    struct Image {
        HBITMAP hBitmap = nullptr;
        int nImage = -1;
    };
    Image ImageOf(UINT nID, BOOL bForceSmall = FALSE)
    {
        Image image;
        EXPECT_TRUE(pMgr->GetImage(nID, image.hBitmap, image.nImage, bForceSmall)) << nID;
        return image;
    }
    // The colour of pixel (x, y) of image nID in the form in use.
    COLORREF ImagePixel(UINT nID, int x, int y)
    {
        const Image image = ImageOf(nID);
        return BitmapPixel(image.hBitmap, pMgr->GetImageSize().cx * image.nImage + x, y);
    }

    SECBmpMgr* pMgr = new SECBmpMgr;
};

TEST_F(BmpMgrTest, ToolBarResourceAsCompiledByWrc)
{
    // type 241: version 1, width, height, count with the separator, then the ids
    HRSRC hRsrc = ::FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_TB_FIRST), MAKEINTRESOURCEA(241));
    ASSERT_NE(hRsrc, nullptr);
    ASSERT_EQ(::SizeofResource(nullptr, hRsrc), 16u);
    WORD words[8];
    std::memcpy(words, ::LockResource(::LoadResource(nullptr, hRsrc)), sizeof(words));
    const WORD expected[8] = {1, 16, 15, 4, ID_TB_BANDS, ID_TB_SQUARE, 0, ID_TB_BLUE};
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(words[i], expected[i]) << i;
}

TEST_F(BmpMgrTest, LoadingMapsEachCommandToItsImageAndSeparatorsToNone)
{
    ASSERT_TRUE(pMgr->LoadToolBarResource(IDR_TB_FIRST));
    EXPECT_EQ(pMgr->GetSmallImageSize(), CSize(16, 15));
    const Image bands = ImageOf(ID_TB_BANDS);
    EXPECT_EQ(bands.nImage, 0);
    EXPECT_EQ(ImageOf(ID_TB_SQUARE).nImage, 1);
    EXPECT_EQ(ImageOf(ID_TB_BLUE).nImage, 2);
    EXPECT_EQ(ImageOf(ID_TB_BLUE).hBitmap, bands.hBitmap);
    EXPECT_EQ(BitmapSize(bands.hBitmap), CSize(48, 15));
    EXPECT_EQ(ImagePixel(ID_TB_BLUE, 7, 7), RGB(0, 0, 255));

    HBITMAP hBitmap = nullptr;
    int nImage = 0;
    EXPECT_FALSE(pMgr->GetImage(ID_TB_UNKNOWN, hBitmap, nImage));
    EXPECT_FALSE(pMgr->GetImage(0, hBitmap, nImage)); // a separator has no image
}

TEST_F(BmpMgrTest, FirstResourceFixesTheSizeAndFirstRegistrationWins)
{
    ASSERT_TRUE(pMgr->LoadToolBarResource(IDR_TB_FIRST));
    ASSERT_TRUE(pMgr->LoadToolBarResource(MAKEINTRESOURCEA(IDR_TB_SECOND)));
    EXPECT_EQ(pMgr->GetSmallImageSize(), CSize(16, 15)); // not the second's 20 by 18

    // the square keeps its image of the first resource; the second's green one is not used
    const Image square = ImageOf(ID_TB_SQUARE);
    EXPECT_EQ(square.hBitmap, ImageOf(ID_TB_BANDS).hBitmap);
    EXPECT_EQ(square.nImage, 1);
    EXPECT_EQ(ImagePixel(ID_TB_SQUARE, 5, 5), RGB(0, 0, 0));
    const Image yellow = ImageOf(ID_TB_YELLOW);
    EXPECT_NE(yellow.hBitmap, square.hBitmap);
    EXPECT_EQ(yellow.nImage, 1);
    EXPECT_EQ(ImagePixel(ID_TB_YELLOW, 1, 1), RGB(255, 255, 0));

    SECBmpMgr* pOther = new SECBmpMgr;
    ASSERT_TRUE(pOther->LoadToolBarResource(IDR_TB_SECOND));
    EXPECT_EQ(pOther->GetSmallImageSize(), CSize(20, 18));
    pOther->Release();
}

TEST_F(BmpMgrTest, RefusedLoadsLeaveTheManagerAsItWas)
{
    const struct {
        UINT nID;
        const char* what;
    } cases[] = {
        {9999, "missing tool-bar resource"},
        {IDR_TB_NO_BITMAP, "tool bar without bitmap"},
        {IDR_TB_TRUNCATED, "count running past the resource's end"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(pMgr->LoadToolBarResource(c.nID)) << c.what;
        EXPECT_EQ(pMgr->GetSmallImageSize(), CSize(16, 15)) << c.what;
    }
    EXPECT_FALSE(pMgr->LoadToolBarResource(IDR_TB_FIRST, 9999)) << "missing large resource";
    HBITMAP hBitmap = nullptr;
    int nImage = 0;
    EXPECT_FALSE(pMgr->GetImage(ID_TB_YELLOW, hBitmap, nImage));
    EXPECT_FALSE(pMgr->GetImage(ID_TB_BANDS, hBitmap, nImage));

    // nothing was fixed by the failures: the next resource is still the first
    ASSERT_TRUE(pMgr->LoadToolBarResource(IDR_TB_SECOND));
    EXPECT_EQ(pMgr->GetSmallImageSize(), CSize(20, 18));
}

TEST_F(BmpMgrTest, FixedColoursBecomeTheSystemButtonColours)
{
    const struct {
        int x, y;
        COLORREF rgbStored;
        int nSysColor; // -1: the colour stays
    } pixels[] = {
        {1, 1, RGB(0, 0, 0), COLOR_BTNTEXT},
        {5, 1, RGB(0x80, 0x80, 0x80), COLOR_BTNSHADOW},
        {9, 1, RGB(0xC0, 0xC0, 0xC0), COLOR_BTNFACE},
        {13, 1, RGB(255, 255, 255), COLOR_BTNHIGHLIGHT},
        {1, 10, RGB(255, 0, 0), -1},
    };
    ASSERT_TRUE(pMgr->LoadToolBarResource(IDR_TB_FIRST, 0, TRUE));
    SECBmpMgr* pPlain = new SECBmpMgr;
    ASSERT_TRUE(pPlain->LoadToolBarResource(IDR_TB_FIRST, 0, FALSE));
    HBITMAP hPlain = nullptr;
    int nImage = 0;
    ASSERT_TRUE(pPlain->GetImage(ID_TB_BANDS, hPlain, nImage));
    for (const auto& p : pixels) {
        const COLORREF clrMapped = p.nSysColor < 0 ? p.rgbStored : ::GetSysColor(p.nSysColor);
        EXPECT_EQ(ImagePixel(ID_TB_BANDS, p.x, p.y), clrMapped) << p.x << ", " << p.y;
        EXPECT_EQ(BitmapPixel(hPlain, p.x, p.y), p.rgbStored) << p.x << ", " << p.y;
    }
    pPlain->Release();
}

TEST_F(BmpMgrTest, LargeFormIsStretchedFromTheSmallOne)
{
    ASSERT_TRUE(pMgr->LoadToolBarResource(IDR_TB_FIRST));
    pMgr->SetSmallImages(FALSE);
    EXPECT_EQ(pMgr->GetImageSize(), CSize(22, 24));
    const Image bands = ImageOf(ID_TB_BANDS);
    EXPECT_EQ(BitmapSize(bands.hBitmap), CSize(3 * 22, 24));
    // the bands' top half and red bottom, and the square, each at its stretched place
    EXPECT_EQ(ImagePixel(ID_TB_BANDS, 1, 1), ::GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(ImagePixel(ID_TB_BANDS, 20, 1), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(ImagePixel(ID_TB_BANDS, 1, 22), RGB(255, 0, 0));
    EXPECT_EQ(ImagePixel(ID_TB_SQUARE, 8, 9), RGB(0, 0, 0));
    EXPECT_EQ(ImagePixel(ID_TB_SQUARE, 3, 3), ::GetSysColor(COLOR_BTNFACE));

    // only the form in use is kept
    HBITMAP hBitmap = nullptr;
    int nImage = 0;
    EXPECT_FALSE(pMgr->GetImage(ID_TB_BANDS, hBitmap, nImage, TRUE));
}

TEST_F(BmpMgrTest, NamedLargeResourceGivesTheLargeFormAndItsSize)
{
    ASSERT_TRUE(pMgr->LoadToolBarResource(IDR_TB_FIRST, IDR_TB_LARGE));
    EXPECT_EQ(pMgr->GetLargeImageSize(), CSize(24, 26));
    pMgr->SetSmallImages(FALSE);
    const Image blue = ImageOf(ID_TB_BLUE);
    EXPECT_EQ(BitmapSize(blue.hBitmap), CSize(72, 26));
    EXPECT_EQ(ImagePixel(ID_TB_BLUE, 3, 3), RGB(255, 0, 0)); // the large bitmap's own image, not blue
}

TEST_F(BmpMgrTest, SwitchingKeepBothAndFormsLosesNoImage)
{
    const UINT ids[] = {ID_TB_BANDS, ID_TB_SQUARE, ID_TB_BLUE, ID_TB_YELLOW};
    ASSERT_TRUE(pMgr->LoadToolBarResource(IDR_TB_FIRST));
    ASSERT_TRUE(pMgr->LoadToolBarResource(IDR_TB_SECOND));
    auto expectAllImages = [&](const char* step, BOOL bForceSmall) {
        for (UINT nID : ids) {
            HBITMAP hBitmap = nullptr;
            int nImage = 0;
            EXPECT_TRUE(pMgr->GetImage(nID, hBitmap, nImage, bForceSmall)) << step << ": " << nID;
        }
    };
    pMgr->SetKeepBoth(TRUE);
    pMgr->SetSmallImages(FALSE);
    expectAllImages("large, keeping both", FALSE);
    expectAllImages("small beside the large", TRUE);
    EXPECT_EQ(ImagePixel(ID_TB_YELLOW, 1, 1), RGB(255, 255, 0));
    pMgr->SetKeepBoth(FALSE);
    expectAllImages("large only", FALSE);
    pMgr->SetSmallImages(TRUE);
    expectAllImages("small only", FALSE);
    pMgr->SetKeepBoth(TRUE);
    expectAllImages("small, keeping both", FALSE);
    EXPECT_TRUE(pMgr->ReloadAll(TRUE));
    expectAllImages("reloaded", FALSE);
}

// A manager into whose first image list the test puts bitmaps of its own.
class CLendingBmpMgr : public SECBmpMgr {
public:
    // Puts hBitmap as the small (bSmall) or large form of the first list, marked borrowed.
    void Lend(HBITMAP hBitmap, BOOL bSmall)
    {
        ImageList& list = *m_lists.front();
        HBITMAP& hForm = bSmall ? list.hSmall : list.hLarge;
        if (hForm != nullptr)
            ::DeleteObject(hForm);
        hForm = hBitmap;
        (bSmall ? list.bSmallBorrowed : list.bLargeBorrowed) = TRUE;
    }
};

TEST(BmpMgrBorrowTest, BorrowedFormsAreNeitherReplacedNorDeleted)
{
    SECStartToolkit();
    for (const BOOL bSmall : {TRUE, FALSE}) {
        auto* pLender = new CLendingBmpMgr;
        ASSERT_TRUE(pLender->LoadToolBarResource(IDR_TB_FIRST)) << bSmall;
        const CSize size = bSmall ? pLender->GetSmallImageSize() : pLender->GetLargeImageSize();
        CWindowDC screen(nullptr);
        const HBITMAP hLent = ::CreateCompatibleBitmap(screen.m_hDC, size.cx * 3, size.cy);
        ASSERT_NE(hLent, nullptr);
        pLender->Lend(hLent, bSmall);

        // every switch of the forms, and a full reload, in both orders of the flags
        pLender->SetSmallImages(!bSmall);
        pLender->SetKeepBoth(TRUE);
        pLender->SetSmallImages(bSmall);
        pLender->SetKeepBoth(FALSE);
        pLender->SetSmallImages(!bSmall);
        pLender->SetSmallImages(bSmall);
        EXPECT_TRUE(pLender->ReloadAll(TRUE)) << bSmall;
        HBITMAP hBitmap = nullptr;
        int nImage = -1;
        EXPECT_TRUE(pLender->GetImage(ID_TB_BLUE, hBitmap, nImage)) << bSmall;
        EXPECT_EQ(hBitmap, hLent) << bSmall;
        EXPECT_EQ(nImage, 2) << bSmall;

        pLender->Release();
        EXPECT_EQ(::GetObjectType(hLent), DWORD(OBJ_BITMAP)) << "deleted with the manager: " << bSmall;
        ::DeleteObject(hLent);
    }
}

TEST(BmpMgrLifeTest, LastReleaseDeletesTheManager)
{
    bool bDeleted = false;
    SECBmpMgr* pMgr = new CCountedBmpMgr(&bDeleted);
    pMgr->AddRef(); // a second holder
    pMgr->Release();
    EXPECT_FALSE(bDeleted);
    pMgr->Release();
    EXPECT_TRUE(bDeleted);
}

} // namespace
