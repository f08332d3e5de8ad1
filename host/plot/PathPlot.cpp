#include "host/plot/PathPlot.h"

#include <QColor>
#include <QFont>
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
        min = std::min(min, v);
        max = std::max(max, v);
    }
    // Widened by a margin so the curves do not touch the frame; a flat range gets a unit span.
    Range Padded() const {
        double span = max - min;
        if (!(span > 0.0)) span = 1.0;
        return {min - span * 0.05, max + span * 0.05};
    }
};

using Coordinate = std::function<double(const PathSeries::Sample&)>;

// A tick label with two decimals; values that round to zero are written without a sign.
QString TickText(double value) {
    return QString::number(std::abs(value) < 0.005 ? 0.0 : value, 'f', 2);
}

// One panel: the series' (u, v) coordinates scaled into `area`, with a frame, axis labels and ticks.
void DrawPanel(QPainter& painter, const QRectF& area, const std::vector<PathSeries>& series,
               const Coordinate& u, const Coordinate& v, const QString& uLabel, const QString& vLabel,
               bool equalScale) {
    Range ur, vr;
    for (const PathSeries& s : series) {
        for (const auto& sample : s.samples) {
            ur.Add(u(sample));
            vr.Add(v(sample));
        }
    }
    ur = ur.Padded();
    vr = vr.Padded();
    if (equalScale) {
        // A top view keeps its proportions: widen the shorter axis around its centre.
        const double scale = std::max((ur.max - ur.min) / area.width(), (vr.max - vr.min) / area.height());
        const double uc = (ur.min + ur.max) / 2, vc = (vr.min + vr.max) / 2;
        ur = {uc - scale * area.width() / 2, uc + scale * area.width() / 2};
        vr = {vc - scale * area.height() / 2, vc + scale * area.height() / 2};
    }
    const auto toPoint = [&](double a, double b) {
        return QPointF(area.left() + (a - ur.min) / (ur.max - ur.min) * area.width(),
                       area.bottom() - (b - vr.min) / (vr.max - vr.min) * area.height());
    };

    painter.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1));
    painter.drawRect(area);
    painter.setPen(Qt::black);
    for (int i = 0; i <= 4; ++i) {
        const double a = ur.min + (ur.max - ur.min) * i / 4;
        const double b = vr.min + (vr.max - vr.min) * i / 4;
        const QPointF pu = toPoint(a, vr.min), pv = toPoint(ur.min, b);
        painter.drawText(QRectF(pu.x() - 40, area.bottom() + 4, 80, 16), Qt::AlignCenter,
                         QString::number(a, 'f', 2));
        painter.drawText(QRectF(area.left() - 64, pv.y() - 8, 58, 16), Qt::AlignRight | Qt::AlignVCenter,
                         TickText(b));
    }
    painter.drawText(QRectF(area.left(), area.bottom() + 22, area.width(), 18), Qt::AlignCenter, uLabel);
    painter.save();
    painter.translate(area.left() - 76, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -10, area.height(), 18), Qt::AlignCenter, vLabel);
    painter.restore();

    painter.save();
    painter.setClipRect(area);
    for (const PathSeries& s : series) {
        if (s.samples.empty()) continue;
        QPainterPath path(toPoint(u(s.samples.front()), v(s.samples.front())));
        for (const auto& sample : s.samples) path.lineTo(toPoint(u(sample), v(sample)));
        painter.setPen(QPen(QColor::fromRgb(s.rgb), 1.6));
        painter.drawPath(path);
    }
    painter.restore();
}

} // namespace

bool WritePathPlot(const std::string& path, const std::string& title, const std::vector<PathSeries>& series,
                   int width, int height, std::string& error) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font = painter.font();
        font.setPixelSize(12);
        painter.setFont(font);

        const double top = 48, bottom = height - 56.0;
        const double split = width * 0.5;
        const QRectF topView(90, top, split - 130, bottom - top);
        const QRectF overTime(split + 80, top, width - split - 110, bottom - top);
        DrawPanel(
            painter, topView, series, [](const auto& s) { return s.position.x; },
            [](const auto& s) { return s.position.z; }, "x (m)", "z (m)", true);
        DrawPanel(
            painter, overTime, series, [](const auto& s) { return s.time; },
            [](const auto& s) { return s.position.z; }, "time (s)", "z (m)", false);

        QFont bold = font;
        bold.setPixelSize(15);
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 8, width, 24), Qt::AlignCenter, QString::fromStdString(title));
        painter.setFont(font);
        painter.drawText(QRectF(topView.left(), top - 18, topView.width(), 16), Qt::AlignCenter, "top view");
        painter.drawText(QRectF(overTime.left(), top - 18, overTime.width(), 16), Qt::AlignCenter,
                         "z over time");

        // The legend sits in the top-left corner of the first panel.
        double y = topView.top() + 10;
        for (const PathSeries& s : series) {
            painter.setPen(QPen(QColor::fromRgb(s.rgb), 3));
            painter.drawLine(QPointF(topView.left() + 10, y + 6), QPointF(topView.left() + 34, y + 6));
            painter.setPen(Qt::black);
            painter.drawText(QPointF(topView.left() + 40, y + 10), QString::fromStdString(s.name));
            y += 18;
        }
    }
    const std::string temp = path + ".part.png";
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
