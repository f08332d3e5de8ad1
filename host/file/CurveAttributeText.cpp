#include "host/file/CurveAttributeText.h"

#include "host/file/TangentCodes.h"
#include "util/NumberText.h"

#include <array>
#include <optional>
#include <vector>

namespace vex::host::file {

namespace {

using Key = AnimCurveData::Key;
using Infinity = AnimCurveData::Infinity;
namespace units = builtins::units;

// How a list's entries are written: tangent type codes, yes/no, or numbers.
enum class Form { kCode, kTruth, kNumber };

// One per-key list: its names, its form, when a key's entry is written, and the entry as a number.
struct List {
    const char* shortName;
    const char* longName;
    Form form;
    bool inValueUnits; // a tangent y, in the curve's value unit
    bool (*written)(const AnimCurveData& curve, const Key& key);
    double (*get)(const AnimCurveData& curve, std::size_t index);
    void (*set)(Key& key, double value);
};

double Code(AnimCurveData::Tangent tangent) {
    return TangentCodes::ToFile(tangent);
}

AnimCurveData::Tangent FromCode(double code) {
    return *TangentCodes::FromFile(static_cast<int>(code));
}

// In Maya's order.
const std::array<List, 8> kLists = {{
    {"kit", "keyTanInType", Form::kCode, false,
     [](const AnimCurveData& c, const Key& k) { return k.in != c.DefaultTangent(); },
     [](const AnimCurveData& c, std::size_t i) { return Code(c.KeyAt(i).in); },
     [](Key& k, double v) { k.in = FromCode(v); }},
    {"kot", "keyTanOutType", Form::kCode, false,
     [](const AnimCurveData& c, const Key& k) { return k.out != c.DefaultTangent(); },
     [](const AnimCurveData& c, std::size_t i) { return Code(c.KeyAt(i).out); },
     [](Key& k, double v) { k.out = FromCode(v); }},
    {"ktl", "keyTanLocked", Form::kTruth, false,
     [](const AnimCurveData&, const Key& k) { return !k.tangentsLocked; },
     [](const AnimCurveData& c, std::size_t i) { return c.KeyAt(i).tangentsLocked ? 1.0 : 0.0; },
     [](Key& k, double v) { k.tangentsLocked = v != 0.0; }},
    {"kwl", "keyWeightLocked", Form::kTruth, false,
     [](const AnimCurveData&, const Key& k) { return !k.weightsLocked; },
     [](const AnimCurveData& c, std::size_t i) { return c.KeyAt(i).weightsLocked ? 1.0 : 0.0; },
     [](Key& k, double v) { k.weightsLocked = v != 0.0; }},
    {"kix", "keyTanInX", Form::kNumber, false,
     [](const AnimCurveData&, const Key& k) { return k.in == AnimCurveData::kFixed; },
     [](const AnimCurveData& c, std::size_t i) { return c.TangentVector(i, true).x; },
     [](Key& k, double v) { k.inFixed.x = v; }},
    {"kiy", "keyTanInY", Form::kNumber, true,
     [](const AnimCurveData&, const Key& k) { return k.in == AnimCurveData::kFixed; },
     [](const AnimCurveData& c, std::size_t i) { return c.TangentVector(i, true).y; },
     [](Key& k, double v) { k.inFixed.y = v; }},
    {"kox", "keyTanOutX", Form::kNumber, false,
     [](const AnimCurveData&, const Key& k) { return k.out == AnimCurveData::kFixed; },
     [](const AnimCurveData& c, std::size_t i) { return c.TangentVector(i, false).x; },
     [](Key& k, double v) { k.outFixed.x = v; }},
    {"koy", "keyTanOutY", Form::kNumber, true,
     [](const AnimCurveData&, const Key& k) { return k.out == AnimCurveData::kFixed; },
     [](const AnimCurveData& c, std::size_t i) { return c.TangentVector(i, false).y; },
     [](Key& k, double v) { k.outFixed.y = v; }},
}};

const List* FindList(const std::string& attribute) {
    for (const List& list : kLists)
        if (attribute == list.shortName || attribute == list.longName) return &list;
    return nullptr;
}

std::string NumberText(double value) {
    char buffer[32];
    return std::string(buffer, util::WriteNumber(buffer, buffer + sizeof buffer, value));
}

std::optional<bool> Truth(const std::string& word) {
    if (word == "yes" || word == "on" || word == "true" || word == "1") return true;
    if (word == "no" || word == "off" || word == "false" || word == "0") return false;
    return std::nullopt;
}

std::optional<Infinity> InfinityOf(const std::string& word) {
    const auto code = util::ParseNumber<int>(word);
    if (!code) return std::nullopt;
    for (Infinity mode : {Infinity::kConstant, Infinity::kLinear, Infinity::kCycle, Infinity::kCycleRelative,
                          Infinity::kOscillate})
        if (static_cast<int>(mode) == *code) return mode;
    return std::nullopt;
}

// A list entry as a number, or none when the word is not one of the list's form.
std::optional<double> Entry(const List& list, const std::string& word) {
    if (list.form == Form::kTruth) {
        const auto truth = Truth(word);
        return truth ? std::optional<double>(*truth ? 1.0 : 0.0) : std::nullopt;
    }
    const auto number = util::ParseNumber<double>(word);
    if (list.form == Form::kCode && (!number || !TangentCodes::FromFile(static_cast<int>(*number)) ||
                                     static_cast<double>(static_cast<int>(*number)) != *number))
        return std::nullopt;
    return number;
}

// Applies one of the curve's own settings (".tan", ".wgt", ".pre", ".pst").
std::optional<bool> ApplySetting(AnimCurveData& curve, const std::string& attribute,
                                 std::span<const std::string> words, std::string& error) {
    const bool tangent = attribute == "tan" || attribute == "tangentType";
    const bool weighted = attribute == "wgt" || attribute == "weightedTangents";
    const bool pre = attribute == "pre" || attribute == "preInfinity";
    const bool post = attribute == "pst" || attribute == "postInfinity";
    if (!tangent && !weighted && !pre && !post) return std::nullopt;
    if (words.size() != 1) {
        error = "The curve attribute ." + attribute + " takes one value.";
        return false;
    }
    const std::string& word = words[0];
    bool ok = false;
    if (tangent) {
        const auto code = util::ParseNumber<int>(word);
        const auto type = code ? TangentCodes::FromFile(*code) : std::nullopt;
        if ((ok = type.has_value())) curve.SetDefaultTangent(*type);
    } else if (weighted) {
        const auto truth = Truth(word);
        if ((ok = truth.has_value())) curve.SetWeighted(*truth);
    } else {
        const auto mode = InfinityOf(word);
        if ((ok = mode.has_value())) pre ? curve.SetPreInfinity(*mode) : curve.SetPostInfinity(*mode);
    }
    if (!ok) error = "\"" + word + "\" is not a value of ." + attribute + ".";
    return ok;
}

} // namespace

std::string CurveAttributeText::Leading(const AnimCurveData& curve) {
    return "\tsetAttr \".tan\" " + std::to_string(TangentCodes::ToFile(curve.DefaultTangent())) +
           ";\n\tsetAttr \".wgt\" " + (curve.IsWeighted() ? "yes" : "no") + ";\n";
}

std::string CurveAttributeText::Trailing(const AnimCurveData& curve) {
    std::string text;
    const auto& keys = curve.Keys();
    for (const List& list : kLists) {
        std::size_t first = keys.size(), last = 0;
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (list.written(curve, keys[i])) {
                first = std::min(first, i);
                last = i;
            }
        if (first == keys.size()) continue;
        text += "\tsetAttr -s " + std::to_string(keys.size()) + " \"." + list.shortName + "[" +
                std::to_string(first) + (first == last ? "" : ":" + std::to_string(last)) + "]\"";
        // Maya sets numbers off by two blanks and truth values by one.
        text += list.form == Form::kTruth ? "" : " ";
        for (std::size_t i = first; i <= last; ++i) {
            const double value = list.get(curve, i);
            text += ' ';
            text += list.form == Form::kTruth ? (value != 0.0 ? "yes" : "no") : NumberText(value);
        }
        text += ";\n";
    }
    const auto infinity = [&](const char* name, Infinity mode) {
        if (mode != Infinity::kConstant)
            text +=
                std::string("\tsetAttr \".") + name + "\" " + std::to_string(static_cast<int>(mode)) + ";\n";
    };
    infinity("pre", curve.PreInfinity());
    infinity("pst", curve.PostInfinity());
    return text;
}

bool CurveAttributeText::Handles(const std::string& attribute) {
    static const std::array<const char*, 12> kSettings = {"tan", "tangentType",  "wgt", "weightedTangents",
                                                          "pre", "preInfinity",  "pst", "postInfinity",
                                                          "kb",  "keyBreakdown", "ktd", "keyTickDrawSpecial"};
    for (const char* name : kSettings)
        if (attribute == name) return true;
    return FindList(attribute) != nullptr;
}

bool CurveAttributeText::Apply(AnimCurveData& curve, const std::string& attribute, std::size_t first,
                               std::span<const std::string> words, units::Kind kind, std::string& error) {
    if (const auto applied = ApplySetting(curve, attribute, words, error)) return *applied;
    // Breakdown keys are ordinary keys here, and ticks are drawn alike: these marks are read and dropped.
    if (attribute == "kb" || attribute == "keyBreakdown" || attribute == "ktd" ||
        attribute == "keyTickDrawSpecial")
        return true;
    const List* list = FindList(attribute);
    if (!list) {
        error = "." + attribute + " is not an anim curve attribute.";
        return false;
    }
    if (first + words.size() > curve.size()) {
        error = "The curve has no key " + std::to_string(first + words.size() - 1) + ".";
        return false;
    }
    std::vector<Key> keys = curve.Keys();
    for (std::size_t i = 0; i < words.size(); ++i) {
        auto entry = Entry(*list, words[i]);
        if (!entry) {
            error = "\"" + words[i] + "\" is not a value of ." + attribute + ".";
            return false;
        }
        list->set(keys[first + i], list->inValueUnits ? units::ToInternal(kind, *entry) : *entry);
    }
    curve.AssignKeys(std::move(keys));
    return true;
}

} // namespace vex::host::file
