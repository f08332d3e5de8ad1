#pragma once

// A windowless Qt session for programs that open no window (they draw only into images, or run
// scripts in batch): the offscreen platform unless the user chose another, and none of the notices
// that platform prints about window features it lacks (size hints, raising) or the runtime folder a
// display session would have. Every other message goes where it went before.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace vex::platform::qt {

namespace detail {
inline QtMessageHandler previousHandler = nullptr;

inline bool IsWindowingNotice(const QString& text) {
    return text.startsWith(QLatin1String("This plugin does not support")) ||
           text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

inline void FilterWindowingNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && IsWindowingNotice(text)) return;
    if (previousHandler != nullptr) previousHandler(type, context, text);
}
} // namespace detail

/// Call before any Qt application object exists (before a plug-in that makes one is loaded).
inline void BeginOffscreenSession() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    detail::previousHandler = qInstallMessageHandler(detail::FilterWindowingNotices);
}

} // namespace vex::platform::qt
