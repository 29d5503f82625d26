// The chart's data records: value ranges, items and the placeholder, annotations and styles.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cstdio>
#include <string>
#include <vector>

#include "chart/engine/DEDizedData.h"

#include "chart_test_support.h"

TEST(Scale, IncludesValuesIntoItsBounds)
{
    struct Case {
        std::vector<double> included;
        double dMax, dMin, dRange;
        int nReset;
    } cases[] = {
        {{}, 0, 0, 0, 1},
        {{5, 3}, 5, 3, 2, 0},
        {{-1}, -1, -1, 0, 0},
        {{2, 7, -4, 1}, 7, -4, 11, 0},
    };
    for (const Case& c : cases) {
        CScale scale;
        for (double d : c.included)
            scale.Include(d);
        EXPECT_EQ(scale.m_dMaximum, c.dMax);
        EXPECT_EQ(scale.m_dMinimum, c.dMin);
        EXPECT_EQ(scale.GetRange(), c.dRange);
        EXPECT_EQ(scale.IsReset(), c.nReset);
    }
}

TEST(Scale, DecadesNeedBothBoundsAboveZero)
{
    struct Case {
        double dMin, dMax, dDecades;
    } cases[] = {{1, 1000, 3}, {0, 1000, 1}, {-10, 100, 1}, {0.01, 10, 3}};
    for (const Case& c : cases) {
        CScale scale;
        scale.Include(c.dMin);
        scale.Include(c.dMax);
        EXPECT_NEAR(scale.GetDecades(), c.dDecades, 1e-12) << c.dMin << ".." << c.dMax;
    }
}

TEST(DataItem, StartsNullAndTakesValuesIntoItsRange)
{
    DEDizedData item;
    EXPECT_TRUE(item.IsNull());
    EXPECT_EQ(item.GetValue(), 0.0);
    EXPECT_EQ(item.IsDynamic(), 0);
    EXPECT_EQ(item.GetStyle()->m_nKind & 0xF, 2);

    item.SetValue(4);
    item.SetValue(-2);
    EXPECT_FALSE(item.IsNull());
    EXPECT_EQ(item.GetValue(), -2.0);
    EXPECT_EQ(item.GetRange().m_dMaximum, 4.0);
    EXPECT_EQ(item.GetRange().m_dMinimum, -2.0);

    item.ClearRange();
    EXPECT_EQ(item.GetValue(), 0.0);
    EXPECT_EQ(item.GetRangePtr()->IsReset(), 1);
}

TEST(DataItem, LogarithmicReadsFloorAtMinus99)
{
    struct Case {
        double dValue, dLog;
    } cases[] = {{100, 2}, {0.001, -3}, {0, -99}, {-5, -99}};
    for (const Case& c : cases) {
        DEDizedData item;
        item.SetValue(c.dValue);
        EXPECT_NEAR(item.GetValue(1), c.dLog, 1e-12) << c.dValue;
        EXPECT_NEAR(item.GetLogValue(), c.dLog, 1e-12) << c.dValue;
        EXPECT_EQ(item.GetValue(0), c.dValue);
    }
}

TEST(DataItem, AnnotationsByIndex)
{
    DEDizedData item;
    item.SetAnnotation("first", 0, 1);
    item.AddAnnotation(2, "second");
    item.AddAnnotation(1, "first again");  // replaces, keeps the order
    EXPECT_EQ(item.GetAnnotation(1), "first again");
    EXPECT_EQ(item.GetAnnotation(2), "second");
    EXPECT_EQ(item.GetAnnotation(3), "");
    EXPECT_EQ(item.GetAnnotationList()->GetCount(), 2);

    item.SetAnnotation("only", 1, 5);
    EXPECT_EQ(item.GetAnnotation(1), "");
    EXPECT_EQ(item.GetAnnotation(5), "only");
    EXPECT_EQ(item.GetAnnotationList()->GetCount(), 1);
}

TEST(DataItem, AnnotationTemplateLines)
{
    DEDizedAnnotationList list;
    list.SetAnnotation(1, "Sales 2024");
    list.SetAnnotation(3, "");
    char szPath[64];
    std::snprintf(szPath, sizeof szPath, "/tmp/ondrix_annotations_%lu.txt", (unsigned long)GetCurrentProcessId());
    {
        CStdioFile file(szPath, CFile::modeCreate | CFile::modeWrite);
        list.WriteTemplate(file);
    }
    std::string text;
    {
        CStdioFile file(szPath, CFile::modeRead);
        CString line;
        while (file.ReadString(line))
            text += std::string(line.GetString()) + "|";
    }
    std::remove(szPath);
    EXPECT_EQ(text, "annotation 1 Sales 2024|annotation 3 |");
}

TEST(DataItem, ThePlaceholderIgnoresWrites)
{
    DEDizedDummyData* pShared = DEDizedDummyData::GetShared();
    EXPECT_EQ(pShared, DEDizedDummyData::GetShared());
    DEDizedDummyData own;
    for (DEDizedData* pItem : {static_cast<DEDizedData*>(pShared), static_cast<DEDizedData*>(&own)}) {
        pItem->SetValue(8);
        pItem->SetNull(0);
        pItem->SetAnnotation("a", 1, 1);
        pItem->AddAnnotation(2, "b");
        EXPECT_TRUE(pItem->IsNull());
        EXPECT_EQ(pItem->GetValue(), 0.0);
        EXPECT_EQ(pItem->GetRange().IsReset(), 1);
        EXPECT_EQ(pItem->GetAnnotationList()->GetCount(), 0);
    }
}

TEST(Style, DefaultsKindNibbleAndImageFile)
{
    const DEDizedStyle style;
    EXPECT_EQ(style.m_nKind, 0x1010);
    EXPECT_EQ(style.m_crColor, 0x808000u);
    EXPECT_EQ(style.m_nOptions, 1);
    EXPECT_EQ(style.m_dLimit1, 1e7);
    EXPECT_EQ(style.m_dLimit2, 1e7);
    EXPECT_EQ(style.m_dLimit3, 1e7);
    EXPECT_EQ(style.m_nLineKind, 274);
    EXPECT_EQ(style.m_nFlags, 0);
    EXPECT_EQ(style.m_nStyle, 256);
    EXPECT_EQ(style.m_nExtra, 0);
    EXPECT_EQ(style.m_nStyleSet, 1);
    EXPECT_EQ(style.m_crFill1, 0xFFFFFFu);
    EXPECT_EQ(style.m_crFill2, 0u);
    EXPECT_EQ(style.m_dGradientAngle, 0.0);
    EXPECT_EQ(style.m_dSize, 30.0);
    EXPECT_EQ(style.m_dValue5, 0.0);
    EXPECT_EQ(style.m_dValue6, 0.0);
    EXPECT_TRUE(style.m_strText1.IsEmpty() && style.m_strText2.IsEmpty() && style.m_strImageFile.IsEmpty());
    EXPECT_EQ(DEDizedStyle(DEDizedStyle::kindChart).m_nKind, 0x1013);

    DEDizedStyle image;
    image.SetImageFile("a.bmp");
    image.m_nOptions |= DEDizedStyle::optionImageLoaded;
    image.SetImageFile("a.bmp");  // the same name keeps the loaded image
    EXPECT_NE(image.m_nOptions & DEDizedStyle::optionImageLoaded, 0);
    image.SetImageFile("b.bmp");
    EXPECT_EQ(image.m_nOptions, 1);
    EXPECT_EQ(image.m_strImageFile, "b.bmp");
}

TEST(Style, CopyFromTakesEveryFieldAndTheTexts)
{
    DEDizedStyle source(DEDizedStyle::kindChart);
    source.m_strText1 = "one";
    source.m_strText2 = "two";
    source.m_strImageFile = "fill.jpg";
    source.m_dValue6 = 6.5;
    source.m_crFill2 = 0x123456;
    DEDizedStyle target(DEDizedStyle::kindData);
    target.CopyFrom(source);
    EXPECT_EQ(target.m_nKind, source.m_nKind);
    EXPECT_EQ(target.m_strText1, "one");
    EXPECT_EQ(target.m_strText2, "two");
    EXPECT_EQ(target.m_strImageFile, "fill.jpg");
    EXPECT_EQ(target.m_dValue6, 6.5);
    EXPECT_EQ(target.m_crFill2, 0x123456u);
}
