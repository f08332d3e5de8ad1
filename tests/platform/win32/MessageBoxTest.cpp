#include "platform/win32/MessageBox.h"

#include "platform/win32/Errors.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

using namespace vex::platform::win32;

namespace {

class Win32MessageBox : public ::testing::Test {
protected:
    void TearDown() override { SetMessageBoxSilent(false); }
};

} // namespace

TEST_F(Win32MessageBox, RecorderKeepsEveryBoxAndAnswersFromItsScript) {
    MessageBoxRecorder recorder;
    recorder.Answer(IDNO);
    recorder.Answer(IDCANCEL);
    const auto owner = reinterpret_cast<HWND>(0x1234);
    EXPECT_EQ(MessageBox(owner, "Delete the instance?", "Confirm", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Save first?", "Confirm", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(
        MessageBox(nullptr, "ERROR: Using CORE pointer before being correctly initialized!", nullptr, MB_OK),
        IDOK);

    ASSERT_EQ(recorder.Boxes().size(), 3u);
    EXPECT_EQ(recorder.Boxes()[0].owner, owner);
    EXPECT_EQ(recorder.Boxes()[0].text, "Delete the instance?");
    EXPECT_EQ(recorder.Boxes()[0].caption, "Confirm");
    EXPECT_EQ(recorder.Boxes()[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(recorder.Boxes()[2].caption, "Error"); // no title given, as Windows shows it

    recorder.Clear();
    EXPECT_TRUE(recorder.Boxes().empty());
}

TEST_F(Win32MessageBox, SilentFlagSuppressesBoxesWhichAnswerTheirDefaultButton) {
    MessageBoxRecorder recorder;
    recorder.Answer(IDNO);
    SetMessageBoxSilent(true);
    EXPECT_TRUE(IsMessageBoxSilent());
    EXPECT_EQ(MessageBox(nullptr, "text", "caption", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_EQ(MessageBox(nullptr, "text", "caption", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBox(nullptr, "text", "caption", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "text", "caption", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "text", "caption", MB_YESNO | MB_DEFBUTTON3), IDYES); // no third button
    EXPECT_TRUE(recorder.Boxes().empty());

    SetMessageBoxSilent(false);
    EXPECT_EQ(MessageBox(nullptr, "text", "caption", MB_YESNO), IDNO);
    EXPECT_EQ(recorder.Boxes().size(), 1u);
}

TEST_F(Win32MessageBox, RecordersNestAndRestoreThePreviousPresenter) {
    MessageBoxRecorder outer;
    {
        MessageBoxRecorder inner;
        MessageBox(nullptr, "inner", "c", MB_OK);
        EXPECT_EQ(inner.Boxes().size(), 1u);
    }
    MessageBox(nullptr, "outer", "c", MB_OK);
    ASSERT_EQ(outer.Boxes().size(), 1u);
    EXPECT_EQ(outer.Boxes()[0].text, "outer");
}

TEST_F(Win32MessageBox, WithoutPresenterABoxIsOneLineOnStderr) {
    const MessageBoxPresenter previous = SetMessageBoxPresenter(nullptr);
    ::testing::internal::CaptureStderr();
    const int answer = MessageBox(nullptr, "Could not read\nthe file", "Torva Suite", MB_OKCANCEL);
    const std::string written = ::testing::internal::GetCapturedStderr();
    SetMessageBoxPresenter(previous);
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(written, "Torva Suite: Could not read the file\n");
}

TEST_F(Win32MessageBox, ReportLastErrorBuildsTheWindowsStyleText) {
    MessageBoxRecorder recorder;
    SetLastError(ERROR_PATH_NOT_FOUND);
    const std::string text = ReportLastError("CreateDirectory");
    EXPECT_EQ(text, "CreateDirectory failed with error 3: The system cannot find the path specified.");
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].text, text);
    EXPECT_EQ(recorder.Boxes()[0].caption, "Error");
    EXPECT_EQ(recorder.Boxes()[0].type, MB_OK);

    // An operating-system error without a Windows code keeps its own text.
    SetLastError(ErrorFromErrno(EIO));
    EXPECT_EQ(ReportLastError("ReadFile"), "ReadFile failed with error " +
                                               std::to_string(APPLICATION_ERROR_FLAG + EIO) + ": " +
                                               std::strerror(EIO));

    SetMessageBoxSilent(true);
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(ReportLastError("DeleteFile"), "DeleteFile failed with error 5: Access is denied.");
    EXPECT_EQ(recorder.Boxes().size(), 2u);
}
