// Reads any bytes as a scene file into a new scene. Reading must never crash or hang (script loops are
// limited), and a file that is refused must say at which line and why.

#include "host/builtins/SessionState.h"
#include "host/file/SceneReader.h"
#include "host/scene/Scene.h"
#include "host/scene/ScriptEditor.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vex::host::file::SceneReader;
    const std::string input(reinterpret_cast<const char*>(data), size);
    vex::host::command::ScriptError error;
    if (!SceneReader::Read(input, SceneReader::Mode::kOpen, {}, error) &&
        (error.reason.empty() || error.line < 1)) {
        std::fprintf(stderr, "a refused scene file gave no reason or no line\n");
        std::abort();
    }
    // The next input starts from a new scene. Resetting here rather than before the next one frees
    // what this input made within its own run: libFuzzer runs a full leak check after every run
    // that frees less than it allocates, which made that check most of the target's time.
    vex::host::Scene::Instance().Reset();
    vex::host::builtins::SessionState::get().ForgetNodeRecords();
    vex::host::ScriptEditor::get().clear();
    return 0;
}
