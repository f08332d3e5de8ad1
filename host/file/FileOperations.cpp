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

MStatus Failure(MStatus::MStatusCode code, const std::string& message) {
    ScriptEditor::get().Write(ScriptEditor::Kind::kError, message);
    return MStatus(code, MString(message));
}

std::string Describe(const std::string& path, const command::ScriptError& error) {
    return path + ": " + error.Format();
}

// Files are remembered by their absolute path, as the host reports them.
std::string Absolute(const std::string& path) {
    std::error_code ignored;
    const auto full = std::filesystem::absolute(path, ignored);
    return full.empty() ? path : full.lexically_normal().string();
}

bool ReadText(const std::string& path, std::string& text) {
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

std::optional<CheckedFile>& LastChecked() {
    static std::optional<CheckedFile> checked;
    return checked;
}

bool Stamp(const std::string& path, std::uintmax_t& size, std::filesystem::file_time_type& written) {
    std::error_code error;
    size = std::filesystem::file_size(path, error);
    if (error) return false;
    written = std::filesystem::last_write_time(path, error);
    return !error;
}

// The scanned text of `path`: the one just checked when it is still the file's, else read now.
bool ScannedText(const std::string& path, KeyListScanner::Result& scanned) {
    std::optional<CheckedFile> checked;
    checked.swap(LastChecked());
    std::uintmax_t size = 0;
    std::filesystem::file_time_type written;
    if (checked && checked->path == path && Stamp(path, size, written) && size == checked->size &&
        written == checked->written) {
        scanned = std::move(checked->scanned);
        return true;
    }
    std::string text;
    if (!ReadText(path, text)) return false;
    scanned = KeyListScanner::Scan(text);
    return true;
}

} // namespace

void FileOperations::Install() {
    static const bool installed = [] {
        SceneFiles::get().SetReader(&FileOperations::ReadFile);
        SceneFiles::get().SetWriter(&SceneWriter::Write);
        return true;
    }();
    (void)installed;
}

MStatus FileOperations::ReadFile(const std::string& path, bool import, const std::string& nameSpace) {
    KeyListScanner::Result scanned;
    if (!ScannedText(path, scanned)) return Failure(MStatus::kNotFound, "Cannot read \"" + path + "\".");
    command::ScriptError error;
    const auto mode = import ? SceneReader::Mode::kImport : SceneReader::Mode::kOpen;
    if (!SceneReader::Read(scanned, mode, SceneReader::FreeNamespace(nameSpace), error))
        return Failure(MStatus::kFailure, Describe(path, error));
    return MStatus::kSuccess;
}

MStatus FileOperations::Check(const std::string& path) {
    LastChecked().reset();
    CheckedFile checked;
    std::string text;
    if (!Stamp(path, checked.size, checked.written) || !ReadText(path, text))
        return MStatus(MStatus::kNotFound, MString("Cannot read \"" + path + "\"."));
    checked.scanned = KeyListScanner::Scan(text);
    text = std::string();
    command::ScriptError error;
    if (!SceneReader::Read(checked.scanned, SceneReader::Mode::kCheck, {}, error))
        return MStatus(MStatus::kFailure, MString(Describe(path, error)));
    checked.path = path;
    LastChecked() = std::move(checked);
    return MStatus::kSuccess;
}

MStatus FileOperations::NewScene() {
    Install();
    const MStatus status = SceneFiles::get().NewScene();
    builtins::SessionState::get().ClearFileRecords();
    return status;
}

MStatus FileOperations::Open(const std::string& file) {
    Install();
    const std::string path = Absolute(file);
    std::error_code ignored;
    // A missing file is SceneFiles' to report; any other file is checked whole before the scene goes.
    if (std::filesystem::exists(path, ignored)) {
        const MStatus checked = Check(path);
        if (!checked) return Failure(checked.statusCode(), "Cannot open " + StatusText(checked));
    }
    const MStatus opened = SceneFiles::get().Open(path);
    LastChecked().reset(); // an open that did not get as far as the read leaves no scan behind
    return opened;
}

MStatus FileOperations::ImportFile(const std::string& path, const std::string& nameSpace) {
    Install();
    return SceneFiles::get().ImportFile(path, nameSpace);
}

MStatus FileOperations::Save(const std::string& path) {
    Install();
    return SceneFiles::get().Save(path.empty() ? path : Absolute(path));
}

void FileOperations::rename(const std::string& path) {
    SceneFiles::get().SetCurrentFile(Absolute(path));
}

std::string FileOperations::CurrentFile() {
    return SceneFiles::get().CurrentFile();
}

} // namespace vex::host::file
