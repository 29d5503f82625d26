// SRGDateScale: the labels of a date axis. Values are dates in days (COleDateTime). The step is the set
// one, or the first of 1, 5, 15 and 30 seconds, 1, 5, 15 and 30 minutes, 1, 3, 6 and 12 hours, 1, 2, 7
// and 14 days, 1, 3, 6 and 12 months (of 30, 91, 182 and 365 days) that keeps the labels 1.2 text
// extents apart along the axis (heights along a vertical axis, widths along a horizontal one). The
// labels start at the minimum; a step of 30 days or more moves from label to label by whole calendar
// months (step / 30.4375 of them, rounded), keeping the first label's day (or the month's last day when
// it is shorter). The default format follows the step: above a day "%x" (the short date), above an
// hour "%H:%M:%S", above a minute "%M:%S", else "%S"; dates are written by COleDateTime::Format.
#pragma once

#include "chart/engine/axes/SRGDecimalScale.h"

class SRGDateScale : public SRGDecimalScale {
    DECLARE_SERIAL(SRGDateScale)
public:
    // Type id chartTypeDateScale.
    SRGDateScale();

    void BuildLabels() override;

    // The default format of a step in days.
    static const char* GetDefaultFormat(double dStep);
};
