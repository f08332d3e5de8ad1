#include "KeyListText.h"

#include "util/NumberText.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace vex::host::file {

std::string KeyListText::format(const AnimCurveData& curve) {
    std::string text;
    text.reserve(curve.size() * 24);
    char buffer[64];
    buffer[0] = ' ';
    for (const auto& key : curve.keys())
        for (const double value : {key.time, key.value}) {
            text.append(buffer, util::WriteNumber(buffer + 1, buffer + sizeof buffer, value));
        }
    return text;
}

std::vector<std::string> KeyListText::format(std::span<const AnimCurveData* const> curves) {
    std::vector<std::string> texts(curves.size());
    // Each worker takes the next curve not yet taken, so long and short curves spread evenly.
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < curves.size(); i = next++) texts[i] = format(*curves[i]);
    };
    const std::size_t workers =
        std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), curves.size());
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < workers; ++i) helpers.emplace_back(work);
    work();
    helpers.clear(); // joins the helpers before their texts leave
    return texts;
}

} // namespace vex::host::file
