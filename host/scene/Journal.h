#pragma once

#include <memory>
#include <vector>

namespace vex::host {

class Scene;

/// One recorded change of the scene that can be taken back and made again.
class Change {
public:
    virtual ~Change() = default;
    /// Takes the change back.
    virtual void undo(Scene& scene) = 0;
    /// Makes the change again after undo.
    virtual void redo(Scene& scene) = 0;
};

/// The ordered changes made while the journal was open (Scene::BeginJournal / EndJournal). Modifiers and
/// commands keep one per edit: undo takes the changes back newest first, redo makes them again oldest
/// first, so the scene returns exactly to its earlier state, node identities included.
class Journal {
public:
    void Add(std::shared_ptr<Change> change) { changes_.push_back(std::move(change)); }
    /// Appends all changes of another journal (a nested journal reports into the one around it).
    void Append(const Journal& other);
    bool empty() const { return changes_.empty(); }
    std::size_t size() const { return changes_.size(); }

    /// Takes every change back, newest first.
    void undo(Scene& scene) const;
    /// Makes every change again, oldest first.
    void redo(Scene& scene) const;

private:
    std::vector<std::shared_ptr<Change>> changes_;
};

} // namespace vex::host
