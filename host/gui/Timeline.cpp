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
using builtins::units::FramesToSeconds;
using builtins::units::SecondsToFrames;

// The frames of every key on the anim curves that drive the node's attributes.
void AddKeyFrames(const Node& node, std::vector<double>& frames) {
    for (const Link& input : node.Inputs())
        if (NodePtr source = input.other.lock())
            if (auto curve = AnimCurveData::Of(*source))
                for (const AnimCurveData::Key& key : curve->Keys())
                    frames.push_back(SecondsToFrames(key.time));
}

} // namespace

Timeline::Timeline(QWidget* parent)
    : QWidget(parent), start_(new NumberField(this)), end_(new NumberField(this)),
      frame_(new NumberField(this)), slider_(new TimeSlider(this)),
      watcher_([this] { refresh(); }, [this] { ShowTime(); }) {
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
        if (!showing_) GoToFrame(frame);
    });
    frame_->OnEdited([this](double frame) { GoToFrame(frame); });
    start_->OnEdited([](double frame) { RunCommand("playbackOptions", {Flag{"-min"}, frame}); });
    end_->OnEdited([](double frame) { RunCommand("playbackOptions", {Flag{"-max"}, frame}); });
    connect(&button(Button::kToStart), &QToolButton::clicked, this,
            [this] { GoToFrame(SecondsToFrames(HostTimeline::Instance().minTime())); });
    connect(&button(Button::kToEnd), &QToolButton::clicked, this,
            [this] { GoToFrame(SecondsToFrames(HostTimeline::Instance().maxTime())); });
    connect(&button(Button::kStepBack), &QToolButton::clicked, this,
            [this] { StepBy(-HostTimeline::Instance().PlaybackBy()); });
    connect(&button(Button::kStepForward), &QToolButton::clicked, this,
            [this] { StepBy(HostTimeline::Instance().PlaybackBy()); });
    connect(&button(Button::kPlay), &QToolButton::clicked, this, [this] { TogglePlay(); });

    player_.setTimerType(Qt::PreciseTimer);
    connect(&player_, &QTimer::timeout, this, [this] { PlayDueSteps(); });
    playingCallback_ = MessageHub::get().addConditionCallback("playingBack", &Timeline::OnPlaying, this);
    FollowPlaying();
    refresh();
}

Timeline::~Timeline() {
    MessageHub::get().remove(playingCallback_);
}

QToolButton& Timeline::button(Button which) {
    return *buttons_[static_cast<int>(which)];
}

void Timeline::refresh() {
    const HostTimeline& timeline = HostTimeline::Instance();
    const double first = SecondsToFrames(timeline.minTime()), last = SecondsToFrames(timeline.maxTime());
    start_->setValue(first);
    end_->setValue(last);
    showing_ = true;
    slider_->setRange(static_cast<int>(std::floor(first)), static_cast<int>(std::ceil(last)));
    showing_ = false;
    ShowTime();
    ShowKeys();
}

void Timeline::ShowTime() {
    const double frame = SecondsToFrames(HostTimeline::Instance().currentTime());
    frame_->setValue(frame);
    showing_ = true;
    slider_->setValue(static_cast<int>(std::lround(frame)));
    showing_ = false;
}

void Timeline::ShowKeys() {
    std::vector<double> frames;
    for (const NodePtr& node : Scene::Instance().Selection()) AddKeyFrames(*node, frames);
    std::sort(frames.begin(), frames.end());
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    slider_->SetKeyFrames(std::move(frames));
}

void Timeline::GoToFrame(double frame) {
    RunCommand("currentTime", {frame}, false);
}

void Timeline::StepBy(double frames) {
    const HostTimeline& timeline = HostTimeline::Instance();
    const double first = SecondsToFrames(timeline.minTime()), last = SecondsToFrames(timeline.maxTime());
    GoToFrame(std::clamp(SecondsToFrames(timeline.currentTime()) + frames, first, last));
}

void Timeline::TogglePlay() {
    HostTimeline& timeline = HostTimeline::Instance();
    if (timeline.IsPlaying())
        timeline.stop();
    else
        timeline.Play(true);
}

void Timeline::FollowPlaying() {
    const HostTimeline& timeline = HostTimeline::Instance();
    const bool playing = timeline.IsPlaying();
    button(Button::kPlay)
        .setIcon(style()->standardIcon(playing ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
    button(Button::kPlay).setToolTip(playing ? "Stop" : "Play");
    if (!playing) {
        player_.stop();
        return;
    }
    if (player_.isActive()) return;
    // One step of the playback every step's worth of frames at the scene's rate, counted on the clock
    // so that late timer events catch up instead of slowing the playback down.
    stepSeconds_ = FramesToSeconds(timeline.PlaybackBy()) - FramesToSeconds(0.0);
    stepsPlayed_ = 0;
    playClock_.start();
    player_.start(std::max(1, static_cast<int>(std::lround(stepSeconds_ * 1000.0 / 2.0))));
}

void Timeline::PlayDueSteps() {
    if (stepSeconds_ <= 0.0) return;
    const auto due =
        static_cast<long long>(static_cast<double>(playClock_.elapsed()) / 1000.0 / stepSeconds_);
    for (; stepsPlayed_ < due; ++stepsPlayed_)
        if (!HostTimeline::Instance().step()) return;
}

void Timeline::OnPlaying(bool, void* self) {
    static_cast<Timeline*>(self)->FollowPlaying();
}

} // namespace vex::host::gui
