#pragma once

#include "tests/support/WidgetApplication.h"

#include "host/builtins/UiState.h"
#include "host/command/Value.h"
#include "host/scene/CommandEngine.h"
#include "host/scene/Scene.h"
#include "host/scene/ScriptEditor.h"
#include "host/scene/Timeline.h"
#include "host/scene/UndoQueue.h"

#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MString.h>
#include <maya/MTime.h>

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <string>

/// Each test starts from a new scene with an empty undo queue and the default units, in the offscreen
/// widget application; scripts run through the host's command engine as typed commands do.
class HostGuiFixture : public ::testing::Test {
protected:
    HostGuiFixture() {
        vex::test::WidgetApplication();
        vex::host::CommandEngine::get();
        vex::host::Scene::instance().reset();
        vex::host::Timeline::instance().reset();
        vex::host::UndoQueue::get().flush();
        vex::host::builtins::UiState::get().reset();
        vex::host::ScriptEditor::get().clear();
        MDistance::setUIUnit(MDistance::kCentimeters);
        MAngle::setUIUnit(MAngle::kDegrees);
        MTime::setUIUnit(MTime::kFilm);
    }

    /// Runs a script with undo enabled, failing the test on error, then lets the widgets hear of it.
    static vex::host::command::Value run(const std::string& script) {
        vex::host::command::Value result;
        const MStatus status = vex::host::CommandEngine::get().execute(script, false, true, &result);
        EXPECT_TRUE(status) << script << "\n" << status.errorString().str();
        settle();
        return result;
    }

    /// Delivers the host's messages queued for the widgets.
    static void settle() { QCoreApplication::processEvents(); }

    static vex::host::NodePtr node(const std::string& name) {
        return vex::host::Scene::instance().findNode(name);
    }
};
