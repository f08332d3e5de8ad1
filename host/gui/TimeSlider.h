#pragma once

#include <QSlider>

#include <vector>

namespace vex::host::gui {

/// The timeline's scrub bar: a horizontal slider over whole frames that draws a red tick at every key
/// frame it is given.
class TimeSlider : public QSlider {
public:
    explicit TimeSlider(QWidget* parent = nullptr);

    /// The frames that get a key tick (those outside the range are not drawn).
    void SetKeyFrames(std::vector<double> frames);
    const std::vector<double>& KeyFrames() const { return keys_; }

    /// The horizontal place of a frame inside the slider, as the handle's centre would be there.
    int PositionOf(double frame) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> keys_;
};

} // namespace vex::host::gui
