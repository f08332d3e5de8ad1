#pragma once

#include "core/Instance.h"
#include "plugins/common/ToolPage.h"

namespace vex::orb::core::test {

/// Expects the page `instance` built to be `table`, group by group and item by item: kinds, labels,
/// help texts, ranges, settings, bound variables, callbacks, combo entries, and the "Spinner: " input
/// channel of exactly the spinners the table gives one.
void ExpectPageIs(Instance& instance, const addon::ToolPage& table);

} // namespace vex::orb::core::test
