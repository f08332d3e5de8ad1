// Reads arbitrary bytes as the "AdaptorState" text of a scene's storage node, as the Maya adaptor reads
// it after a scene is opened, and hands what decodes to the core running on the memory host. Decoding
// must never crash, hang or leak; the state decoded, encoded again, decodes to the same state; and the
// state the core then writes of the instances it made decodes from its own text as it was written.

#include "fuzz/FuzzCore.h"
#include "system/adaptors/maya/SceneStorage.h"
#include "util/xml/Element.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using vex::orb::adaptor::maya::SceneStorage;
using vex::util::xml::Element;

// `state` encoded and decoded again must be `state`.
void CheckEncoding(const Element& state, const char* what) {
    Element decoded;
    std::string reason;
    if (!SceneStorage::Decode(SceneStorage::Encode(state), decoded, reason) || !(decoded == state)) {
        std::fprintf(stderr, "%s does not decode from its own text (%s):\n%s\n", what, reason.c_str(),
                     state.ToString().c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vex::fuzz::FuzzCore& fuzzCore = vex::fuzz::FuzzCore::Get();
    Element state;
    std::string reason;
    if (!SceneStorage::Decode(std::string(reinterpret_cast<const char*>(data), size), state, reason))
        return 0;
    CheckEncoding(state, "the stored state");

    SceneStorage::CreateInstances(state);
    const Element written = fuzzCore.WriteInstances();
    fuzzCore.CloseScene();
    CheckEncoding(written, "the state written of its instances");
    return 0;
}
