// The chart exception: the message id of every code, the message text and its cutting to the
// caller's buffer, and the report through the services object.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cstring>

#include "FakeServices.h"

#include "chart_test_support.h"

TEST(ChartException, EveryCodeHasItsMessageId)
{
    const UINT ids[] = {53512, 53560, 53561, 53562, 53563, 53564, 53513, 53524, 53565, 53566, 53567, 53511,
                        53568, 53569, 53570, 53514, 53515, 53516, 53519, 53520, 53518, 53521, 53522, 53523};
    for (int nCode = 0; nCode < 24; ++nCode) {
        const DEDizedException e(nCode);
        EXPECT_EQ(e.GetMessageId(), ids[nCode]) << "code " << nCode;
        // every message the engine can show exists
        EXPECT_FALSE(ResourceText(ids[nCode]).IsEmpty()) << "code " << nCode;
    }
    for (int nCode : {24, 30, -1})
        EXPECT_EQ(DEDizedException(nCode).GetMessageId(), 53517u) << "code " << nCode;
}

TEST(ChartException, MessageTextHelpIdAndCutting)
{
    const CString text = ResourceText(IDS_CHART_ERR_NO_ITEM);
    ASSERT_GT(text.GetLength(), 6);

    char buf[64];
    UINT nHelp = 7;
    std::memset(buf, 'x', sizeof buf);
    EXPECT_FALSE(DEDizedException(0).GetErrorMessage(buf, sizeof buf, &nHelp));
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(nHelp, 0u);

    EXPECT_TRUE(DEDizedException(3).GetErrorMessage(buf, sizeof buf, &nHelp));
    EXPECT_EQ(CString(buf), text);
    EXPECT_EQ(nHelp, UINT(IDS_CHART_ERR_NO_ITEM));

    // a buffer of 6 bytes takes 5 characters and the terminating zero, and nothing past it
    std::memset(buf, 'x', sizeof buf);
    EXPECT_TRUE(DEDizedException(3).GetErrorMessage(buf, 6, nullptr));
    EXPECT_EQ(CString(buf), text.Left(5));
    EXPECT_EQ(buf[6], 'x');
}

TEST(ChartException, ReportShowsTheMessageWithTheExclamationIcon)
{
    CFakeServices fake;
    fake.ExpectMessageBox(IDOK, ResourceText(IDS_CHART_ERR_NO_GROUP));
    EXPECT_EQ(DEDizedException(2).Report(), IDOK);
    fake.ExpectMessageBox(IDOK);
    DEDizedException(0).Report();
    const auto boxes = fake.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].nType & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes[1].text, "");  // code 0 has no message
}

TEST(ChartException, ThrownAsAPointerOfItsOwnClass)
{
    try {
        ThrowChartException(15);
        FAIL() << "nothing thrown";
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(DEDizedException)));
        EXPECT_STREQ(e->GetRuntimeClass()->m_lpszClassName, "DEDizedException");
        EXPECT_EQ(static_cast<DEDizedException*>(e)->m_nCode, 15);
        e->Delete();
    }
}
