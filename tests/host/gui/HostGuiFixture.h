#pragma once

#include "host/command/Value.h"
#include "host/scene/Scene.h"
#include "tests/host/builtins/BuiltinsFixture.h"
#include "tests/support/WidgetApplication.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <maya/MString.h>

#include <string>

/// The builtins' fixture (a new scene, an empty undo queue, the default units) in the offscreen widget
/// application; scripts run through the host's command engine as typed commands do, and the widgets
/// hear of them before the test looks.
class HostGuiFixture : public BuiltinsFixture {
protected:
    HostGuiFixture() { vex::test::WidgetApplication(); }

    /// Runs a script with undo enabled, failing the test on error, then lets the widgets hear of it.
    static vex::host::command::Value RunAndSettle(const std::string& script) {
        vex::host::command::Value result = BuiltinsFixture::Run(script);
        Settle();
        return result;
    }

    /// Delivers the host's messages queued for the widgets.
    static void Settle() { QCoreApplication::processEvents(); }

    static vex::host::NodePtr node(const std::string& name) {
        return vex::host::Scene::Instance().findNode(name);
    }
};
