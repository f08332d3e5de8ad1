#include "host/plot/PathPlot.h"

#include "host/plot/TickSteps.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>

namespace vex::host::plot {

namespace {

struct Range {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();

    void Add(double v) {
        if (!std::isfinite(v)) return;
        min = std::min(min, v);
        max = std::max(max, v);
    }
    // Widened by a margin so the curves do not touch the frame; a flat or empty range gets a unit span.
    Range Padded() const {
        if (!(min <= max)) return {-0.5, 0.5};
        const double span = max - min;
        if (!(span > 0.0)) return {min - 0.5, max + 0.5};
        return {min - span * 0.05, max + span * 0.05};
    }
};

using Coordinate = std::function<double(const PathSeries::Sample&)>;

// What one panel shows: the coordinates across and up, their axis names and the panel's heading.
struct PanelContent {
    Coordinate u, v;
    QString uLabel, vLabel, heading;
    bool equalScale = false;
};

// About one tick per this many pixels of axis, between 4 and 8.
int WishedTicks(double pixels) {
    return std::clamp(static_cast<int>(pixels / 90.0), 4, 8);
}

// One panel: the series' (u, v) coordinates scaled into `area`, with a frame, a grid at round ticks,
// tick labels, axis names and a heading.
void DrawPanel(QPainter& painter, const QRectF& area, const std::vector<PathSeries>& series,
               const PanelContent& content) {
    Range ur, vr;
    for (const PathSeries& s : series) {
        for (const auto& sample : s.samples) {
            ur.Add(content.u(sample));
            vr.Add(content.v(sample));
        }
    }
    ur = ur.Padded();
    vr = vr.Padded();
    if (content.equalScale) {
        // A top view keeps its proportions: widen the shorter axis around its centre.
        const double scale = std::max((ur.max - ur.min) / area.width(), (vr.max - vr.min) / area.height());
        const double uc = (ur.min + ur.max) / 2, vc = (vr.min + vr.max) / 2;
        ur = {uc - scale * area.width() / 2, uc + scale * area.width() / 2};
        vr = {vc - scale * area.height() / 2, vc + scale * area.height() / 2};
    }
    const auto toX = [&](double a) { return area.left() + (a - ur.min) / (ur.max - ur.min) * area.width(); };
    const auto toY = [&](double b) {
        return area.bottom() - (b - vr.min) / (vr.max - vr.min) * area.height();
    };

    const AxisTicks uTicks = ChooseTicks(ur.min, ur.max, WishedTicks(area.width()));
    const AxisTicks vTicks = ChooseTicks(vr.min, vr.max, WishedTicks(area.height()));
    const QColor grid(0xE4, 0xE4, 0xE4);
    for (double a : uTicks.values) {
        const double x = toX(a);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
        painter.drawText(QRectF(x - 40, area.bottom() + 5, 80, 16), Qt::AlignCenter,
                         QString::fromStdString(TickLabel(a, uTicks.decimals)));
    }
    for (double b : vTicks.values) {
        const double y = toY(b);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(area.left() - 4, y), QPointF(area.left(), y));
        painter.drawText(QRectF(area.left() - 66, y - 8, 60, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(TickLabel(b, vTicks.decimals)));
    }
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    painter.drawRect(area);

    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top() - 20, area.width(), 16), Qt::AlignCenter,
                     content.heading);
    painter.drawText(QRectF(area.left(), area.bottom() + 22, area.width(), 18), Qt::AlignCenter,
                     content.uLabel);
    painter.save();
    painter.translate(area.left() - 58, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -18, area.height(), 18), Qt::AlignCenter, content.vLabel);
    painter.restore();

    painter.save();
    painter.setClipRect(area);
    for (const PathSeries& s : series) {
        QPainterPath path;
        bool started = false;
        for (const auto& sample : s.samples) {
            const double a = content.u(sample), b = content.v(sample);
            if (!std::isfinite(a) || !std::isfinite(b)) continue;
            const QPointF point(toX(a), toY(b));
            if (started) {
                path.lineTo(point);
            } else {
                path.moveTo(point);
                started = true;
            }
        }
        painter.setPen(QPen(QColor::fromRgb(s.rgb), 1.6));
        painter.drawPath(path);
    }
    painter.restore();
}

// The legend in rows across `area`: a colour line and the name of each series, wrapping when a row is
// full.
void DrawLegend(QPainter& painter, const QRectF& area, const std::vector<PathSeries>& series) {
    const QFontMetricsF metrics(painter.font());
    constexpr double kLine = 24, kGap = 6, kSpacing = 28, kRow = 18;
    double width = 0;
    for (const PathSeries& s : series) {
        if (width > 0) width += kSpacing;
        width += kLine + kGap + metrics.horizontalAdvance(QString::fromStdString(s.name));
    }
    // One row is centred; more rows start at the left.
    double x = width <= area.width() ? area.left() + (area.width() - width) / 2 : area.left();
    double y = area.top();
    for (const PathSeries& s : series) {
        const QString name = QString::fromStdString(s.name);
        const double entry = kLine + kGap + metrics.horizontalAdvance(name);
        if (x > area.left() && x + entry > area.right()) {
            x = area.left();
            y += kRow;
        }
        painter.setPen(QPen(QColor::fromRgb(s.rgb), 3));
        painter.drawLine(QPointF(x, y + kRow / 2), QPointF(x + kLine, y + kRow / 2));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + kLine + kGap, y, entry, kRow), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += entry + kSpacing;
    }
}

} // namespace

bool WritePathPlot(const std::string& path, const std::string& title, const std::vector<PathSeries>& series,
                   int width, int height, std::string& error) {
    if (width <= 0 || height <= 0) {
        error = "cannot draw a plot of " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
        return false;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        error =
            "no memory for a plot of " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
        return false;
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font = painter.font();
        font.setPixelSize(12);
        painter.setFont(font);

        // Three panels side by side, each with room at its left for tick labels and the axis name; the
        // top view takes the larger share, the legend sits in a row below them.
        constexpr double kLeft = 76, kRight = 18, kTop = 58, kBelow = 96;
        const double top = kTop, bottom = std::max(top + 10, height - kBelow);
        const double free = std::max(30.0, width - 3 * (kLeft + kRight));
        const double topViewWidth = free * 0.4, timeWidth = free * 0.3;
        const QRectF topView(kLeft, top, topViewWidth, bottom - top);
        const QRectF zOverTime(topView.right() + kRight + kLeft, top, timeWidth, bottom - top);
        const QRectF yOverTime(zOverTime.right() + kRight + kLeft, top, timeWidth, bottom - top);
        const auto time = [](const PathSeries::Sample& s) { return s.time; };
        const auto x = [](const PathSeries::Sample& s) { return s.position.x; };
        const auto y = [](const PathSeries::Sample& s) { return s.position.y; };
        const auto z = [](const PathSeries::Sample& s) { return s.position.z; };
        DrawPanel(painter, topView, series, {x, z, "x (m)", "z (m)", "top view", true});
        DrawPanel(painter, zOverTime, series, {time, z, "time (s)", "z (m)", "z over time", false});
        DrawPanel(painter, yOverTime, series,
                  {time, y, "time (s)", "height y (m)", "height over time", false});
        DrawLegend(painter, QRectF(kLeft, bottom + 46, yOverTime.right() - kLeft, kBelow - 46), series);

        QFont bold = font;
        bold.setPixelSize(15);
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 8, width, 24), Qt::AlignCenter, QString::fromStdString(title));
    }
    const std::string temp = path + ".tmp.png";
    if (!image.save(QString::fromStdString(temp), "PNG")) {
        error = "cannot write " + temp;
        return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        error = "cannot replace " + path;
        return false;
    }
    return true;
}

} // namespace vex::host::plot
