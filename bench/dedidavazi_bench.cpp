// Evaluating an expression tree of scripted tools, against the same expression as plain C++.
//
// The tree is generated here, the same on every run: a "sum" of 100 terms over 8 parameters,
//   term i = add(mul(parameter a, constant c), mul(less(parameter b, constant d), sin(parameter e)))
// with a, b, e and the constants varying by term: 10 nodes per term, 1,001 nodes in all, mixing
// arithmetic, a comparison and a C library call. It is loaded from XML once; every iteration sets one
// parameter and evaluates the root. The baseline computes the same terms in a loop, added in the same
// order, so both give the same value (checked before measuring). Items are node evaluations.

#include "core/dedidavazi/DediDavazi.h"
#include "core/dedidavazi/DefaultFactories.h"
#include "util/xml/Element.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using vex::orb::core::DediDavazi;

constexpr int kTerms = 100;
constexpr int kParameters = 8;
constexpr int kNodes = 1 + 10 * kTerms;

struct Term {
    int a, b, e;
    double c, d;
};

struct Expression {
    std::array<Term, kTerms> terms;
    std::array<double, kParameters> parameters;

    Expression() {
        for (int i = 0; i < kTerms; ++i)
            terms[i] = {i % kParameters, (i + 3) % kParameters, (i + 5) % kParameters, 0.5 + i / 64.0,
                        (i % 7) * 0.25 - 0.75};
        for (int k = 0; k < kParameters; ++k) parameters[k] = 0.3 * k - 1.0;
    }

    std::string Xml() const {
        const auto parameter = [](int k) { return "<parameter>" + std::to_string(k) + "</parameter>"; };
        const auto constant = [](double v) { return "<constant>" + std::to_string(v) + "</constant>"; };
        std::string xml = "<sum>";
        for (const Term& t : terms)
            xml += "<add><mul>" + parameter(t.a) + constant(t.c) + "</mul><mul><less>" + parameter(t.b) +
                   constant(t.d) + "</less><sin>" + parameter(t.e) + "</sin></mul></add>";
        return xml + "</sum>";
    }

    // The same expression written out in C++.
    double Evaluate() const {
        double sum = 0.0;
        for (const Term& t : terms)
            sum += parameters[t.a] * t.c + (parameters[t.b] < t.d ? 1.0 : 0.0) * std::sin(parameters[t.e]);
        return sum;
    }
};

// The tree for `expression`, with its parameters set; checked to give the C++ value exactly (every
// generated constant is a multiple of 1/64, which the six decimals of std::to_string hold exactly).
std::unique_ptr<DediDavazi> Load(const Expression& expression) {
    vex::orb::core::DediDavazi_Default::RegisterFactories();
    vex::util::xml::Element element;
    if (element.Parse(expression.Xml()) != vex::util::xml::kOk) std::abort();
    std::unique_ptr<DediDavazi> tree = DediDavazi::create(element);
    if (!tree) std::abort();
    for (int k = 0; k < kParameters; ++k) tree->SetParameter(k, expression.parameters[k]);
    if (tree->evaluate() != expression.Evaluate()) {
        std::fprintf(stderr, "tree gives %.17g, C++ gives %.17g\n", tree->evaluate(), expression.Evaluate());
        std::abort();
    }
    return tree;
}

void BM_DediDavaziEvaluate(benchmark::State& state) {
    const Expression expression;
    const std::unique_ptr<DediDavazi> tree = Load(expression);
    double p0 = expression.parameters[0];
    for (auto _ : state) {
        tree->SetParameter(0, p0 += 1e-9);
        benchmark::DoNotOptimize(tree->evaluate());
    }
    state.SetItemsProcessed(state.iterations() * kNodes);
}
BENCHMARK(BM_DediDavaziEvaluate);

void BM_PlainCppBaseline(benchmark::State& state) {
    Expression expression;
    for (auto _ : state) {
        expression.parameters[0] += 1e-9;
        benchmark::DoNotOptimize(expression.parameters);
        benchmark::DoNotOptimize(expression.Evaluate());
    }
    state.SetItemsProcessed(state.iterations() * kNodes);
}
BENCHMARK(BM_PlainCppBaseline);

} // namespace
