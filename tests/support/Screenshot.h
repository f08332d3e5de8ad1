#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

#include <string>

namespace vex::test {

/// The factor the test process draws at (QT_SCALE_FACTOR; 1 when unset), for names and checks.
inline double ScaleFactor() {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0.0 ? factor : 1.0;
}

/// Saves a picture of `widget` as build/screenshots/<name>.png (<name>@2x.png at scale 2) for review;
/// false when the folder or file cannot be written. Builds without a screenshot folder save nothing.
inline bool SaveScreenshot(QWidget& widget, const std::string& name) {
#ifdef TORVA_SCREENSHOT_DIR
    const QString folder = QStringLiteral(TORVA_SCREENSHOT_DIR);
    if (!QDir().mkpath(folder)) return false;
    const double scale = ScaleFactor();
    const QString suffix = scale == 1.0 ? QString() : QStringLiteral("@%1x").arg(scale);
    return widget.grab().save(folder + "/" + QString::fromStdString(name) + suffix + ".png");
#else
    (void)widget;
    (void)name;
    return true;
#endif
}

} // namespace vex::test
