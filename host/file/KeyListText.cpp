#include "host/file/KeyListText.h"

#include "util/NumberText.h"
#include "util/ParallelFor.h"

namespace vex::host::file {

std::string KeyListText::Format(const AnimCurveData& curve) {
    std::string text;
    text.reserve(curve.size() * 24);
    char buffer[64];
    buffer[0] = ' ';
    for (const auto& key : curve.Keys())
        for (const double value : {key.time, key.value}) {
            text.append(buffer, util::WriteNumber(buffer + 1, buffer + sizeof buffer, value));
        }
    return text;
}

std::vector<std::string> KeyListText::Format(std::span<const AnimCurveData* const> curves) {
    std::vector<std::string> texts(curves.size());
    util::ParallelFor(curves.size(), [&](std::size_t i) { texts[i] = Format(*curves[i]); });
    return texts;
}

} // namespace vex::host::file
