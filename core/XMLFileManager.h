#pragma once

#include "util/xml/Element.h"

#include <map>
#include <string>
#include <vector>

namespace vex::orb::core {

/// The named profiles of one kind (configuration or input) of one tool type, kept as XML files in
/// a list of folders: the read-only factory folder in the resource bundle first, then the user's
/// writable folder. In each folder the profiles are held by the single-profile files matching
/// GetFilePattern() in the profiles sub-folder and by one container file.
///
/// A profile is known by its name. Listing rescans the folders every time, so files added or
/// removed on disk are seen; a file that cannot be read or parsed contributes no profile and is
/// never rewritten or removed by the listing. The user operations write only into the user folder,
/// always atomically.
class XMLFileManager {
public:
    /// A new instance loads the profile of this name, when the type has one.
    static constexpr const char* kStartProfileName = "Start Profile";

    /// One folder searched for profiles.
    struct Folder {
        std::string path;
        bool writable;
    };

    XMLFileManager() = default;
    XMLFileManager(const XMLFileManager&) = delete;
    XMLFileManager& operator=(const XMLFileManager&) = delete;
    virtual ~XMLFileManager() = default;

    /// Sets the folders (the factory folder read-only, then the user folder writable), the
    /// profiles sub-folder ("/configprofiles"), the container file name ("/configprofile.xml") and
    /// the name under which the built-in profile is offered.
    void Prepare(const std::string& factoryFolder, const std::string& userFolder,
                 const std::string& subFolder, const std::string& containerFile,
                 const std::string& builtInName);

    /// The folders searched, in order.
    const std::vector<Folder>& GetFolders() const { return folders_; }
    /// The name under which the built-in profile is offered.
    const std::string& GetBuiltInName() const { return builtInName_; }

    /// Rescans the folders and returns every profile name: the built-in name first (once a built-in
    /// profile is recorded), then the others in ascending byte order.
    std::vector<std::string> ListProfiles();
    /// Whether a profile of this name exists now.
    bool HasProfile(const std::string& name);
    /// Copies the profile `name` into `profile`; false when there is none or its file cannot be read.
    bool LoadProfile(const std::string& name, util::xml::Element& profile);
    /// The file holding the profile `name`; empty for the built-in profile or an unknown name.
    std::string GetProfileFile(const std::string& name);
    /// Whether the profile exists and cannot be changed: the built-in one or one of the factory folder.
    bool IsReadOnly(const std::string& name);

    /// Records the built-in profile (the values of a fresh instance), named GetBuiltInName().
    void SetBuiltInProfile(const util::xml::Element& profile);
    /// Copies the profile named kStartProfileName into `profile`; false when the type has none.
    bool GetStartProfile(util::xml::Element& profile) { return LoadProfile(kStartProfileName, profile); }

    /// The name of the profile the user works with, as the caller sets it; renaming that profile
    /// renames it here too, deleting it clears it.
    const std::string& GetCurrentProfileName() const { return currentName_; }
    void SetCurrentProfileName(const std::string& name) { currentName_ = name; }

    /// Saves `profile` under `name` (its "name" attribute is set) as one file in the user folder,
    /// creating the folders it needs. Replaces the user's own profile of that name; a factory profile
    /// of that name stays as it is and is hidden by the new one. False for an empty name, the
    /// built-in name, or when the file cannot be written.
    bool SaveProfile(const std::string& name, const util::xml::Element& profile);
    /// Renames the user's profile `from` to `to`. False when `from` is not a user profile, or `to` is
    /// empty, the built-in name or already a user profile.
    bool RenameProfile(const std::string& from, const std::string& to);
    /// Deletes the user's profile `name` from every user file holding it. False when it is not a user
    /// profile or a file cannot be changed. A factory profile of the same name is offered again.
    bool DeleteProfile(const std::string& name);

    /// Reads the file and appends the profile elements it holds; false when the file cannot be read
    /// or parsed, or is not a file of this kind.
    virtual bool ReadProfiles(const std::string& file, std::vector<util::xml::Element>& profiles) const = 0;
    /// Writes `element` (one profile or a container of them) as the whole file, atomically.
    virtual bool WriteProfile(const util::xml::Element& element, const std::string& file) const = 0;
    /// The name of a profile element; for a container, the name of its first profile.
    virtual std::string GetProfileName(const util::xml::Element& element) const = 0;
    /// The pattern of the single-profile files, e.g. "*.ccp".
    virtual std::string GetFilePattern() const = 0;

protected:
    /// A container of this kind holding `profiles`, for rewriting a file that holds several.
    virtual util::xml::Element MakeContainer(const std::vector<util::xml::Element>& profiles) const = 0;

    /// Parses the file (a disk path in either separator form, or a ":" bundle path) into `root`.
    static bool LoadFile(const std::string& file, util::xml::Element& root);
    /// Writes `root` as the whole file, atomically; a ":" bundle path is always refused.
    static bool SaveFile(const util::xml::Element& root, const std::string& file);

private:
    struct Entry {
        std::string file;
        bool writable;
    };

    // Rebuilds the name-to-file map from the folders.
    void Refresh();
    // Adds the profiles of one file to the map, replacing entries of the same name.
    void Collect(const std::string& file, bool writable);
    // The entry of `name` after a rescan, or null.
    const Entry* Find(const std::string& name);
    // Removes every profile named `name` from `file`: the file goes when nothing else is left in it.
    bool RemoveFromFile(const std::string& name, const std::string& file) const;
    // A path in the user's profiles sub-folder for a new file holding the profile `name`.
    std::string NewFilePath(const std::string& name) const;

    std::vector<Folder> folders_;
    std::string subFolder_;
    std::string containerFile_;
    std::string builtInName_;
    std::string currentName_;
    util::xml::Element builtIn_;
    bool hasBuiltIn_ = false;
    std::map<std::string, Entry> profiles_;
};

} // namespace vex::orb::core
