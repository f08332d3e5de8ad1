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
void Add(const char* name) {
    DediDavazi::RegisterFactory(new typename Node::Factory(name));
}

} // namespace

void RegisterFactories() {
    Add<Zero>("zero");
    Add<Constant>("constant");
    Add<BinaryFunction<std::plus<double>>>("add");
    Add<BinaryFunction<std::minus<double>>>("sub");
    Add<BinaryFunction<std::multiplies<double>>>("mul");
    Add<BinaryFunction<std::divides<double>>>("div");
    Add<BinaryFunction<std::greater<double>>>("greater");
    Add<BinaryFunction<std::greater_equal<double>>>("greater_equal");
    Add<BinaryFunction<std::less<double>>>("less");
    Add<BinaryFunction<std::less_equal<double>>>("less_equal");
    Add<BinaryFunction<std::equal_to<double>>>("equals");
    Add<BinaryFunction<std::not_equal_to<double>>>("notequals");
    Add<BinaryFunction<Fmod>>("mod");
    Add<BinaryFunction<Pow>>("pow");
    Add<BinaryFunction<Atan2>>("atan2");
    Add<UnaryFunction<Atan>>("atan");
    Add<UnaryFunction<Tan>>("tan");
    Add<UnaryFunction<Sin>>("sin");
    Add<UnaryFunction<Cos>>("cos");
    Add<UnaryFunction<Invert>>("inv");
    Add<UnaryFunction<std::negate<double>>>("neg");
    Add<Sum>("sum");
    Add<Parameter>("parameter");
}

} // namespace vex::orb::core::DediDavazi_Default
