// Helpers of the display tests: a chart drawn straight into a canvas holding one display, with values
// set group by group. Include "wine_gtest.h" first.
#pragma once

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <vector>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart_draw_support.h"

// A value that SetGroup leaves missing.
const double kMissing = NAN;

// A display (of class Display) of graph type 0x01 and axis type 0x02 covering a chart of nWidth by
// nHeight pixels, drawn straight into a white canvas.
template <class Display>
struct BasicDisplayScene {
    explicit BasicDisplayScene(int nWidth = 420, int nHeight = 260) : canvas(nWidth, nHeight)
    {
        chart.SetBuffered(0);
        pDisplay = new Display;
        pDisplay->SetRectFromRECT(CRect(0, 0, nWidth, nHeight));
        pDisplay->SetGraphType(GT_LINE);
        pDisplay->SetAxisType(AXIS_STANDARD);
        chart.AddComponent(pDisplay);
    }
    // Stores the values as items 0, 1 ... of group nGroup (a kMissing value creates the item, empty).
    void SetGroup(int nGroup, const std::vector<double>& values)
    {
        for (size_t i = 0; i < values.size(); ++i) {
            if (std::isnan(values[i]))
                chart.GetGroup(nGroup, 1)->GetItem(int(i), 1);
            else
                chart.SetValue(int(i), nGroup, values[i], 1);
        }
    }
    // The fixed range [dMinimum, dMaximum] of the application's value charts.
    void FixRange(double dMinimum, double dMaximum)
    {
        pDisplay->SetFlags(pDisplay->GetFlags() | SRGDisplayBase::flagFixedRange);
        pDisplay->SetFixedMin(dMinimum);
        pDisplay->SetFixedMax(dMaximum);
    }
    // Draws the data alone into the plot rectangle rect (no axes, placement from outside).
    void UsePlot(const CRect& rect)
    {
        pDisplay->SetFlags(pDisplay->GetFlags() | SRGDisplayBase::flagNoAxes | SRGDisplayBase::flagOutsideLayout);
        pDisplay->SetPlotRect(rect.left, rect.top, rect.right, rect.bottom, 0);
    }
    void Draw() { chart.Draw(&canvas.dc, nullptr); }

    DibCanvas canvas;
    DEDized chart;
    Display* pDisplay;
};

using DisplayScene = BasicDisplayScene<DEDizedDisplay>;
