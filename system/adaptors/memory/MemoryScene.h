#pragma once

#include "system/adaptors/memory/HostObject.h"
#include "system/adaptors/memory/ShapeKind.h"
#include "util/Matrix.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::adaptor::memory {

/// The in-memory host's scene: host objects in a hierarchy under the world root, with unique names,
/// the selection, the time line (current time, playback range, frame rate) and the message boxes shown.
/// It knows nothing of the system's nodes or of undo; the adaptor records undo around its edits.
class MemoryScene {
public:
    /// A message box that was shown.
    struct Message {
        std::string text;
        std::string title;
    };

    explicit MemoryScene(double framesPerSecond = 24.0) : framesPerSecond_(framesPerSecond) {}

    MemoryScene(const MemoryScene&) = delete;
    MemoryScene& operator=(const MemoryScene&) = delete;

    // --- Objects and hierarchy ---

    /// Creates an object under `parent` (kWorld: the root) as its last child. Names already taken
    /// by live objects are made unique by a number at the end, as the host does. An empty
    /// `shapeName` for an object with a shape becomes `name` + "Shape".
    ObjectId Create(const std::string& name, ShapeKind shape, ObjectId parent = kWorld,
                    const std::string& shapeName = {});
    /// The object, or null for an unknown handle (kWorld included).
    HostObject* Find(ObjectId id);
    const HostObject* Find(ObjectId id) const;
    /// True for an object that exists and neither it nor an ancestor is deleted.
    bool IsAlive(ObjectId id) const;
    /// Every object ever created (deleted ones included), in creation order.
    std::vector<ObjectId> GetObjects() const;
    /// The live object whose transform is named `name`; kWorld when there is none.
    ObjectId FindByName(const std::string& name) const;

    /// Empties the scene as the host's new scene does: every object goes, deleted ones too, with the
    /// selection and the messages; the time line stays. Handles of the old scene are then invalid.
    void Clear();

    /// Deletes the object (and so its descendants) as the user does in the host, or brings it back.
    /// An object brought back whose names were taken meanwhile gets unique ones.
    void SetDeleted(ObjectId id, bool deleted);
    /// Renames the transform (made unique); answers the name it got.
    std::string Rename(ObjectId id, const std::string& name);

    /// The live child transforms of `parent` (kWorld: the top-level objects), in order.
    std::vector<ObjectId> GetChildren(ObjectId parent) const;
    /// Moves `id` below `parent` at position `index` of its child list (-1: last). Refused (false)
    /// when `parent` is the object itself or one of its descendants.
    bool Reparent(ObjectId id, ObjectId parent, int index = -1);
    /// The position of `id` in its parent's child list (deleted siblings counted).
    int GetChildIndex(ObjectId id) const;
    /// True when `ancestor` is `id` itself or above it.
    bool IsSelfOrAncestor(ObjectId ancestor, ObjectId id) const;

    // --- Transforms ---

    /// The local matrix at time `t` (keyed or static).
    util::Matrix<double> GetLocalMatrix(ObjectId id, double t) const;
    /// The world matrix at time `t`: local × parent world.
    util::Matrix<double> GetWorldMatrix(ObjectId id, double t) const;
    /// The parent's world matrix at time `t` (identity at the world root).
    util::Matrix<double> GetParentWorldMatrix(ObjectId id, double t) const;

    // --- Selection ---

    const std::vector<ObjectId>& GetSelection() const { return selection_; }
    void SetSelection(std::vector<ObjectId> selection) { selection_ = std::move(selection); }

    // --- Time line ---

    double GetCurrentTime() const { return currentTime_; }
    void SetCurrentTime(double t) { currentTime_ = t; }
    std::pair<double, double> GetPlaybackRange() const { return playbackRange_; }
    void SetPlaybackRange(std::pair<double, double> range) { playbackRange_ = range; }
    /// Frames per second of the host's time unit; 0 stands for a unit the host cannot name.
    double GetFramesPerSecond() const { return framesPerSecond_; }
    void SetFramesPerSecond(double fps) { framesPerSecond_ = fps; }

    // --- Message boxes ---

    void AddMessage(const std::string& text, const std::string& title) { messages_.push_back({text, title}); }
    const std::vector<Message>& GetMessages() const { return messages_; }

private:
    bool IsNameTaken(const std::string& name, ObjectId except) const;
    std::string UniqueName(const std::string& name, ObjectId except) const;
    std::vector<ObjectId>& ChildList(ObjectId parent);
    const std::vector<ObjectId>& ChildList(ObjectId parent) const;

    std::vector<std::unique_ptr<HostObject>> objects_;
    std::vector<ObjectId> roots_;
    std::vector<ObjectId> selection_;
    double currentTime_ = 0.0;
    std::pair<double, double> playbackRange_{0.0, 10.0};
    double framesPerSecond_;
    std::vector<Message> messages_;
};

} // namespace vex::orb::adaptor::memory
