// A change of the system colours: reloaded images, the toolkit's colour copies and the dither brush
// follow it.
#include "ToolkitTestSupport.h"

namespace {

class SysColorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SECStartToolkit();
        for (int i = 0; i < 2; i++)
            saved[i] = ::GetSysColor(indexes[i]);
    }
    void TearDown() override
    {
        ::SetSysColors(2, indexes, saved);
        SECRefreshSysColors();
    }

    const INT indexes[2] = {COLOR_BTNFACE, COLOR_BTNTEXT};
    COLORREF saved[2] = {};
};

TEST_F(SysColorTest, ReloadedImagesAndTheDrawingValuesFollowNewColours)
{
    SECBtnDrawContext ctx; // its dither made from the colours before the change
    SECBmpMgr* pMgr = new SECBmpMgr;
    ASSERT_TRUE(pMgr->LoadToolBarResource(IDR_TB_FIRST));
    HBITMAP hBitmap = nullptr;
    int nImage = 0;
    ASSERT_TRUE(pMgr->GetImage(ID_TB_BANDS, hBitmap, nImage));
    const COLORREF clrOldText = BitmapPixel(hBitmap, 1, 1);
    EXPECT_EQ(clrOldText, saved[1]);

    const COLORREF changed[2] = {RGB(0x20, 0x90, 0x60), RGB(0x70, 0x10, 0xA0)};
    ASSERT_TRUE(::SetSysColors(2, indexes, changed));
    ASSERT_EQ(::GetSysColor(COLOR_BTNFACE), changed[0]);

    // the images keep the colours they were loaded with until they are reloaded
    ASSERT_TRUE(pMgr->GetImage(ID_TB_BANDS, hBitmap, nImage));
    EXPECT_EQ(BitmapPixel(hBitmap, 1, 1), clrOldText);
    ASSERT_TRUE(pMgr->ReloadAll(TRUE));
    ASSERT_TRUE(pMgr->GetImage(ID_TB_BANDS, hBitmap, nImage));
    EXPECT_EQ(BitmapPixel(hBitmap, 1, 1), changed[1]);
    EXPECT_EQ(BitmapPixel(hBitmap, 9, 1), changed[0]);
    pMgr->Release();

    SECRefreshSysColors();
    EXPECT_EQ(SECGetDrawValues().clrBtnFace, changed[0]);
    ctx.RebuildDitherBrush();
    ctx.PrepareBitmaps(8, 8);
    ctx.m_dcColor.FillRect(CRect(0, 0, 8, 8), &ctx.m_brDither);
    const COLORREF a = ctx.m_dcColor.GetPixel(0, 0);
    const COLORREF b = ctx.m_dcColor.GetPixel(1, 0);
    EXPECT_TRUE((a == changed[0] && b == Hilite()) || (a == Hilite() && b == changed[0]));
    ctx.ReleaseBitmaps();
}

} // namespace
