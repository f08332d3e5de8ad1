#pragma once

namespace vex::orb::core::DediDavazi_Default {

/// Registers one factory per built-in operation, in this order: "zero", "constant", "add", "sub",
/// "mul", "div", "greater", "greater_equal", "less", "less_equal", "equals", "notequals", "mod", "pow",
/// "atan2", "atan", "tan", "sin", "cos", "inv", "neg", "sum", "parameter". Called once at start-up;
/// calling it again changes nothing, because a name that is registered already keeps its factory.
void RegisterFactories();

} // namespace vex::orb::core::DediDavazi_Default
