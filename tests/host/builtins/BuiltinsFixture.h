#pragma once

#include "host/builtins/UiState.h"
#include "host/command/Value.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/CommandEngine.h"
#include "host/scene/Scene.h"
#include "host/scene/ScriptEditor.h"
#include "host/scene/Timeline.h"
#include "host/scene/UndoQueue.h"

#include <gtest/gtest.h>
#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MString.h>
#include <maya/MTime.h>

#include <sstream>
#include <string>

/// Each test starts from a new scene, an empty undo queue, no shelves or hotkeys and the default
/// units, and runs scripts through the host's command engine as plug-ins do.
class BuiltinsFixture : public ::testing::Test {
protected:
    BuiltinsFixture() {
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
    ~BuiltinsFixture() override {
        MDistance::setUIUnit(MDistance::kCentimeters);
        MAngle::setUIUnit(MAngle::kDegrees);
        MTime::setUIUnit(MTime::kFilm);
    }

    /// Runs a script with undo enabled; answers its last value and fails the test on error.
    static vex::host::command::Value run(const std::string& script) {
        vex::host::command::Value result;
        const MStatus status = vex::host::CommandEngine::get().execute(script, false, true, &result);
        EXPECT_TRUE(status) << script << "\n" << status.errorString().str();
        return result;
    }

    /// Runs a script that must fail; answers the error text.
    static std::string runFailing(const std::string& script) {
        const MStatus status = vex::host::CommandEngine::get().execute(script, false, true);
        EXPECT_FALSE(status) << script;
        return status.errorString().str();
    }

    static std::string text(const std::string& script) { return run(script).AsString(); }
    static double number(const std::string& script) { return run(script).AsDouble(); }

    /// The whole scene as text, with the keys of every anim curve.
    static std::string snapshot() {
        std::ostringstream out;
        out << vex::host::Scene::instance().dump();
        for (const auto& node : vex::host::Scene::instance().nodes())
            if (auto curve = vex::host::AnimCurveData::of(*node)) {
                out << "keys " << node->name();
                for (const auto& key : curve->keys()) out << " " << key.time << ":" << key.value;
                out << "\n";
            }
        out << "time " << vex::host::Scene::instance().currentTime() << "\n";
        return out.str();
    }
};
