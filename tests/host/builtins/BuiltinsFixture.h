#pragma once

#include "host/builtins/UiState.h"
#include "host/command/Value.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/CommandEngine.h"
#include "host/scene/MeshData.h"
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
#include <vector>

/// Each test starts from a new scene, an empty undo queue, no shelves or hotkeys and the default
/// units, and runs scripts through the host's command engine as plug-ins do.
class BuiltinsFixture : public ::testing::Test {
protected:
    BuiltinsFixture() {
        vex::host::CommandEngine::get();
        vex::host::Scene::Instance().Reset();
        vex::host::Timeline::Instance().Reset();
        vex::host::UndoQueue::get().Flush();
        vex::host::builtins::UiState::get().Reset();
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
    static vex::host::command::Value Run(const std::string& script) {
        vex::host::command::Value result;
        const MStatus status = vex::host::CommandEngine::get().Execute(script, false, true, &result);
        EXPECT_TRUE(status) << script << "\n" << status.errorString().str();
        return result;
    }

    /// Runs a script that must fail; answers the error text.
    static std::string RunFailing(const std::string& script) {
        const MStatus status = vex::host::CommandEngine::get().Execute(script, false, true);
        EXPECT_FALSE(status) << script;
        return status.errorString().str();
    }

    /// Runs a call that must be refused: the scene stays as it was, the undo queue takes nothing and
    /// exactly one error is shown. Answers the error.
    static std::string Refused(const std::string& script) {
        using vex::host::ScriptEditor;
        const std::string before = Snapshot();
        const auto queued = vex::host::UndoQueue::get().size();
        ScriptEditor::get().clear();
        RunFailing(script);
        EXPECT_EQ(Snapshot(), before) << script;
        EXPECT_EQ(vex::host::UndoQueue::get().size(), queued) << script;
        std::vector<std::string> errors;
        for (const auto& line : ScriptEditor::get().Lines())
            if (line.kind == ScriptEditor::Kind::kError) errors.push_back(line.text);
        EXPECT_EQ(errors.size(), 1u) << script;
        return errors.empty() ? std::string() : errors.front();
    }

    /// Runs a script that changes the scene as one undo step: undo gives the scene before it back,
    /// redo the scene after it.
    static void ExpectOneUndoStep(const std::string& script) {
        const std::string before = Snapshot();
        const auto queued = vex::host::UndoQueue::get().Position();
        Run(script);
        const std::string after = Snapshot();
        EXPECT_NE(after, before) << script;
        EXPECT_EQ(vex::host::UndoQueue::get().Position(), queued + 1) << script;
        Run("undo");
        EXPECT_EQ(Snapshot(), before) << script;
        Run("redo");
        EXPECT_EQ(Snapshot(), after) << script;
    }

    static std::string text(const std::string& script) { return Run(script).AsString(); }
    static double Number(const std::string& script) { return Run(script).AsDouble(); }

    /// The mesh a mesh shape holds, or null.
    static std::shared_ptr<const vex::host::MeshData> MeshOf(const std::string& name) {
        auto node = vex::host::Scene::Instance().findNode(name);
        if (!node) return nullptr;
        const auto value = node->StoredValue(*node->FindAttribute("outMesh"));
        const auto* data = std::get_if<vex::host::DataPtr>(&value);
        return data ? std::dynamic_pointer_cast<const vex::host::MeshData>(*data) : nullptr;
    }

    /// The whole scene as text, with the keys of every anim curve.
    static std::string Snapshot() {
        std::ostringstream out;
        out << vex::host::Scene::Instance().Dump();
        for (const auto& node : vex::host::Scene::Instance().nodes())
            if (auto curve = vex::host::AnimCurveData::Of(*node)) {
                out << "keys " << node->name();
                for (const auto& key : curve->Keys()) out << " " << key.time << ":" << key.value;
                out << "\n";
            }
        out << "time " << vex::host::Scene::Instance().currentTime() << "\n";
        return out.str();
    }
};
