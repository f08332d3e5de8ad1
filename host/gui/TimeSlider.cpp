#include "host/gui/TimeSlider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <cmath>

namespace vex::host::gui {

TimeSlider::TimeSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::TicksBelow);
    setPageStep(1);
}

void TimeSlider::SetKeyFrames(std::vector<double> frames) {
    if (frames == keys_) return;
    keys_ = std::move(frames);
    update();
}

int TimeSlider::PositionOf(double frame) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    const double share = maximum() > minimum() ? (frame - minimum()) / (maximum() - minimum()) : 0.0;
    return groove.left() + handle.width() / 2 + static_cast<int>(std::lround(share * span));
}

void TimeSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(220, 40, 40), 2));
    for (double frame : keys_) {
        if (frame < minimum() || frame > maximum()) continue;
        const int x = PositionOf(frame);
        painter.drawLine(x, height() / 2, x, height() - 2);
    }
}

} // namespace vex::host::gui
