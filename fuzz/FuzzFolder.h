#pragma once

// A folder of the process for the fuzz targets whose readers read files, removed with everything in it
// when the process ends. It sits in shared memory (/dev/shm) where the system has it: the saves flush
// every file they write, about 0.4 ms a file on this machine's disk against 0.02 ms in memory, and an
// input makes several saves; otherwise below the system's temporary folder.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace vex::fuzz {

class FuzzFolder {
public:
    /// The process's folder, made on first use.
    static const FuzzFolder& Get() {
        static const FuzzFolder folder;
        return folder;
    }

    const std::filesystem::path& Path() const { return path_; }
    /// The path of `name` in the folder.
    std::string File(std::string_view name) const { return (path_ / name).string(); }
    /// Writes `bytes` as the whole file `name` and answers its path.
    std::string Write(std::string_view name, std::string_view bytes) const {
        const std::string file = File(name);
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    ~FuzzFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

private:
    FuzzFolder() : path_(Base() / ("torva-fuzz-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_);
    }

    static std::filesystem::path Base() {
        const std::filesystem::path memory = "/dev/shm";
        if (::access(memory.c_str(), W_OK | X_OK) == 0) return memory;
        return std::filesystem::temp_directory_path();
    }

    std::filesystem::path path_;
};

} // namespace vex::fuzz
