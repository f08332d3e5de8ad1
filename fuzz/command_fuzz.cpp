// Runs any bytes as a script of the host's command language, with a few harmless commands. Parsing
// and running must never crash, hang or read past the input; a script that fails must say where.

#include "host/command/Interpreter.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vex::host::command;
    const std::string input(reinterpret_cast<const char*>(data), size);
    Interpreter interp;
    interp.SetOutput([](const std::string&) {});
    interp.SetStepLimit(10000);
    interp.RegisterCommand("echoArgs", [](const CommandCall& call, Value& result, std::string&) {
        std::vector<std::string> texts;
        for (const Argument& a : call.args) texts.push_back(a.value.AsString());
        result = Value::StringArray(texts);
        return true;
    });
    Value result;
    ScriptError error;
    if (!interp.Run(input, result, error) && (error.reason.empty() || error.line < 1)) {
        std::fprintf(stderr, "a failed script gave no reason or no line\n");
        std::abort();
    }
    return 0;
}
