#include "platform/win32/keyfeed/KeyboardFeed.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "platform/win32/Clock.h"
#include "platform/win32/Hooks.h"
#include "platform/win32/keyfeed/RawKeyListener.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/ToolTestSupport.h"
#include "tests/support/WidgetApplication.h"
#include "unidevice/Control.h"
#include "unidevice/DeviceRegistry.h"
#include "util/xml/Element.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace vex::orb::core::test {
namespace {

namespace win32 = platform::win32;

// A window of the process that counts the key presses that reach it.
class KeyCountingWidget : public QWidget {
public:
    std::vector<int> pressed;

protected:
    void keyPressEvent(QKeyEvent* event) override { pressed.push_back(event->key()); }
};

// Real key events, as the window system delivers them, to a shown window of the process, while the
// core runs on the in-memory host with the keyboard feed started.
class KeyboardFeedTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        if (vex::test::WidgetApplication() == nullptr)
            GTEST_SKIP() << "the process runs no widget application";
        host_ = std::make_unique<adaptor::memory::MemoryAdaptor>(25.0);
        core_ = FindCore();
        ASSERT_NE(core_, nullptr);
        ASSERT_TRUE(win32::KeyboardFeed::Instance().IsRunning());
        widget_ = std::make_unique<KeyCountingWidget>();
        widget_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget_.get()));
        window_ = widget_->windowHandle();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        widget_.reset();
        host_.reset();
        EXPECT_FALSE(win32::KeyboardFeed::Instance().IsRunning()) << "the core stops the feed";
        RegistryTest::TearDown();
    }

    std::unique_ptr<adaptor::memory::MemoryAdaptor> host_;
    CoreImplementation* core_ = nullptr;
    std::unique_ptr<KeyCountingWidget> widget_;
    QWindow* window_ = nullptr;
};

// What a hook of the chain saw: (virtual key, key data).
std::vector<std::pair<int, win32::LPARAM>> seen;
int swallowed = 0; // the virtual key the hook swallows

win32::LRESULT Recorder(int code, win32::WPARAM key, win32::LPARAM data) {
    seen.emplace_back(static_cast<int>(key), data);
    if (static_cast<int>(key) == swallowed) return 1;
    return win32::CallNextHookEx(nullptr, code, key, data);
}

TEST_F(KeyboardFeedTest, EachKeyRunsTheHookChainOnceAndASwallowedKeyNeverReachesTheWindow) {
    seen.clear();
    swallowed = 'Q';
    win32::HHOOK hook =
        win32::SetWindowsHookEx(win32::WH_KEYBOARD, Recorder, nullptr, win32::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);

    QTest::keyClick(window_, Qt::Key_A);
    ASSERT_EQ(seen.size(), 2u) << "one press and one release, though the widget and the window both see it";
    EXPECT_EQ(seen[0].first, 'A');
    EXPECT_EQ(seen[0].second & win32::kKeyDataUp, 0);
    EXPECT_NE(seen[1].second & win32::kKeyDataUp, 0);
    EXPECT_EQ(widget_->pressed, std::vector<int>{Qt::Key_A});

    // The key, not the character: Shift+1 is the "1" key.
    seen.clear();
    QTest::keyClick(window_, Qt::Key_Exclam, Qt::ShiftModifier);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].first, win32::VK_SHIFT);
    EXPECT_EQ(seen[1].first, '1');

    QTest::keyClick(window_, Qt::Key_Q);
    EXPECT_EQ(widget_->pressed.back(), Qt::Key_Exclam) << "the swallowed Q never reached the window";
    win32::UnhookWindowsHookEx(hook);
}

TEST_F(KeyboardFeedTest, KeysMoveAKeyboardChannelAndSpaceStopsATake) {
    unidevice::DeviceRegistry& registry = unidevice::DeviceRegistry::Instance();
    util::xml::Element binding;
    ASSERT_EQ(binding.Parse("<control device=\"Keyboard\" type=\"K\" index=\"0\"/>"), 0);
    unidevice::Control* k = registry.findControl(binding);
    ASSERT_NE(k, nullptr);
    ASSERT_TRUE(registry.startAll());
    QTest::keyPress(window_, Qt::Key_K);
    EXPECT_EQ(k->getValue(), 1.0);
    QTest::keyRelease(window_, Qt::Key_K);
    EXPECT_EQ(k->getValue(), 0.0);
    registry.stopAll();

    host_->setPlaybackRange({0.0, 10.0});
    core_->GetSettings().countdown = 0;
    platform::win32::FakeClock clock;
    clock.Set(1000);
    ASSERT_EQ(core_->StartRecording(), 0);
    ASSERT_TRUE(core_->IsRecording());
    QTest::keyClick(window_, Qt::Key_Space);
    EXPECT_FALSE(core_->IsRecording());
}

TEST(RawKeyListener, KeysymsAreTheirKeysWhateverTheLevel) {
    bool keypad = true;
    EXPECT_EQ(win32::RawKeyListener::VirtualKeyFromKeysym(XK_a, keypad), 'A');
    EXPECT_FALSE(keypad);
    EXPECT_EQ(win32::RawKeyListener::VirtualKeyFromKeysym(XK_1, keypad), '1');
    EXPECT_EQ(win32::RawKeyListener::VirtualKeyFromKeysym(XK_space, keypad), win32::VK_SPACE);
    EXPECT_EQ(win32::RawKeyListener::VirtualKeyFromKeysym(XK_Escape, keypad), win32::VK_ESCAPE);
    EXPECT_EQ(win32::RawKeyListener::VirtualKeyFromKeysym(XK_Control_R, keypad), win32::VK_CONTROL);
    EXPECT_EQ(win32::RawKeyListener::VirtualKeyFromKeysym(XK_F12, keypad), 0x7B);
    EXPECT_EQ(win32::RawKeyListener::VirtualKeyFromKeysym(XK_KP_7, keypad), 0x67); // VK_NUMPAD7
    EXPECT_TRUE(keypad);
    EXPECT_EQ(win32::RawKeyListener::VirtualKeyFromKeysym(XK_Multi_key, keypad), 0);
}

} // namespace
} // namespace vex::orb::core::test
