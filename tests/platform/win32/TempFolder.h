#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace vex::platform::win32::testing {

// A fresh folder below the system's temporary folder, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("torva-win32-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path() const { return path_.string(); }

    // Writes a small file below the folder and returns its full path.
    std::string WriteFile(const std::string& name, const std::string& contents = "x") const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file) << contents;
        return file.string();
    }

private:
    std::filesystem::path path_;
};

} // namespace vex::platform::win32::testing
