#include "host/file/KeyListText.h"

#include "host/file/UnitText.h"
#include "util/ParallelFor.h"

namespace vex::host::file {

std::string KeyListText::Format(const Curve& curve) {
    std::string text;
    text.reserve(curve.keys->size() * 24);
    char buffer[64];
    buffer[0] = ' ';
    char* const last = buffer + sizeof buffer;
    for (const auto& key : curve.keys->Keys()) {
        text.append(buffer, UnitText::WriteFrames(buffer + 1, last, key.time));
        text.append(buffer, UnitText::Write(buffer + 1, last, curve.valueKind, key.value));
    }
    return text;
}

std::vector<std::string> KeyListText::Format(std::span<const Curve> curves) {
    std::vector<std::string> texts(curves.size());
    util::ParallelFor(curves.size(), [&](std::size_t i) { texts[i] = Format(curves[i]); });
    return texts;
}

} // namespace vex::host::file
