// Builds an expression tree from any bytes read as an XML document. Loading, evaluating, setting
// parameters and writing must never crash, and the written tree, read back from its text, must
// evaluate the same (NaN counting as equal to NaN) and write the same elements again.

#include "core/dedidavazi/DediDavazi.h"
#include "core/dedidavazi/DefaultFactories.h"
#include "util/xml/Element.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

using vex::orb::core::DediDavazi;
using vex::util::xml::Element;

bool Same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) ||
           std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// A few parameters, some set twice and one far beyond the ones an expression usually reads.
void SetParameters(DediDavazi& tree) {
    tree.SetParameter(1, -2.5);
    tree.SetParameter(0, 0.75);
    tree.SetParameter(1, 3.0);
    tree.SetParameter(5, 1e300);
    tree.SetParameter(-1, 7.0);
}

void Fail(const char* what, const std::string& written) {
    std::fprintf(stderr, "%s for:\n%s\n", what, written.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = (vex::orb::core::DediDavazi_Default::RegisterFactories(), true);
    (void)registered;

    const std::string input(reinterpret_cast<const char*>(data), size);
    Element source;
    if (source.Parse(std::string_view(input.data(), input.size())) != vex::util::xml::kOk) return 0;
    const std::unique_ptr<DediDavazi> first = DediDavazi::create(source);
    if (!first) return 0;
    (void)first->evaluate();
    SetParameters(*first);
    const double value = first->evaluate();

    Element written;
    first->toXml(written);
    const std::string text = written.ToString();
    Element reread;
    if (reread.Parse(text) != vex::util::xml::kOk) Fail("the written tree does not parse", text);
    const std::unique_ptr<DediDavazi> second = DediDavazi::create(reread);
    if (!second) Fail("the written tree does not load", text);
    SetParameters(*second);
    if (!Same(second->evaluate(), value)) Fail("the reloaded tree evaluates differently", text);
    Element rewritten;
    second->toXml(rewritten);
    if (!(rewritten == written)) Fail("the reloaded tree writes differently", text);
    return 0;
}
