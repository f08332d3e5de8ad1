// Hands arbitrary bytes to the restore of a complete compiled-in tool as its saved state: the first
// byte chooses the tool, the rest is the record. Each tool has one live instance on the memory host,
// made as the user makes it (so its scene nodes exist), whose saved-state buffer gets the bytes before
// its tool object restores, as when a scene is opened. Restoring must never crash, hang or leak, and
// the state the tool stores after reading must be read back to the same state: storing, restoring and
// storing again writes the same record.

#include "core/Instance.h"
#include "core/Tool.h"
#include "fuzz/FuzzCore.h"
#include "util/Base64.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using vex::orb::core::Instance;

// Restores the tool of `instance` from `record` and answers the record it then stores.
std::vector<std::uint8_t> RestoreAndStore(Instance& instance, const std::vector<std::uint8_t>& record) {
    instance.setToolData(record.data(), static_cast<std::uint32_t>(record.size()));
    instance.GetObject()->restore();
    instance.GetObject()->store();
    std::uint32_t size = 0;
    const std::uint8_t* stored = instance.getToolData(&size);
    return stored != nullptr ? std::vector<std::uint8_t>(stored, stored + size) : std::vector<std::uint8_t>();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<Instance*>& instances = vex::fuzz::FuzzCore::Get().ToolInstances();
    if (size == 0 || instances.empty()) return 0;
    Instance& instance = *instances[data[0] % instances.size()];

    const std::vector<std::uint8_t> stored =
        RestoreAndStore(instance, std::vector<std::uint8_t>(data + 1, data + size));
    const std::vector<std::uint8_t> storedAgain = RestoreAndStore(instance, stored);
    if (stored != storedAgain) {
        std::fprintf(stderr, "%s stores %s\nand after reading that back %s\n",
                     instance.GetTool().GetIdentifier().c_str(), vex::util::Base64Encode(stored).c_str(),
                     vex::util::Base64Encode(storedAgain).c_str());
        std::abort();
    }
    return 0;
}
