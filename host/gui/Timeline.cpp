#include "host/gui/Timeline.h"

#include "host/gui/HostCommands.h"

#include "host/builtins/Units.h"
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
    : QWidget(parent), m_start(new NumberField(this)), m_end(new NumberField(this)),
      m_frame(new NumberField(this)), m_slider(new TimeSlider(this)),
      m_watcher([this] { refresh(); }, [this] { showTime(); }) {
    const QStyle::StandardPixmap icons[] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                            QStyle::SP_MediaPlay, QStyle::SP_MediaSeekForward,
                                            QStyle::SP_MediaSkipForward};
    const char* tips[] = {"Go to start", "Step back one frame", "Play", "Step forward one frame",
                          "Go to end"};
    for (int i = 0; i < 5; ++i) {
        m_buttons[i] = new QToolButton(this);
        m_buttons[i]->setIcon(style()->standardIcon(icons[i]));
        m_buttons[i]->setToolTip(tips[i]);
    }
    for (NumberField* field : {m_start, m_end, m_frame})
        field->setFixedWidth(fontMetrics().horizontalAdvance("000000") + 12);
    m_start->setToolTip("Playback start");
    m_end->setToolTip("Playback end");
    m_frame->setToolTip("Current frame");

    auto* row = new QHBoxLayout(this);
    row->addWidget(m_start);
    row->addWidget(m_slider, 1);
    row->addWidget(m_end);
    row->addWidget(m_frame);
    for (QToolButton* button : m_buttons) row->addWidget(button);

    connect(m_slider, &QSlider::valueChanged, this, [this](int frame) {
        if (!m_showing) goToFrame(frame);
    });
    m_frame->onEdited([this](double frame) { goToFrame(frame); });
    m_start->onEdited([](double frame) { runCommand("playbackOptions", {Flag{"-min"}, frame}); });
    m_end->onEdited([](double frame) { runCommand("playbackOptions", {Flag{"-max"}, frame}); });
    connect(&button(Button::ToStart), &QToolButton::clicked, this,
            [this] { goToFrame(secondsToFrames(HostTimeline::instance().minTime())); });
    connect(&button(Button::ToEnd), &QToolButton::clicked, this,
            [this] { goToFrame(secondsToFrames(HostTimeline::instance().maxTime())); });
    connect(&button(Button::StepBack), &QToolButton::clicked, this,
            [this] { stepBy(-HostTimeline::instance().playbackBy()); });
    connect(&button(Button::StepForward), &QToolButton::clicked, this,
            [this] { stepBy(HostTimeline::instance().playbackBy()); });
    connect(&button(Button::Play), &QToolButton::clicked, this, [this] { togglePlay(); });

    m_player.setTimerType(Qt::PreciseTimer);
    connect(&m_player, &QTimer::timeout, this, [this] { playDueSteps(); });
    m_playingCallback = MessageHub::get().addConditionCallback("playingBack", &Timeline::onPlaying, this);
    followPlaying();
    refresh();
}

Timeline::~Timeline() {
    MessageHub::get().remove(m_playingCallback);
}

QToolButton& Timeline::button(Button which) {
    return *m_buttons[static_cast<int>(which)];
}

void Timeline::refresh() {
    const HostTimeline& timeline = HostTimeline::instance();
    const double first = secondsToFrames(timeline.minTime()), last = secondsToFrames(timeline.maxTime());
    m_start->setValue(first);
    m_end->setValue(last);
    m_showing = true;
    m_slider->setRange(static_cast<int>(std::floor(first)), static_cast<int>(std::ceil(last)));
    m_showing = false;
    showTime();
    showKeys();
}

void Timeline::showTime() {
    const double frame = secondsToFrames(HostTimeline::instance().currentTime());
    m_frame->setValue(frame);
    m_showing = true;
    m_slider->setValue(static_cast<int>(std::lround(frame)));
    m_showing = false;
}

void Timeline::showKeys() {
    std::vector<double> frames;
    for (const NodePtr& node : Scene::instance().selection()) addKeyFrames(*node, frames);
    std::sort(frames.begin(), frames.end());
    frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
    m_slider->setKeyFrames(std::move(frames));
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
        m_player.stop();
        return;
    }
    if (m_player.isActive()) return;
    // One step of the playback every step's worth of frames at the scene's rate, counted on the clock
    // so that late timer events catch up instead of slowing the playback down.
    m_stepSeconds = framesToSeconds(timeline.playbackBy()) - framesToSeconds(0.0);
    m_stepsPlayed = 0;
    m_playClock.start();
    m_player.start(std::max(1, static_cast<int>(std::lround(m_stepSeconds * 1000.0 / 2.0))));
}

void Timeline::playDueSteps() {
    if (m_stepSeconds <= 0.0) return;
    const auto due =
        static_cast<long long>(static_cast<double>(m_playClock.elapsed()) / 1000.0 / m_stepSeconds);
    for (; m_stepsPlayed < due; ++m_stepsPlayed)
        if (!HostTimeline::instance().step()) return;
}

void Timeline::onPlaying(bool, void* self) {
    static_cast<Timeline*>(self)->followPlaying();
}

} // namespace vex::host::gui
