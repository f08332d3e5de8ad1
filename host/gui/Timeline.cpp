#include "host/gui/Timeline.h"

#include "host/builtins/Units.h"
#include "host/gui/HostCommands.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/MessageHub.h"
#include "host/scene/Scene.h"
#include "host/scene/Timeline.h"

#include <QHBoxLayout>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace vex::host::gui {

namespace {

using HostTimeline = vex::host::Timeline;
using builtins::units::framesToSeconds;
using builtins::units::secondsToFrames;

// The frames of every key on the anim curves that drive the node's attributes.
void addKeyFrames(const Node& node, std::vector<double>& frames) {
    for (const Link& input : node.inputs())
        if (NodePtr source = input.other.lock())
            if (auto curve = AnimCurveData::of(*source))
                for (const AnimCurveData::Key& key : curve->keys())
                    frames.push_back(secondsToFrames(key.time));
}

} // namespace

Timeline::Timeline(QWidget* parent)
    : QWidget(parent), start_(new NumberField(this)), end_(new NumberField(this)),
      frame_(new NumberField(this)), slider_(new TimeSlider(this)),
      watcher_([this] { refresh(); }, [this] { showTime(); }) {
    const QStyle::StandardPixmap icons[] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                            QStyle::SP_MediaPlay, QStyle::SP_MediaSeekForward,
                                            QStyle::SP_MediaSkipForward};
    const char* tips[] = {"Go to start", "Step back one frame", "Play", "Step forward one frame",
                          "Go to end"};
    for (int i = 0; i < 5; ++i) {
        buttons_[i] = new QToolButton(this);
        buttons_[i]->setIcon(style()->standardIcon(icons[i]));
        buttons_[i]->setToolTip(tips[i]);
    }
    for (NumberField* field : {start_, end_, frame_})
        field->setFixedWidth(fontMetrics().horizontalAdvance("000000") + 12);
    start_->setToolTip("Playback start");
    end_->setToolTip("Playback end");
    frame_->setToolTip("Current frame");

    auto* row = new QHBoxLayout(this);
    row->addWidget(start_);
    row->addWidget(slider_, 1);
    row->addWidget(end_);
    row->addWidget(frame_);
    for (QToolButton* button : buttons_) row->addWidget(button);

    connect(slider_, &QSlider::valueChanged, this, [this](int frame) {
        if (!showing_) goToFrame(frame);
    });
    frame_->onEdited([this](double frame) { goToFrame(frame); });
    start_->onEdited([](double frame) { runCommand("playbackOptions", {Flag{"-min"}, frame}); });
    end_->onEdited([](double frame) { runCommand("playbackOptions", {Flag{"-max"}, frame}); });
    connect(&button(Button::ToStart), &QToolButton::clicked, this,
            [this] { goToFrame(secondsToFrames(HostTimeline::instance().minTime())); });
    connect(&button(Button::ToEnd), &QToolButton::clicked, this,
            [this] { goToFrame(secondsToFrames(HostTimeline::instance().maxTime())); });
    connect(&button(Button::StepBack), &QToolButton::clicked, this,
            [this] { stepBy(-HostTimeline::instance().playbackBy()); });
    connect(&button(Button::StepForward), &QToolButton::clicked, this,
            [this] { stepBy(HostTimeline::instance().playbackBy()); });
    connect(&button(Button::Play), &QToolButton::clicked, this, [this] { togglePlay(); });

    player_.setTimerType(Qt::PreciseTimer);
    connect(&player_, &QTimer::timeout, this, [this] { playDueSteps(); });
    playingCallback_ = MessageHub::get().addConditionCallback("playingBack", &Timeline::onPlaying, this);
    followPlaying();
    refresh();
}

Timeline::~Timeline() {
    MessageHub::get().remove(playingCallback_);
}

QToolButton& Timeline::button(Button which) {
    return *buttons_[static_cast<int>(which)];
}

void Timeline::refresh() {
    const HostTimeline& timeline = HostTimeline::instance();
    const double first = secondsToFrames(timeline.minTime()), last = secondsToFrames(timeline.maxTime());
    start_->setValue(first);
    end_->setValue(last);
    showing_ = true;
    slider_->setRange(static_cast<int>(std::floor(first)), static_cast<int>(std::ceil(last)));
    showing_ = false;
    showTime();
    showKeys();
}

void Timeline::showTime() {
    const double frame = secondsToFrames(HostTimeline::instance().currentTime());
    frame_->setValue(frame);
    showing_ = true;
    slider_->setValue(static_cast<int>(std::lround(frame)));
    showing_ = false;
}

void Timeline::showKeys() {
    std::vector<double> frames;
    for (const NodePtr& node : Scene::instance().selection()) addKeyFrames(*node, frames);
    std::sort(frames.begin(), frames.end());
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    slider_->setKeyFrames(std::move(frames));
}

void Timeline::goToFrame(double frame) {
    runCommand("currentTime", {frame}, false);
}

void Timeline::stepBy(double frames) {
    const HostTimeline& timeline = HostTimeline::instance();
    const double first = secondsToFrames(timeline.minTime()), last = secondsToFrames(timeline.maxTime());
    goToFrame(std::clamp(secondsToFrames(timeline.currentTime()) + frames, first, last));
}

void Timeline::togglePlay() {
    HostTimeline& timeline = HostTimeline::instance();
    if (timeline.isPlaying())
        timeline.stop();
    else
        timeline.play(true);
}

void Timeline::followPlaying() {
    const HostTimeline& timeline = HostTimeline::instance();
    const bool playing = timeline.isPlaying();
    button(Button::Play)
        .setIcon(style()->standardIcon(playing ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
    button(Button::Play).setToolTip(playing ? "Stop" : "Play");
    if (!playing) {
        player_.stop();
        return;
    }
    if (player_.isActive()) return;
    // One step of the playback every step's worth of frames at the scene's rate, counted on the clock
    // so that late timer events catch up instead of slowing the playback down.
    stepSeconds_ = framesToSeconds(timeline.playbackBy()) - framesToSeconds(0.0);
    stepsPlayed_ = 0;
    playClock_.start();
    player_.start(std::max(1, static_cast<int>(std::lround(stepSeconds_ * 1000.0 / 2.0))));
}

void Timeline::playDueSteps() {
    if (stepSeconds_ <= 0.0) return;
    const auto due =
        static_cast<long long>(static_cast<double>(playClock_.elapsed()) / 1000.0 / stepSeconds_);
    for (; stepsPlayed_ < due; ++stepsPlayed_)
        if (!HostTimeline::instance().step()) return;
}

void Timeline::onPlaying(bool, void* self) {
    static_cast<Timeline*>(self)->followPlaying();
}

} // namespace vex::host::gui
