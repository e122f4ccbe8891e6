#include "tools/refgen/SvgPlot.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double WIDTH = 640;
constexpr double HEIGHT = 420;
constexpr double LEFT = 70;
constexpr double RIGHT = 170;
constexpr double TOP = 56;
constexpr double BOTTOM = 56;

std::string number(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    return buffer;
}

std::string tickLabel(double v, double step) {
    char buffer[32];
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    return buffer;
}

std::string escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

double niceTickStep(double span, int count) {
    const double raw = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double m = raw / power;
    const double nice = m < 1.5 ? 1 : (m < 3.5 ? 2 : (m < 7.5 ? 5 : 10));
    return nice * power;
}

std::string lineChartSvg(const PlotAxes& axes, const std::vector<PlotSeries>& series) {
    double xMax = 0, yMax = 0;
    for (const PlotSeries& s : series) {
        for (const auto& p : s.points) {
            xMax = std::fmax(xMax, p.first);
            yMax = std::fmax(yMax, p.second);
        }
        for (const auto& p : s.curve) {
            xMax = std::fmax(xMax, p.first);
            yMax = std::fmax(yMax, p.second);
        }
    }
    const double xStep = niceTickStep(xMax, 5);
    const double yStep = niceTickStep(yMax, 6);
    xMax = std::ceil(xMax / xStep - 1e-9) * xStep;
    yMax = std::ceil(yMax / yStep - 1e-9) * yStep;
    const double plotW = WIDTH - LEFT - RIGHT;
    const double plotH = HEIGHT - TOP - BOTTOM;
    auto px = [&](double x) { return LEFT + plotW * x / xMax; };
    auto py = [&](double y) { return TOP + plotH * (1.0 - y / yMax); };

    std::string svg;
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(WIDTH) + "\" height=\"" +
           number(HEIGHT) + "\" viewBox=\"0 0 " + number(WIDTH) + " " + number(HEIGHT) +
           "\" font-family=\"sans-serif\" font-size=\"12\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    svg += "<text x=\"" + number(LEFT) + "\" y=\"22\" font-size=\"15\" font-weight=\"bold\">" +
           escape(axes.title) + "</text>\n";
    svg += "<text x=\"" + number(LEFT) + "\" y=\"40\" font-size=\"11\" fill=\"#444\">" +
           escape(axes.note) + "</text>\n";
    // Grid and ticks.
    for (double x = 0; x <= xMax + 1e-9 * xMax; x += xStep) {
        svg += "<line x1=\"" + number(px(x)) + "\" y1=\"" + number(py(0)) + "\" x2=\"" +
               number(px(x)) + "\" y2=\"" + number(py(yMax)) + "\" stroke=\"#ddd\"/>\n";
        svg += "<text x=\"" + number(px(x)) + "\" y=\"" + number(py(0) + 16) +
               "\" text-anchor=\"middle\">" + tickLabel(x, xStep) + "</text>\n";
    }
    for (double y = 0; y <= yMax + 1e-9 * yMax; y += yStep) {
        svg += "<line x1=\"" + number(px(0)) + "\" y1=\"" + number(py(y)) + "\" x2=\"" +
               number(px(xMax)) + "\" y2=\"" + number(py(y)) + "\" stroke=\"#ddd\"/>\n";
        svg += "<text x=\"" + number(px(0) - 6) + "\" y=\"" + number(py(y) + 4) +
               "\" text-anchor=\"end\">" + tickLabel(y, yStep) + "</text>\n";
    }
    svg += "<rect x=\"" + number(LEFT) + "\" y=\"" + number(TOP) + "\" width=\"" + number(plotW) +
           "\" height=\"" + number(plotH) + "\" fill=\"none\" stroke=\"#333\"/>\n";
    svg += "<text x=\"" + number(LEFT + plotW / 2) + "\" y=\"" + number(HEIGHT - 14) +
           "\" text-anchor=\"middle\">" + escape(axes.xLabel) + "</text>\n";
    svg += "<text transform=\"translate(18 " + number(TOP + plotH / 2) +
           ") rotate(-90)\" text-anchor=\"middle\">" + escape(axes.yLabel) + "</text>\n";
    // Series.
    double legendY = TOP + 10;
    for (const PlotSeries& s : series) {
        if (!s.curve.empty()) {
            svg += "<polyline fill=\"none\" stroke=\"" + s.colour +
                   "\" stroke-width=\"1.6\" points=\"";
            for (std::size_t i = 0; i < s.curve.size(); ++i) {
                svg += (i ? " " : "") + number(px(s.curve[i].first)) + "," +
                       number(py(s.curve[i].second));
            }
            svg += "\"/>\n";
        }
        for (const auto& p : s.points) {
            svg += "<circle cx=\"" + number(px(p.first)) + "\" cy=\"" + number(py(p.second)) +
                   "\" r=\"3.5\" fill=\"white\" stroke=\"" + s.colour +
                   "\" stroke-width=\"1.6\"/>\n";
        }
        const double lx = WIDTH - RIGHT + 14;
        svg += "<line x1=\"" + number(lx) + "\" y1=\"" + number(legendY) + "\" x2=\"" +
               number(lx + 22) + "\" y2=\"" + number(legendY) + "\" stroke=\"" + s.colour +
               "\" stroke-width=\"1.6\"/>\n";
        svg += "<circle cx=\"" + number(lx + 11) + "\" cy=\"" + number(legendY) +
               "\" r=\"3.5\" fill=\"white\" stroke=\"" + s.colour + "\" stroke-width=\"1.6\"/>\n";
        svg += "<text x=\"" + number(lx + 28) + "\" y=\"" + number(legendY + 4) + "\">" +
               escape(s.label) + "</text>\n";
        legendY += 20;
    }
    const double lx = WIDTH - RIGHT + 14;
    svg += "<text x=\"" + number(lx) + "\" y=\"" + number(legendY + 14) +
           "\" font-size=\"11\" fill=\"#444\">circles: capillary model</text>\n";
    svg += "<text x=\"" + number(lx) + "\" y=\"" + number(legendY + 28) +
           "\" font-size=\"11\" fill=\"#444\">lines: fitted correlation</text>\n";
    svg += "</svg>\n";
    return svg;
}
