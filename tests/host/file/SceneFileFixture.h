#pragma once

#include "host/scene/CommandEngine.h"
#include "host/scene/Scene.h"

#include <gtest/gtest.h>
#include <maya/MCallbackIdArray.h>
#include <maya/MFileIO.h>
#include <maya/MMessage.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

/// Each test starts from a new scene, with a folder of its own for the files it writes.
class SceneFileFixture : public ::testing::Test {
protected:
    SceneFileFixture() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("torva-scenefile-" + std::to_string(::getpid()) + "-" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        EXPECT_TRUE(MFileIO::newFile(true));
    }
    ~SceneFileFixture() override {
        MMessage::removeCallbacks(ids_);
        std::filesystem::remove_all(folder_);
    }

public:
    /// Runs commands as the script editor does (undoable); fails the test on error.
    static std::string Run(const std::string& text) {
        vex::host::command::Value result;
        const MStatus status = vex::host::CommandEngine::get().Execute(text, false, true, &result);
        EXPECT_TRUE(status) << text << "\n" << status.errorString();
        return result.AsString();
    }

protected:
    /// Runs commands that are expected to fail; answers the error text.
    static std::string Fails(const std::string& text) {
        const MStatus status = vex::host::CommandEngine::get().Execute(text, false, true);
        EXPECT_FALSE(status) << text;
        return status.errorString().str();
    }

    /// The scene's full description without what differs between equal scenes read at different
    /// times: node serial numbers and the addresses of geometry values.
    static std::string SceneText() {
        const std::string text = vex::host::Scene::Instance().Dump();
        return std::regex_replace(std::regex_replace(text, std::regex(" #[0-9]+"), ""),
                                  std::regex("<data 0x[0-9a-f]+>"), "<data>");
    }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    static std::string ReadFile(const std::string& file) {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static void WriteFile(const std::string& file, const std::string& text) { std::ofstream(file) << text; }

    /// The file with one line replaced (lines count from 1).
    static void ReplaceLine(const std::string& file, int line, const std::string& with) {
        std::istringstream in(ReadFile(file));
        std::string out, current;
        for (int n = 1; std::getline(in, current); ++n) out += (n == line ? with : current) + "\n";
        WriteFile(file, out);
    }

    std::filesystem::path folder_;
    MCallbackIdArray ids_;
};
