#pragma once
// A small line-and-marker chart written as SVG text: linear axes with
// rounded tick values, one colour per series, model points as circles and
// the fitted correlation as a line. Output depends only on the input (fixed
// number formatting), so regenerated files compare equal.
#include <string>
#include <utility>
#include <vector>

struct PlotSeries {
    std::string label;
    std::string colour;                            // SVG colour, e.g. "#1f77b4"
    std::vector<std::pair<double, double>> points; // markers
    std::vector<std::pair<double, double>> curve;  // polyline
};

struct PlotAxes {
    std::string title;
    std::string xLabel;
    std::string yLabel;
    std::string note; // small text under the title
};

std::string lineChartSvg(const PlotAxes& axes, const std::vector<PlotSeries>& series);

// Tick spacing of 1, 2 or 5 times a power of ten giving about `count` ticks over span.
double niceTickStep(double span, int count);
