// SRGIndexScale: the category labels of an axis, one per item index of the chart's data window (the
// scale's own data window; -1 bounds take all data), with the items' annotations (of the first group of
// the window, for the chart's mode value) as texts. The strides of the chart's display make one category
// of several items. With the on-points flag the first and last labels stand at the two ends of the axis
// line (the points of a line); without it each label stands in the middle of its category.
//
// Interval: the set step (rounded down to a whole number of categories, at least 1), or as many
// categories as needed so that the labels fit along the axis (at least one label is assumed to fit),
// rounded up to a multiple of 10 above 5, of 100 above 100 and of 500 above 500. A label takes the
// room its text needs along the axis as OrientLabels turns it (SRGDecimalScale::LabelSpacing: 1.2 times
// its extent along the axis, and at least a pixel more than its outline), never less than 1.2 text
// heights; the widest label of the window decides, so that labels every interval never meet. A label
// turned across the axis thus takes its outline, a text height and a sixth of a line on each side and
// a pixel: about 1.4 text heights (1.44 for a 16-pixel font), not 1.2, at which neighbouring outlines
// would overlap; a label that lies along the axis takes 1.2 times its width.
//
// SRGGroupScale: the same with the groups of the window and their annotations.
//
// Stored form: the decimal scale's, then the on-points flag.
#pragma once

#include "chart/engine/axes/SRGDecimalScale.h"

class SRGIndexScale : public SRGDecimalScale {
    DECLARE_SERIAL(SRGIndexScale)
public:
    // Labels in the middle of their categories, automatic text angle; type id chartTypeIndexScale.
    SRGIndexScale();

    void Serialize(CArchive& ar) override;
    void BuildLabels() override;

    virtual int GetOnPoints() const;
    virtual void SetOnPoints(int bOnPoints);

    // The label interval for n categories with room for nRoom labels (see the top of this file).
    static int AutomaticInterval(int n, int nRoom);

protected:
    // The categories of the window: their count, the first one and the stride; and each one's text.
    virtual void GetCategories(int& rnCount, int& rnFirst, int& rnStride);
    virtual CString GetCategoryText(int nCategory);

    int m_bOnPoints;
    // The window of the last layout (first group and first item) for the texts.
    int m_nTextGroup;
};

class SRGGroupScale : public SRGIndexScale {
    DECLARE_SERIAL(SRGGroupScale)
public:
    // Type id chartTypeGroupScale.
    SRGGroupScale();

protected:
    void GetCategories(int& rnCount, int& rnFirst, int& rnStride) override;
    CString GetCategoryText(int nCategory) override;
};
