#pragma once

#include "host/gui/NumberField.h"
#include "host/gui/SceneWatcher.h"
#include "host/gui/TimeSlider.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <maya/MMessage.h>

namespace vex::host::gui {

/// The time slider of the host's window: the playback range's start and end, a scrub bar over it with
/// the key ticks of the selected nodes' animated attributes, the current frame, and buttons to go to
/// the start, step back, play or stop, step forward and go to the end. Every change goes to the host
/// (the current time as the currentTime command sets it, the range through playbackOptions); playing
/// steps the host's time at the scene's frame rate in real time, whoever started it (the play button
/// or the play command).
class Timeline : public QWidget {
public:
    enum class Button { kToStart, kStepBack, kPlay, kStepForward, kToEnd };

    explicit Timeline(QWidget* parent = nullptr);
    ~Timeline() override;

    /// Shows the host's range, current time and the selection's keys now.
    void refresh();

    /// The scrub bar.
    TimeSlider& Slider() { return *slider_; }
    /// The boxes of the range's start and end and of the current frame.
    NumberField& StartField() { return *start_; }
    NumberField& EndField() { return *end_; }
    NumberField& FrameField() { return *frame_; }
    /// One of the transport buttons.
    QToolButton& button(Button which);

private:
    /// Moves the host's current time to `frame` (not kept for undo, as the slider is dragged freely).
    void GoToFrame(double frame);
    /// Moves the current time by `frames`, kept inside the playback range.
    void StepBy(double frames);
    void TogglePlay();
    /// Follows the host's playing state: runs or stops the stepping timer.
    void FollowPlaying();
    /// Makes the playback steps that are due by the clock since playing started.
    void PlayDueSteps();
    void ShowTime();
    void ShowKeys();
    static void OnPlaying(bool playing, void* self);

    NumberField* start_;
    NumberField* end_;
    NumberField* frame_;
    TimeSlider* slider_;
    QToolButton* buttons_[5];
    QTimer player_;
    QElapsedTimer playClock_;
    long long stepsPlayed_ = 0;
    double stepSeconds_ = 0.0;
    bool showing_ = false;
    MCallbackId playingCallback_ = 0;
    SceneWatcher watcher_;
};

} // namespace vex::host::gui
