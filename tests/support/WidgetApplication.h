#pragma once

#include <QApplication>
#include <QByteArray>

namespace vex::test {

/// The widget application of a test program, on the offscreen platform, made on first use; null
/// when the process already runs an application without widgets.
inline QApplication* WidgetApplication() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return app;
    if (QCoreApplication::instance() != nullptr) return nullptr;
    static int argc = 1;
    static char name[] = "torva_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
}

} // namespace vex::test
