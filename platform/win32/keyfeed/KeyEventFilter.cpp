#include "platform/win32/keyfeed/KeyEventFilter.h"

#include "platform/win32/KeyTranslation.h"

#include <QKeyEvent>

namespace vex::platform::win32 {

bool KeyEventFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType()) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    // A held key repeats as presses only, as the hooks know it; Qt's releases between repeats are
    // not passed on.
    if (type == QEvent::KeyRelease && key->isAutoRepeat()) return false;
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    return DispatchQtKeyEvent(key->key(), modifiers.testFlag(Qt::KeypadModifier), type == QEvent::KeyPress,
                              key->isAutoRepeat(), modifiers.testFlag(Qt::AltModifier));
}

} // namespace vex::platform::win32
