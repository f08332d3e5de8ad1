#include "FileOperations.h"

#include "SceneReader.h"
#include "SceneWriter.h"
#include "StatusText.h"

#include "host/builtins/SessionState.h"
#include "host/scene/SceneFiles.h"
#include "host/scene/ScriptEditor.h"
#include "util/AtomicFile.h"

#include <maya/MString.h>

#include <filesystem>

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
    std::string text;
    if (!readText(path, text)) return failure(MStatus::kNotFound, "Cannot read \"" + path + "\".");
    command::ScriptError error;
    const auto mode = import ? SceneReader::Mode::Import : SceneReader::Mode::Open;
    if (!SceneReader::read(text, mode, SceneReader::freeNamespace(nameSpace), error))
        return failure(MStatus::kFailure, describe(path, error));
    return MStatus::kSuccess;
}

MStatus FileOperations::check(const std::string& path) {
    std::string text;
    if (!readText(path, text)) return MStatus(MStatus::kNotFound, MString("Cannot read \"" + path + "\"."));
    command::ScriptError error;
    if (!SceneReader::read(text, SceneReader::Mode::Check, {}, error))
        return MStatus(MStatus::kFailure, MString(describe(path, error)));
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
    return SceneFiles::get().open(path);
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
