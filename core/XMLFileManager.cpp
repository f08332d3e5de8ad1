#include "core/XMLFileManager.h"

#include "core/DataPaths.h"
#include "core/ResourceBundle.h"
#include "platform/win32/Files.h"

namespace vex::orb::core {

namespace win32 = platform::win32;

namespace {

bool IsBundlePath(const std::string& path) {
    return !path.empty() && path.front() == ':';
}

// The names of the files in `folder` matching `pattern`, from the bundle or from the disk.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
    if (IsBundlePath(folder)) return ListBundleFiles(folder, pattern);
    std::vector<std::string> names;
    win32::WIN32_FIND_DATA found{};
    const win32::HANDLE search = win32::FindFirstFile((folder + "/" + pattern).c_str(), &found);
    if (search == win32::INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & win32::FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.emplace_back(found.cFileName);
    } while (win32::FindNextFile(search, &found));
    win32::FindClose(search);
    return names;
}

// The profile name as a file name: the characters a file name cannot hold become "_".
std::string FileNameOf(const std::string& name) {
    std::string file = name;
    for (char& c : file) {
        const bool control = static_cast<unsigned char>(c) < 0x20;
        if (control || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) c = '_';
    }
    return file;
}

bool Exists(const std::string& path) {
    return win32::GetFileAttributes(path.c_str()) != win32::INVALID_FILE_ATTRIBUTES;
}

} // namespace

void XMLFileManager::Prepare(const std::string& factoryFolder, const std::string& userFolder,
                             const std::string& subFolder, const std::string& containerFile,
                             const std::string& builtInName) {
    // The order matters: see Refresh.
    folders_ = {{factoryFolder, false}, {userFolder, true}};
    subFolder_ = subFolder;
    containerFile_ = containerFile;
    builtInName_ = builtInName;
}

std::vector<std::string> XMLFileManager::ListProfiles() {
    Refresh();
    std::vector<std::string> names;
    if (hasBuiltIn_) names.push_back(builtInName_);
    for (const auto& [name, entry] : profiles_) names.push_back(name);
    return names;
}

bool XMLFileManager::HasProfile(const std::string& name) {
    return (hasBuiltIn_ && name == builtInName_) || Find(name) != nullptr;
}

bool XMLFileManager::LoadProfile(const std::string& name, util::xml::Element& profile) {
    if (hasBuiltIn_ && name == builtInName_) {
        profile = builtIn_;
        return true;
    }
    const Entry* entry = Find(name);
    std::vector<util::xml::Element> profiles;
    if (entry == nullptr || !ReadProfiles(entry->file, profiles)) return false;
    for (const util::xml::Element& candidate : profiles) {
        if (GetProfileName(candidate) == name) {
            profile = candidate;
            return true;
        }
    }
    return false;
}

std::string XMLFileManager::GetProfileFile(const std::string& name) {
    if (hasBuiltIn_ && name == builtInName_) return {};
    const Entry* entry = Find(name);
    return entry != nullptr ? entry->file : std::string();
}

bool XMLFileManager::IsReadOnly(const std::string& name) {
    if (hasBuiltIn_ && name == builtInName_) return true;
    const Entry* entry = Find(name);
    return entry != nullptr && !entry->writable;
}

void XMLFileManager::SetBuiltInProfile(const util::xml::Element& profile) {
    builtIn_ = profile;
    builtIn_.SetAttribute("name", builtInName_);
    hasBuiltIn_ = true;
}

bool XMLFileManager::SaveProfile(const std::string& name, const util::xml::Element& profile) {
    if (name.empty() || name == builtInName_ || folders_.empty() || !folders_.back().writable) return false;
    // The user folder gets both profile sub-folders at once, whichever kind is saved first, in the
    // backslash form the system has always used for them.
    const std::string& user = folders_.back().path;
    for (const char* kind : {"inputprofiles", "configprofiles"})
        if (!MakeDirectories(user + "\\" + kind)) return false;
    if (!MakeDirectories(user + "\\" + subFolder_.substr(1))) return false;

    // The user's own single-profile file of that name is replaced in place; anything else (no such
    // profile, a factory one, or one inside a file holding several) gets a new file, which then wins.
    std::string file;
    const Entry* entry = Find(name);
    std::vector<util::xml::Element> held;
    if (entry != nullptr && entry->writable && entry->file != user + containerFile_ &&
        ReadProfiles(entry->file, held) && held.size() == 1) {
        file = entry->file;
    } else {
        file = NewFilePath(name);
    }
    util::xml::Element named = profile;
    named.SetAttribute("name", name);
    return WriteProfile(named, file);
}

bool XMLFileManager::RenameProfile(const std::string& from, const std::string& to) {
    if (to.empty() || to == builtInName_ || from == builtInName_) return false;
    const Entry* entry = Find(from);
    if (entry == nullptr || !entry->writable) return false;
    if (from == to) return true;
    const Entry* taken = Find(to);
    if (taken != nullptr && taken->writable) return false; // never overwrite another profile of the user's
    util::xml::Element profile;
    const bool wasCurrent = currentName_ == from;
    // The new file is written before the old profile goes, so a failure loses nothing.
    if (!LoadProfile(from, profile) || !SaveProfile(to, profile) || !DeleteProfile(from)) return false;
    if (wasCurrent) currentName_ = to;
    return true;
}

bool XMLFileManager::DeleteProfile(const std::string& name) {
    if (name == builtInName_) return false;
    const Entry* entry = Find(name);
    if (entry == nullptr || !entry->writable) return false;
    // Several user files may hold the name (the container and a single file); all of them lose it,
    // so the name is not listed afterwards unless the factory folder offers it.
    do {
        if (!RemoveFromFile(name, entry->file)) return false;
        entry = Find(name);
    } while (entry != nullptr && entry->writable);
    if (currentName_ == name) currentName_.clear();
    return true;
}

bool XMLFileManager::LoadFile(const std::string& file, util::xml::Element& root) {
    return root.Load(win32::ToNativePath(file)) == util::xml::kOk;
}

bool XMLFileManager::SaveFile(const util::xml::Element& root, const std::string& file) {
    return root.Save(win32::ToNativePath(file)) == util::xml::kOk;
}

void XMLFileManager::Refresh() {
    // Folders are read factory first, user last, and a later profile replaces an earlier one of the
    // same name: a user who saved a profile under a factory name did so on purpose (usually after
    // adjusting the factory values) and expects to get their own values back. The factory profile
    // is only hidden; it is offered again once the user's profile is deleted. Within a folder the
    // single files come after the container, as they are what the user operations write.
    profiles_.clear();
    for (const Folder& folder : folders_) {
        Collect(folder.path + containerFile_, folder.writable);
        const std::string profileFolder = folder.path + subFolder_;
        for (const std::string& name : ListFiles(profileFolder, GetFilePattern()))
            Collect(profileFolder + "/" + name, folder.writable);
    }
}

void XMLFileManager::Collect(const std::string& file, bool writable) {
    std::vector<util::xml::Element> profiles;
    if (!ReadProfiles(file, profiles)) return; // missing, unreadable or malformed: no profile
    for (const util::xml::Element& profile : profiles) {
        const std::string name = GetProfileName(profile);
        // The built-in profile's name is its alone, whether or not the tool has one: a profile a file
        // gives that name (edited by hand, or written by another tool) could be neither saved,
        // renamed nor deleted under it, so it is not listed.
        if (!name.empty() && name != builtInName_) profiles_[name] = Entry{file, writable};
    }
}

const XMLFileManager::Entry* XMLFileManager::Find(const std::string& name) {
    Refresh();
    const auto found = profiles_.find(name);
    return found != profiles_.end() ? &found->second : nullptr;
}

bool XMLFileManager::RemoveFromFile(const std::string& name, const std::string& file) const {
    std::vector<util::xml::Element> profiles;
    if (!ReadProfiles(file, profiles)) return false;
    std::vector<util::xml::Element> kept;
    for (const util::xml::Element& profile : profiles) {
        if (GetProfileName(profile) != name) kept.push_back(profile);
    }
    if (kept.size() == profiles.size()) return false;
    if (kept.empty()) return win32::DeleteFile(file.c_str()) != win32::FALSE;
    return WriteProfile(MakeContainer(kept), file);
}

std::string XMLFileManager::NewFilePath(const std::string& name) const {
    const std::string base = folders_.back().path + subFolder_ + "/" + FileNameOf(name);
    const std::string extension = GetFilePattern().substr(1); // "*.ccp" -> ".ccp"
    // Two names can give the same file name ("a/b", "a_b"); the second gets a numbered file instead
    // of overwriting the first.
    std::string path = base + extension;
    for (int number = 2; Exists(path); ++number)
        path = base + " (" + std::to_string(number) + ")" + extension;
    return path;
}

} // namespace vex::orb::core
