#pragma once

#include "plugins/common/ToolPage.h"

#include <vector>

namespace vex::orb::addon {

/// The page items of the second stage of a tool's input channels: for each name its "<name> Response
/// Factor" (up to 1) and "<name> Maximum", step 0.001, setting 10, no channel and no callback, bound
/// to the matching entries of `responseFactors` and `maxima` (same length as `names`).
std::vector<PageItem> InputSettingItems(const std::vector<const char*>& names,
                                        const std::vector<double*>& responseFactors,
                                        const std::vector<double*>& maxima);

} // namespace vex::orb::addon
