// Reads arbitrary bytes as a profile file of both kinds (configuration "*.ccp", and input "*.cip")
// through the profile managers, as the user's container file of a tool type, and loads every profile
// read into a live instance of a tool on the memory host (the tool chosen by the profile's name).
// Reading and loading must never crash, hang or leak; every profile read, written as a file of its
// own, reads back the same; deleting one profile rewrites the container so that every other profile
// still loads as it was; and what an instance writes of a profile it loaded loads back to the same.

#include "core/ConfigProfileManager.h"
#include "core/InputProfileManager.h"
#include "core/Instance.h"
#include "core/Tool.h"
#include "fuzz/FuzzCore.h"
#include "fuzz/FuzzFolder.h"
#include "util/xml/Element.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using vex::orb::core::Instance;
using vex::orb::core::XMLFileManager;
using vex::util::xml::Element;

constexpr const char* kContainer = "/profiles.xml";
constexpr const char* kSubFolder = "/profiles";
constexpr const char* kBuiltIn = "(built-in)";

[[noreturn]] void Fail(const std::string& what, const Element& profile) {
    std::fprintf(stderr, "%s:\n%s\n", what.c_str(), profile.ToString().c_str());
    std::abort();
}

const vex::fuzz::FuzzFolder& Folder() {
    return vex::fuzz::FuzzFolder::Get();
}

// The instance a profile is loaded into, chosen by the profile's name.
Instance& InstanceFor(const Element& profile) {
    const std::vector<Instance*>& instances = vex::fuzz::FuzzCore::Get().ToolInstances();
    std::size_t sum = 0;
    for (const char c : profile.GetAttribute("name")) sum += static_cast<unsigned char>(c);
    return *instances[sum % instances.size()];
}

// Loading `profile` into its instance and what the instance then writes must give what it writes.
void CheckLoading(const Element& profile, bool input) {
    Instance& instance = InstanceFor(profile);
    const auto loadAndWrite = [&instance, input](const Element& loaded) {
        Element written;
        if (input) {
            instance.LoadInputProfile(loaded);
            instance.WriteInputProfile(written, "fuzz");
        } else {
            instance.LoadConfiguration(loaded, true);
            instance.WriteConfiguration(written, "fuzz");
        }
        return written;
    };
    const Element written = loadAndWrite(profile);
    if (!(loadAndWrite(written) == written))
        Fail(instance.GetTool().GetIdentifier() + " writes otherwise what it wrote of the profile", profile);
}

// Each profile of `file`, written as a file of its own, reads back as that one profile, and loads.
void CheckSingleFiles(const XMLFileManager& manager, const std::string& file, bool input) {
    std::vector<Element> profiles;
    if (!manager.ReadProfiles(file, profiles)) return;
    for (const Element& profile : profiles) CheckLoading(profile, input);
    const std::string single = Folder().File("single.xml");
    for (const Element& profile : profiles) {
        std::vector<Element> reread;
        if (!manager.WriteProfile(profile, single)) Fail("cannot write", profile);
        if (!manager.ReadProfiles(single, reread) || reread.size() != 1 || !(reread.front() == profile))
            Fail("a profile written alone reads back otherwise", profile);
    }
}

// The user's container holding the bytes: deleting its first profile leaves the others as they were.
void CheckDeletion(XMLFileManager& manager, const std::string& data) {
    const fs::path user = Folder().Path() / "user";
    fs::remove_all(user);
    fs::create_directories(user);
    std::ofstream(user.string() + kContainer, std::ios::binary)
        .write(data.data(), std::streamsize(data.size()));
    manager.Prepare(Folder().File("factory"), user.string(), kSubFolder, kContainer, kBuiltIn);

    std::map<std::string, Element> loaded;
    for (const std::string& name : manager.ListProfiles()) {
        if (!manager.LoadProfile(name, loaded[name]) || manager.GetProfileName(loaded[name]) != name)
            Fail("the listed profile \"" + name + "\" does not load", loaded[name]);
    }
    if (loaded.empty()) return;
    const std::string deleted = loaded.begin()->first;
    if (!manager.DeleteProfile(deleted)) Fail("cannot delete \"" + deleted + "\"", loaded.begin()->second);
    if (manager.HasProfile(deleted)) Fail("\"" + deleted + "\" is still there", loaded.begin()->second);
    for (const auto& [name, profile] : loaded) {
        Element now;
        if (name != deleted && (!manager.LoadProfile(name, now) || !(now == profile)))
            Fail("deleting \"" + deleted + "\" changes \"" + name + "\"", profile);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string file = Folder().Write("input.xml", bytes);

    vex::orb::core::ConfigProfileManager config;
    vex::orb::core::InputProfileManager input;
    CheckSingleFiles(config, file, false);
    CheckDeletion(config, bytes);
    CheckSingleFiles(input, file, true);
    CheckDeletion(input, bytes);
    return 0;
}
