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

MStatus SceneFiles::fail(MStatus::MStatusCode code, const std::string& message) {
    ScriptEditor::get().write(ScriptEditor::Kind::Error, message);
    return MStatus(code, message);
}

MStatus SceneFiles::newScene() {
    Busy busy(newing_);
    MessageHub& hub = MessageHub::get();
    hub.fireScene(MSceneMessage::kBeforeNew);
    Scene::instance().reset();
    UndoQueue::get().flush();
    current_.clear();
    hub.fireScene(MSceneMessage::kAfterNew);
    hub.fireEvent("NewSceneOpened");
    return MStatus::kSuccess;
}

MStatus SceneFiles::open(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return fail(MStatus::kNotFound, "Cannot open \"" + path + "\": the file does not exist.");
    if (!reader_)
        return fail(MStatus::kNotImplemented,
                    "Cannot open \"" + path + "\": this host has no scene file reader yet.");
    Busy busy(opening_);
    MessageHub& hub = MessageHub::get();
    hub.fireScene(MSceneMessage::kBeforeOpen);
    Scene::instance().reset();
    UndoQueue::get().flush();
    const MStatus status = reader_(path, false, {});
    current_ = path;
    hub.fireScene(MSceneMessage::kAfterOpen);
    hub.fireEvent("SceneOpened");
    return status;
}

MStatus SceneFiles::importFile(const std::string& path, const std::string& nameSpace) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return fail(MStatus::kNotFound, "Cannot import \"" + path + "\": the file does not exist.");
    if (!reader_)
        return fail(MStatus::kNotImplemented,
                    "Cannot import \"" + path + "\": this host has no scene file reader yet.");
    MessageHub& hub = MessageHub::get();
    hub.fireScene(MSceneMessage::kBeforeImport);
    const MStatus status = reader_(path, true, nameSpace);
    hub.fireScene(MSceneMessage::kAfterImport);
    return status;
}

MStatus SceneFiles::save(const std::string& path) {
    const std::string target = path.empty() ? current_ : path;
    if (target.empty())
        return fail(MStatus::kInvalidParameter, "Cannot save: the scene has no file name yet.");
    if (!writer_)
        return fail(MStatus::kNotImplemented,
                    "Cannot save \"" + target + "\": this host has no scene file writer yet.");
    Busy busy(saving_);
    MessageHub& hub = MessageHub::get();
    hub.fireScene(MSceneMessage::kBeforeSave);
    const MStatus status = writer_(target);
    if (status) current_ = target;
    hub.fireScene(MSceneMessage::kAfterSave);
    if (status) hub.fireEvent("SceneSaved");
    return status;
}

} // namespace vex::host
