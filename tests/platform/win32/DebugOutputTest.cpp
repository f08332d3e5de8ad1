#include "platform/win32/DebugOutput.h"

#include "platform/win32/DebugOutputRecorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vex::platform::win32 {
namespace {

using Lines = std::vector<std::string>;

TEST(DebugOutput, EachCallIsOneLineAndTheFormerSinkComesBack) {
    DebugOutputRecorder outer;
    OutputDebugStringA("first\n");
    {
        DebugOutputRecorder inner;
        OutputDebugStringA("second");
        OutputDebugStringA(nullptr);
        EXPECT_EQ(inner.Lines(), (Lines{"second", ""}));
    }
    OutputDebugStringA("third");
    EXPECT_EQ(outer.Lines(), (Lines{"first", "third"}));
}

TEST(DebugOutput, WithoutASinkALineGoesToStandardError) {
    const DebugOutputSink previous = SetDebugOutputSink({});
    ::testing::internal::CaptureStderr();
    OutputDebugStringA("Error initializing 3dxmouse device.\n");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error initializing 3dxmouse device.\n");
    SetDebugOutputSink(previous);
}

} // namespace
} // namespace vex::platform::win32
