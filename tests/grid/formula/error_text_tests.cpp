// The error texts: codes with and without a text, codes outside the table, and the table's shape.
#include <gtest/gtest.h>

#include "grid/formula/GXFormulaErrors.h"

#include <cstring>
#include <utility>

TEST(ErrorText, TextsByCode)
{
    const struct {
        int32_t nCode;
        const char* pszText;
    } cases[] = {
        {0, "unknown error"},
        {-1, "unknown error"},
        {382, "unknown error"},
        {1, ""},
        {222, ""},
        {223, "invalid character in formula"},
        {227, "undefined function"},
        {280, "token buffer overflow"},
        {40, "IEEE Floating Exception (Infinity or NaN)"},
        {210, "iterative calculcation not supported with \"As Needed\""},
        {236, "expected to find \"\\\" here"},
        {355, "ending line with a \\"},
        {381, "precompiled regular expression is invalid"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(EngineErrorText(c.nCode), c.pszText) << "code " << c.nCode;
}

TEST(ErrorText, EmptyRowsShareOneTextAndEveryOtherRowHasOne)
{
    const std::pair<int32_t, int32_t> emptyRanges[] = {{1, 4},     {8, 19},    {21, 38},   {167, 185}, {188, 204},
                                                       {206, 208}, {211, 212}, {215, 222}, {224, 224}, {318, 320},
                                                       {325, 329}, {335, 351}, {359, 362}, {374, 376}, {378, 378}};
    bool empty[kEngineErrorCount] = {};
    for (const auto& range : emptyRanges) {
        for (int32_t code = range.first; code <= range.second; code++)
            empty[code] = true;
    }
    const char* pszShared = EngineErrorText(1);
    int nWithText = 0;
    for (int32_t code = 0; code < kEngineErrorCount; code++) {
        const char* pszText = EngineErrorText(code);
        ASSERT_NE(pszText, nullptr) << "code " << code;
        EXPECT_EQ(pszText, EngineErrorText(code)) << "the same constant text every time";
        if (empty[code]) {
            EXPECT_EQ(pszText, pszShared) << "code " << code;
        } else {
            EXPECT_NE(std::strlen(pszText), 0u) << "code " << code;
            nWithText++;
        }
    }
    EXPECT_EQ(nWithText, 265);
    EXPECT_EQ(EngineErrorText(-5), EngineErrorText(0));
    EXPECT_EQ(EngineErrorText(1000), EngineErrorText(0));
}
