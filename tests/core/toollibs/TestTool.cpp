// A tool library built several ways for the loading tests. The build picks what it exports:
//   TESTTOOL_VERSION      exports getVersion answering this number (left out: no getVersion)
//   TESTTOOL_IDENTIFIERS  exports getPlugin handing out one descriptor per ","-separated identifier
//                         (left out: no getPlugin)
// It always exports testtoolReleasedDescriptors (how many of its descriptors were released) and
// testtoolLoadFolder (the current folder while the library was being loaded).

#include "core/ToolLibraryEntry.h"
#include "interface/CCameraPlugin.h"

#include <filesystem>
#include <string>

namespace {

int releasedDescriptors = 0;
const std::string kLoadFolder = std::filesystem::current_path().string();

class TestDescriptor : public vex::orb::CCameraPlugin {
public:
    explicit TestDescriptor(std::string identifier) : identifier_(std::move(identifier)) {}
    vex::orb::CCamera* create(const vex::orb::CCamera::CreateParam& param) override {
        return new vex::orb::CCamera(param);
    }
    std::string getIdentifier() override { return identifier_; }
    std::string getFolderName() override { return "testtools"; }
    std::string getDisplayName() override { return identifier_; }
    std::string getCategory() override { return "Accessory"; }
    void release() override {
        ++releasedDescriptors;
        delete this;
    }

private:
    std::string identifier_;
};

} // namespace

#ifdef TESTTOOL_VERSION
extern "C" int getVersion() {
    return TESTTOOL_VERSION;
}
#endif

#ifdef TESTTOOL_IDENTIFIERS
extern "C" vex::orb::CCameraPlugin* getPlugin(int index) {
    const std::string list = TESTTOOL_IDENTIFIERS;
    std::size_t start = 0;
    for (int i = 0; i < index && start != std::string::npos; ++i) {
        start = list.find(',', start);
        if (start != std::string::npos) ++start;
    }
    if (index < 0 || start == std::string::npos) return nullptr;
    return new TestDescriptor(list.substr(start, list.find(',', start) - start));
}
#endif

extern "C" int TesttoolReleasedDescriptors() {
    return releasedDescriptors;
}

extern "C" const char* TesttoolLoadFolder() {
    return kLoadFolder.c_str();
}
