// Numbers shared by the chart engine's geometry.
#pragma once

// Degrees to radians as the chart engine turns shapes and text: slightly below pi / 180, so that
// angles computed here match the engine's stored drawings to the pixel.
constexpr double kChartRadiansPerDegree = 0.017453292222222222;
// Radians to degrees, for the angles the engine reads back from points.
constexpr double kChartDegreesPerRadian = 57.295780490442965;
