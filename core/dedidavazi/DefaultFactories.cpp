#include "core/dedidavazi/DefaultFactories.h"

#include "core/dedidavazi/BinaryFunction.h"
#include "core/dedidavazi/Constant.h"
#include "core/dedidavazi/Operations.h"
#include "core/dedidavazi/Parameter.h"
#include "core/dedidavazi/Sum.h"
#include "core/dedidavazi/UnaryFunction.h"
#include "core/dedidavazi/Zero.h"

#include <functional>

namespace vex::orb::core::DediDavazi_Default {

namespace {

template <typename Node>
void add(const char* name) {
    DediDavazi::registerFactory(new typename Node::Factory(name));
}

} // namespace

void registerFactories() {
    add<Zero>("zero");
    add<Constant>("constant");
    add<BinaryFunction<std::plus<double>>>("add");
    add<BinaryFunction<std::minus<double>>>("sub");
    add<BinaryFunction<std::multiplies<double>>>("mul");
    add<BinaryFunction<std::divides<double>>>("div");
    add<BinaryFunction<std::greater<double>>>("greater");
    add<BinaryFunction<std::greater_equal<double>>>("greater_equal");
    add<BinaryFunction<std::less<double>>>("less");
    add<BinaryFunction<std::less_equal<double>>>("less_equal");
    add<BinaryFunction<std::equal_to<double>>>("equals");
    add<BinaryFunction<std::not_equal_to<double>>>("notequals");
    add<BinaryFunction<Fmod>>("mod");
    add<BinaryFunction<Pow>>("pow");
    add<BinaryFunction<Atan2>>("atan2");
    add<UnaryFunction<Atan>>("atan");
    add<UnaryFunction<Tan>>("tan");
    add<UnaryFunction<Sin>>("sin");
    add<UnaryFunction<Cos>>("cos");
    add<UnaryFunction<Invert>>("inv");
    add<UnaryFunction<std::negate<double>>>("neg");
    add<Sum>("sum");
    add<Parameter>("parameter");
}

} // namespace vex::orb::core::DediDavazi_Default
