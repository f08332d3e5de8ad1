// Reads arbitrary bytes as a profile file of both kinds (configuration "*.ccp", and input "*.cip")
// through the profile managers, as the user's container file of a tool type. Reading must never crash,
// hang or leak; every profile read, written as a file of its own, reads back the same; and deleting
// one profile rewrites the container so that every other profile still loads as it was.

#include "core/ConfigProfileManager.h"
#include "core/InputProfileManager.h"
#include "fuzz/FuzzFolder.h"
#include "platform/win32/DebugOutput.h"
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
    return vex::fuzz::FuzzFolder::Get("profile-fuzz");
}

// Each profile of `file`, written as a file of its own, reads back as that one profile.
void CheckSingleFiles(const XMLFileManager& manager, const std::string& file) {
    std::vector<Element> profiles;
    if (!manager.ReadProfiles(file, profiles)) return;
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
    static const bool ready = [] {
        vex::platform::win32::SetDebugOutputSink([](const std::string&) {});
        return true;
    }();
    (void)ready;

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string file = Folder().Write("input.xml", bytes);

    vex::orb::core::ConfigProfileManager config;
    vex::orb::core::InputProfileManager input;
    for (XMLFileManager* manager :
         {static_cast<XMLFileManager*>(&config), static_cast<XMLFileManager*>(&input)}) {
        CheckSingleFiles(*manager, file);
        CheckDeletion(*manager, bytes);
    }
    return 0;
}
