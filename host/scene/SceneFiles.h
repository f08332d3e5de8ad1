#pragma once

#include <maya/MStatus.h>

#include <functional>
#include <string>

namespace vex::host {

/// Whole-scene file operations: new, open, import and save, with the scene messages around them. The
/// file format itself is plugged in by whoever provides it (setReader / setWriter); until then opening,
/// importing and saving fail with a message that says so.
class SceneFiles {
public:
    /// Reads the file at `path` into the scene; `nameSpace` is the namespace for imported nodes ("" for
    /// none, and always "" when opening).
    using Reader = std::function<MStatus(const std::string& path, bool import, const std::string& nameSpace)>;
    /// Writes the scene to the file at `path`.
    using Writer = std::function<MStatus(const std::string& path)>;

    /// The one instance of the process.
    static SceneFiles& get();

    /// Empties the scene: before-new message, reset, the undo queue flushed, after-new message.
    MStatus NewScene();
    /// Replaces the scene with the file's: before-open message, reset, read, after-open message.
    MStatus Open(const std::string& path);
    /// Adds the file's nodes to the scene: before-import message, read, after-import message.
    MStatus ImportFile(const std::string& path, const std::string& nameSpace);
    /// Writes the scene to `path` (the current file when empty): before-save message, write, after-save.
    MStatus Save(const std::string& path);

    /// The file the scene was last opened from or saved to ("" for a new scene).
    const std::string& CurrentFile() const { return current_; }
    void SetCurrentFile(const std::string& path) { current_ = path; }
    /// True while the matching operation runs.
    bool IsNewing() const { return newing_; }
    bool IsOpening() const { return opening_; }
    bool IsSaving() const { return saving_; }

    /// The file format's reader and writer (empty until one is plugged in).
    const Reader& GetReader() const { return reader_; }
    const Writer& GetWriter() const { return writer_; }
    void SetReader(Reader reader) { reader_ = std::move(reader); }
    void SetWriter(Writer writer) { writer_ = std::move(writer); }

private:
    /// Writes an error line and answers a failing status with the same text.
    static MStatus Fail(MStatus::MStatusCode code, const std::string& message);

    std::string current_;
    bool newing_ = false;
    bool opening_ = false;
    bool saving_ = false;
    Reader reader_;
    Writer writer_;
};

} // namespace vex::host
