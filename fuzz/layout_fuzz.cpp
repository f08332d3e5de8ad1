// Reads arbitrary bytes as a window's layout file through the component builder, as a window of the
// core builds itself, on the offscreen platform: making the component tree and its widgets, laying
// them out and describing what went wrong must never crash, hang or leak, and the report must agree
// with the tree (a file that reads and parses and whose root is made reports no XML error).

#include "fuzz/FuzzFolder.h"
#include "gui/BuildReport.h"
#include "gui/ComponentBuilder.h"
#include "gui/qt/Realisation.h"
#include "platform/win32/DebugOutput.h"

#include <QApplication>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "layout_fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        vex::platform::win32::SetDebugOutputSink([](const std::string&) {});
        return new QApplication(argc, argv);
    }();
    return *app;
}

} // namespace

// The font configuration library Qt starts keeps a cache it never frees; that is not the layout's.
extern "C" const char* __lsan_default_suppressions() { // NOLINT(readability-identifier-naming)
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    App();
    const std::string file = vex::fuzz::FuzzFolder::Get().Write(
        "layout.xml", std::string_view(reinterpret_cast<const char*>(data), size));

    vex::gui::BuildReport report;
    const std::unique_ptr<vex::gui::Component> root =
        vex::gui::ComponentBuilder::CreateFromFile(file, &report);
    const std::string message = report.Message();
    if (report.Ok() != message.empty() || (root != nullptr && report.xmlStatus != 0)) {
        std::fprintf(stderr, "report (status %d) says \"%s\" of a tree that is %s\n", report.xmlStatus,
                     message.c_str(), root != nullptr ? "made" : "not made");
        std::abort();
    }
    if (QWidget* widget = vex::gui::qt::AsWidget(root.get())) widget->adjustSize();
    return 0;
}
