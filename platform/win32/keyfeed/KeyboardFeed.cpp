#include "platform/win32/keyfeed/KeyboardFeed.h"

#include "platform/win32/keyfeed/KeyEventFilter.h"
#include "platform/win32/keyfeed/RawKeyListener.h"

#include <QGuiApplication>

namespace vex::platform::win32 {

KeyboardFeed& KeyboardFeed::Instance() {
    static KeyboardFeed feed;
    return feed;
}

KeyboardFeed::KeyboardFeed() = default;

KeyboardFeed::~KeyboardFeed() = default;

bool KeyboardFeed::Start() {
    if (filter_ != nullptr) return true;
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (application == nullptr) return false;
    filter_ = std::make_unique<KeyEventFilter>();
    application->installEventFilter(filter_.get());
    // Global keys need a display server that reports them; on others the windows' keys suffice.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        rawKeys_ = std::make_unique<RawKeyListener>();
        if (!rawKeys_->IsActive()) rawKeys_.reset();
    }
    return true;
}

void KeyboardFeed::Stop() {
    rawKeys_.reset();
    if (filter_ == nullptr) return;
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(filter_.get());
    filter_.reset();
}

bool KeyboardFeed::HasRawKeys() const {
    return rawKeys_ != nullptr;
}

} // namespace vex::platform::win32
