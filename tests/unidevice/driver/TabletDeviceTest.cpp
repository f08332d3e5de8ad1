#include "unidevice/driver/TabletDevice.h"

#include "platform/win32/WindowProcedures.h"
#include "platform/wintab/Wintab.h"
#include "tests/unidevice/TestDevices.h"
#include "unidevice/DummyDriver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

namespace vex::unidevice::test {
namespace {

namespace wt = platform::wintab;
namespace win32 = platform::win32;
using driver::TabletDevice;

// A scripted tablet: 0..20000 across, azimuth 0..3600, altitude 0..900, three buttons.
struct FakeTablet {
    static inline std::string name_ = "WACOM Intuos";
    static inline bool orientation_ = true;
    static inline wt::PACKET next_{};
    static inline int closes_ = 0;

    static wt::UINT Info(wt::UINT category, wt::UINT index, void* output) {
        if (category == wt::WTI_DEVICES && index == wt::DVC_NAME) {
            if (output != nullptr) std::memcpy(output, name_.c_str(), name_.size() + 1);
            return static_cast<wt::UINT>(name_.size() + 1);
        }
        if (category == wt::WTI_DEVICES && (index == wt::DVC_X || index == wt::DVC_Y)) {
            if (output != nullptr) *static_cast<wt::AXIS*>(output) = {0, 20000, 0, 0};
            return sizeof(wt::AXIS);
        }
        if (category == wt::WTI_DEVICES && index == wt::DVC_ORIENTATION && orientation_) {
            auto* axes = static_cast<wt::AXIS*>(output);
            axes[0] = {0, 3600, 0, 0};
            axes[1] = {-900, 900, 0, 0};
            axes[2] = {0, 3600, 0, 0};
            return 3 * sizeof(wt::AXIS);
        }
        if (category == wt::WTI_CURSORS && index == wt::CSR_BUTTONS) {
            *static_cast<int*>(output) = 3;
            return sizeof(int);
        }
        if (category == wt::WTI_DEFCONTEXT) return sizeof(wt::LOGCONTEXTA);
        return 0;
    }
    static wt::HCTX Open(win32::HWND, wt::LOGCONTEXTA* context, wt::BOOL) {
        EXPECT_NE(context->lcOptions & wt::CXO_MESSAGES, 0u);
        return reinterpret_cast<wt::HCTX>(0x77);
    }
    static wt::BOOL Close(wt::HCTX) {
        ++closes_;
        return win32::TRUE;
    }
    static wt::BOOL Packet(wt::HCTX, wt::UINT, void* packet) {
        *static_cast<wt::PACKET*>(packet) = next_;
        return win32::TRUE;
    }
    static wt::WintabFunctions Functions() {
        wt::WintabFunctions functions;
        functions.WTInfoA = &Info;
        functions.WTOpenA = &Open;
        functions.WTClose = &Close;
        functions.WTPacket = &Packet;
        return functions;
    }
};

class TabletDeviceTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        dummy_ = new DummyDriver;
        FakeTablet::name_ = "WACOM Intuos";
        FakeTablet::orientation_ = true;
        FakeTablet::closes_ = 0;
    }
    DummyDriver* dummy_ = nullptr;
};

TEST_F(TabletDeviceTest, ThisPlatformHasNoTablet) {
    EXPECT_EQ(TabletDevice::Create(wt::LoadWintab()), nullptr);
    EXPECT_EQ(TabletDevice::Create(wt::WintabFunctions{}), nullptr) << "library not loaded";
    FakeTablet::name_ = "Other Pen";
    EXPECT_EQ(TabletDevice::Create(FakeTablet::Functions()), nullptr) << "only a WACOM tablet";
    EXPECT_EQ(registry_.getDeviceCount(), 0);
}

TEST_F(TabletDeviceTest, AWacomTabletGetsItsControlsAndReadsPacketsFromItsWindow) {
    TabletDevice* tablet = TabletDevice::Create(FakeTablet::Functions());
    ASSERT_NE(tablet, nullptr);
    EXPECT_EQ(tablet->getName(), "WACOM Intuos");
    EXPECT_EQ(tablet->GetDriver(), dummy_);
    ASSERT_EQ(tablet->getControlCount(), 8);
    const char* descriptions[] = {"Cursor X",     "Cursor Y", "Tilt X",   "Tilt Y",
                                  "Pen pressure", "Button 0", "Button 1", "Button 2"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(tablet->getControl(i)->getDescription(), descriptions[i]);
        EXPECT_EQ(tablet->getControl(i)->GetThreshold(), 0.0);
        EXPECT_EQ(tablet->getControl(i)->GetKind(), i < 5 ? kFiniteControl : kBinaryControl);
    }
    EXPECT_EQ(tablet->getControl(4)->GetType(), "Axis");
    EXPECT_EQ(tablet->getControl(4)->GetIndex(), 4);
    EXPECT_EQ(tablet->getControl(6)->GetType(), "Button");
    EXPECT_EQ(tablet->getControl(6)->GetIndex(), 1);

    FakeTablet::next_ = {0x2, 15000, 5000, 500, {0, 900, 0}};
    win32::SendMessageA(tablet->GetWindow(), wt::WT_PACKET, 1, 0x77);
    EXPECT_DOUBLE_EQ(tablet->getControl(0)->getValue(), 0.5);
    EXPECT_DOUBLE_EQ(tablet->getControl(1)->getValue(), -0.5);
    EXPECT_DOUBLE_EQ(tablet->getControl(4)->getValue(), 0.5);
    EXPECT_EQ(tablet->getControl(6)->getValue(), 1.0);

    // A packet of another context is not read.
    FakeTablet::next_.pkX = 20000;
    win32::SendMessageA(tablet->GetWindow(), wt::WT_PACKET, 2, 0x78);
    EXPECT_DOUBLE_EQ(tablet->getControl(0)->getValue(), 0.5);

    tablet->destroy();
    EXPECT_EQ(FakeTablet::closes_, 1);
}

TEST_F(TabletDeviceTest, PacketMaths) {
    TabletDevice::Scales scales;
    scales.xExtent = 1000.0;
    scales.yExtent = 2000.0;
    scales.orientation = true;
    scales.azimuthScale = 3600.0 / (2.0 * std::numbers::pi);
    scales.altitudeScale = 900.0;
    auto* tablet = new TabletDevice("WACOM", scales, 2);
    auto value = [&](int i) { return tablet->getControl(i)->getValue(); };

    // Pen leaning half way toward azimuth 90 degrees.
    tablet->HandlePacket({0x1, 250, 2000, 250, {900, 450, 0}});
    EXPECT_DOUBLE_EQ(value(0), -0.5);
    EXPECT_DOUBLE_EQ(value(1), 1.0);
    EXPECT_NEAR(value(2), 0.5, 1e-12);
    EXPECT_NEAR(value(3), 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(value(4), 0.25);
    EXPECT_EQ(value(5), 1.0);
    EXPECT_EQ(value(6), 0.0);

    // The eraser end (negative altitude) gives negative pressure; the tilt uses the magnitude.
    tablet->HandlePacket({0x2, 0, 0, 800, {1800, -900, 0}});
    EXPECT_DOUBLE_EQ(value(0), -0.5) << "x of 0 keeps the cursor";
    EXPECT_DOUBLE_EQ(value(1), 1.0);
    EXPECT_NEAR(value(2), 0.0, 1e-12) << "upright";
    EXPECT_NEAR(value(3), 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(value(4), -0.8);
    EXPECT_EQ(value(5), 0.0);
    EXPECT_EQ(value(6), 1.0);
    EXPECT_DOUBLE_EQ(tablet->getControl(4)->GetPrevious(), 0.25);

    // Lying flat toward azimuth 0 leans fully along Y.
    tablet->HandlePacket({0, 500, 1000, 0, {0, 1, 0}});
    EXPECT_NEAR(value(3), 1.0 - 1.0 / 900.0, 1e-12);
    EXPECT_DOUBLE_EQ(value(0), 0.0);
    EXPECT_DOUBLE_EQ(value(1), 0.0);

    // Without orientation: no tilt pair, and the pen counts as the tip.
    auto* flat = new TabletDevice("WACOM", TabletDevice::Scales{1000.0, 1000.0}, 0);
    ASSERT_EQ(flat->getControlCount(), 3);
    EXPECT_EQ(flat->getControl(2)->getDescription(), "Pen pressure");
    EXPECT_EQ(flat->getControl(2)->GetIndex(), 2);
    flat->HandlePacket({0, 100, 900, 1000, {0, 0, 0}});
    EXPECT_DOUBLE_EQ(flat->getControl(0)->getValue(), -0.8);
    EXPECT_DOUBLE_EQ(flat->getControl(1)->getValue(), 0.8);
    EXPECT_DOUBLE_EQ(flat->getControl(2)->getValue(), 1.0);
}

} // namespace
} // namespace vex::unidevice::test
