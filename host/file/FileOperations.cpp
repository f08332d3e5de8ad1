#include "host/file/FileOperations.h"

#include "host/builtins/SessionState.h"
#include "host/file/SceneReader.h"
#include "host/file/SceneWriter.h"
#include "host/file/StatusText.h"
#include "host/scene/SceneFiles.h"
#include "host/scene/ScriptEditor.h"
#include "util/AtomicFile.h"

#include <maya/MString.h>

#include <filesystem>
#include <optional>

namespace vex::host::file {

namespace {

MStatus failure(MStatus::MStatusCode code, const std::string& message) {
    ScriptEditor::get().write(ScriptEditor::Kind::Error, message);
    return MStatus(code, MString(message));
}

std::string describe(const std::string& path, const command::ScriptError& error) {
    return path + ": " + error.Format();
}

// Files are remembered by their absolute path, as the host reports them.
std::string absolute(const std::string& path) {
    std::error_code ignored;
    const auto full = std::filesystem::absolute(path, ignored);
    return full.empty() ? path : full.lexically_normal().string();
}

bool readText(const std::string& path, std::string& text) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored) && util::ReadWholeFile(path, text);
}

// The file an open has just checked, scanned: the read that follows uses it rather than reading and
// scanning the file again, as long as the file has not changed in between.
struct CheckedFile {
    std::string path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type written;
    KeyListScanner::Result scanned;
};

std::optional<CheckedFile>& lastChecked() {
    static std::optional<CheckedFile> checked;
    return checked;
}

bool stamp(const std::string& path, std::uintmax_t& size, std::filesystem::file_time_type& written) {
    std::error_code error;
    size = std::filesystem::file_size(path, error);
    if (error) return false;
    written = std::filesystem::last_write_time(path, error);
    return !error;
}

// The scanned text of `path`: the one just checked when it is still the file's, else read now.
bool scannedText(const std::string& path, KeyListScanner::Result& scanned) {
    std::optional<CheckedFile> checked;
    checked.swap(lastChecked());
    std::uintmax_t size = 0;
    std::filesystem::file_time_type written;
    if (checked && checked->path == path && stamp(path, size, written) && size == checked->size &&
        written == checked->written) {
        scanned = std::move(checked->scanned);
        return true;
    }
    std::string text;
    if (!readText(path, text)) return false;
    scanned = KeyListScanner::scan(text);
    return true;
}

} // namespace

void FileOperations::install() {
    static const bool installed = [] {
        SceneFiles::get().setReader(&FileOperations::readFile);
        SceneFiles::get().setWriter(&SceneWriter::write);
        return true;
    }();
    (void)installed;
}

MStatus FileOperations::readFile(const std::string& path, bool import, const std::string& nameSpace) {
    KeyListScanner::Result scanned;
    if (!scannedText(path, scanned)) return failure(MStatus::kNotFound, "Cannot read \"" + path + "\".");
    command::ScriptError error;
    const auto mode = import ? SceneReader::Mode::Import : SceneReader::Mode::Open;
    if (!SceneReader::read(scanned, mode, SceneReader::freeNamespace(nameSpace), error))
        return failure(MStatus::kFailure, describe(path, error));
    return MStatus::kSuccess;
}

MStatus FileOperations::check(const std::string& path) {
    lastChecked().reset();
    CheckedFile checked;
    std::string text;
    if (!stamp(path, checked.size, checked.written) || !readText(path, text))
        return MStatus(MStatus::kNotFound, MString("Cannot read \"" + path + "\"."));
    checked.scanned = KeyListScanner::scan(text);
    text = std::string();
    command::ScriptError error;
    if (!SceneReader::read(checked.scanned, SceneReader::Mode::Check, {}, error))
        return MStatus(MStatus::kFailure, MString(describe(path, error)));
    checked.path = path;
    lastChecked() = std::move(checked);
    return MStatus::kSuccess;
}

MStatus FileOperations::newScene() {
    install();
    const MStatus status = SceneFiles::get().newScene();
    builtins::SessionState::get().clearFileRecords();
    return status;
}

MStatus FileOperations::open(const std::string& file) {
    install();
    const std::string path = absolute(file);
    std::error_code ignored;
    // A missing file is SceneFiles' to report; any other file is checked whole before the scene goes.
    if (std::filesystem::exists(path, ignored)) {
        const MStatus checked = check(path);
        if (!checked) return failure(checked.statusCode(), "Cannot open " + statusText(checked));
    }
    const MStatus opened = SceneFiles::get().open(path);
    lastChecked().reset(); // an open that did not get as far as the read leaves no scan behind
    return opened;
}

MStatus FileOperations::importFile(const std::string& path, const std::string& nameSpace) {
    install();
    return SceneFiles::get().importFile(path, nameSpace);
}

MStatus FileOperations::save(const std::string& path) {
    install();
    return SceneFiles::get().save(path.empty() ? path : absolute(path));
}

void FileOperations::rename(const std::string& path) {
    SceneFiles::get().setCurrentFile(absolute(path));
}

std::string FileOperations::currentFile() {
    return SceneFiles::get().currentFile();
}

} // namespace vex::host::file
