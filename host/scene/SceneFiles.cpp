#include "host/scene/SceneFiles.h"

#include "host/scene/MessageHub.h"
#include "host/scene/Scene.h"
#include "host/scene/ScriptEditor.h"
#include "host/scene/UndoQueue.h"

#include <maya/MSceneMessage.h>
#include <maya/MString.h>

#include <filesystem>

namespace vex::host {

namespace {

/// Sets a flag for the lifetime of the guard.
class Busy {
public:
    explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
    ~Busy() { flag_ = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& flag_;
};

} // namespace

SceneFiles& SceneFiles::get() {
    static SceneFiles files;
    return files;
}

MStatus SceneFiles::Fail(MStatus::MStatusCode code, const std::string& message) {
    ScriptEditor::get().Write(ScriptEditor::Kind::kError, message);
    return MStatus(code, message);
}

MStatus SceneFiles::NewScene() {
    Busy busy(newing_);
    MessageHub& hub = MessageHub::get();
    hub.FireScene(MSceneMessage::kBeforeNew);
    Scene::Instance().Reset();
    UndoQueue::get().Flush();
    current_.clear();
    hub.FireScene(MSceneMessage::kAfterNew);
    hub.FireEvent("NewSceneOpened");
    return MStatus::kSuccess;
}

MStatus SceneFiles::Open(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return Fail(MStatus::kNotFound, "Cannot open \"" + path + "\": the file does not exist.");
    if (!reader_)
        return Fail(MStatus::kNotImplemented,
                    "Cannot open \"" + path + "\": this host has no scene file reader yet.");
    Busy busy(opening_);
    MessageHub& hub = MessageHub::get();
    hub.FireScene(MSceneMessage::kBeforeOpen);
    Scene::Instance().Reset();
    UndoQueue::get().Flush();
    const MStatus status = reader_(path, false, {});
    current_ = path;
    hub.FireScene(MSceneMessage::kAfterOpen);
    hub.FireEvent("SceneOpened");
    return status;
}

MStatus SceneFiles::ImportFile(const std::string& path, const std::string& nameSpace) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return Fail(MStatus::kNotFound, "Cannot import \"" + path + "\": the file does not exist.");
    if (!reader_)
        return Fail(MStatus::kNotImplemented,
                    "Cannot import \"" + path + "\": this host has no scene file reader yet.");
    MessageHub& hub = MessageHub::get();
    hub.FireScene(MSceneMessage::kBeforeImport);
    const MStatus status = reader_(path, true, nameSpace);
    hub.FireScene(MSceneMessage::kAfterImport);
    return status;
}

MStatus SceneFiles::Save(const std::string& path) {
    const std::string target = path.empty() ? current_ : path;
    if (target.empty())
        return Fail(MStatus::kInvalidParameter, "Cannot save: the scene has no file name yet.");
    if (!writer_)
        return Fail(MStatus::kNotImplemented,
                    "Cannot save \"" + target + "\": this host has no scene file writer yet.");
    Busy busy(saving_);
    MessageHub& hub = MessageHub::get();
    hub.FireScene(MSceneMessage::kBeforeSave);
    const MStatus status = writer_(target);
    if (status) current_ = target;
    hub.FireScene(MSceneMessage::kAfterSave);
    if (status) hub.FireEvent("SceneSaved");
    return status;
}

} // namespace vex::host
