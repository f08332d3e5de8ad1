#include "host/command/StringFunctions.h"

#include "host/command/FunctionArguments.h"
#include "host/command/Interpreter.h"

#include <algorithm>
#include <cctype>
#include <regex>

namespace vex::host::command {
namespace {

constexpr std::string_view kBlanks = " \t\n\r";

using Body = bool (*)(FunctionArguments& args, Value& result, std::string& error);

// A function of `least` to `most` arguments whose body reads them through FunctionArguments.
void Define(Interpreter& interpreter, const char* name, size_t least, size_t most, Body body) {
    interpreter.RegisterCommand(name, [=](const CommandCall& call, Value& result, std::string& error) {
        FunctionArguments args(call, least, most, error);
        if (!args.Ok()) return false;
        const bool ok = body(args, result, error);
        return ok && args.Ok();
    });
}

// The pattern of match and substitute, refused with a clear reason when it is not one.
bool ReadPattern(const std::string& text, std::regex& pattern, std::string& error) {
    try {
        pattern = std::regex(text, std::regex::ECMAScript);
        return true;
    } catch (const std::regex_error&) {
        error = "\"" + text + "\" is not a valid regular expression.";
        return false;
    }
}

std::string ChangeCase(std::string text, int (*change)(int)) {
    for (char& c : text) c = static_cast<char>(change(static_cast<unsigned char>(c)));
    return text;
}

// The bodies, one per function.

bool Size(FunctionArguments& args, Value& result, std::string&) {
    const Value& v = args.Raw(0);
    result = Value::Int(static_cast<int64_t>(v.IsArray() ? v.Size() : v.AsString().size()));
    return true;
}

bool Substring(FunctionArguments& args, Value& result, std::string& error) {
    const std::string text = args.String(0);
    const int64_t start = args.Int(1),
                  end = std::min<int64_t>(args.Int(2), static_cast<int64_t>(text.size()));
    if (!args.Ok()) return false;
    if (start < 1) {
        error = "The start index is " + std::to_string(start) + "; the first character is 1.";
        return false;
    }
    // 1-based and inclusive; an end before the start gives the empty string.
    result = Value::String(
        end < start ? std::string()
                    : text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(end - start + 1)));
    return true;
}

bool Match(FunctionArguments& args, Value& result, std::string& error) {
    std::regex pattern;
    const std::string text = args.String(1);
    if (!args.Ok() || !ReadPattern(args.String(0), pattern, error)) return false;
    std::smatch found;
    result = Value::String(std::regex_search(text, found, pattern) ? found.str() : std::string());
    return true;
}

bool Substitute(FunctionArguments& args, Value& result, std::string& error) {
    std::regex pattern;
    const std::string text = args.String(1), replacement = args.String(2);
    if (!args.Ok() || !ReadPattern(args.String(0), pattern, error)) return false;
    // The first match only, replaced by the text as written ("$1" is not a reference).
    std::smatch found;
    if (!std::regex_search(text, found, pattern)) {
        result = Value::String(text);
        return true;
    }
    result = Value::String(found.prefix().str() + replacement + found.suffix().str());
    return true;
}

bool SubstituteAll(FunctionArguments& args, Value& result, std::string&) {
    std::string text = args.String(0);
    const std::string search = args.String(1), replacement = args.String(2);
    if (!search.empty())
        for (size_t at = text.find(search); at != std::string::npos;
             at = text.find(search, at + replacement.size()))
            text.replace(at, search.size(), replacement);
    result = Value::String(text);
    return true;
}

bool Gmatch(FunctionArguments& args, Value& result, std::string&) {
    result = Value::Int(GlobMatch(args.String(1), args.String(0)) ? 1 : 0);
    return true;
}

bool Strip(FunctionArguments& args, Value& result, std::string&) {
    const std::string text = args.String(0);
    const size_t first = text.find_first_not_of(kBlanks);
    result = Value::String(first == std::string::npos
                               ? std::string()
                               : text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
    return true;
}

bool ToUpper(FunctionArguments& args, Value& result, std::string&) {
    result = Value::String(ChangeCase(args.String(0), [](int c) { return std::toupper(c); }));
    return true;
}

bool ToLower(FunctionArguments& args, Value& result, std::string&) {
    result = Value::String(ChangeCase(args.String(0), [](int c) { return std::tolower(c); }));
    return true;
}

bool StartsWith(FunctionArguments& args, Value& result, std::string&) {
    result = Value::Int(args.String(0).starts_with(args.String(1)) ? 1 : 0);
    return true;
}

bool EndsWith(FunctionArguments& args, Value& result, std::string&) {
    result = Value::Int(args.String(0).ends_with(args.String(1)) ? 1 : 0);
    return true;
}

bool Strcmp(FunctionArguments& args, Value& result, std::string&) {
    const int order = args.String(0).compare(args.String(1));
    result = Value::Int(order < 0 ? -1 : order > 0 ? 1 : 0);
    return true;
}

bool ArrayContains(FunctionArguments& args, Value& result, std::string&) {
    const std::string wanted = args.String(0);
    const std::vector<std::string> list = args.StringArray(1);
    result = Value::Int(std::find(list.begin(), list.end(), wanted) != list.end() ? 1 : 0);
    return true;
}

bool ArrayToString(FunctionArguments& args, Value& result, std::string&) {
    const std::vector<std::string> list = args.StringArray(0);
    const std::string separator = args.String(1);
    std::string text;
    for (size_t i = 0; i < list.size(); ++i) text += (i > 0 ? separator : "") + list[i];
    result = Value::String(text);
    return true;
}

bool ToStringArray(FunctionArguments& args, Value& result, std::string&) {
    result = Value::StringArray(SplitText(args.String(0), args.String(1)));
    return true;
}

} // namespace

std::vector<std::string> SplitText(std::string_view text, std::string_view separators) {
    std::vector<std::string> pieces;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end =
            separators.empty() ? std::string_view::npos : text.find_first_of(separators, start);
        const std::string_view piece = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!piece.empty()) pieces.emplace_back(piece);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return pieces;
}

bool GlobMatch(std::string_view pattern, std::string_view text) {
    if (pattern.empty()) return text.empty();
    const char p = pattern[0];
    if (p == '*') {
        // Any run, the shortest first.
        for (size_t skip = 0; skip <= text.size(); ++skip)
            if (GlobMatch(pattern.substr(1), text.substr(skip))) return true;
        return false;
    }
    if (text.empty()) return false;
    if (p == '?') return GlobMatch(pattern.substr(1), text.substr(1));
    if (p == '[') {
        const size_t close = pattern.find(']', 2);
        if (close != std::string_view::npos) {
            const std::string_view set = pattern.substr(1, close - 1);
            const bool negated = set[0] == '!' || set[0] == '^';
            bool found = false;
            for (size_t i = negated ? 1 : 0; i < set.size(); ++i) {
                if (i + 2 < set.size() && set[i + 1] == '-') {
                    found = found || (text[0] >= set[i] && text[0] <= set[i + 2]);
                    i += 2;
                } else {
                    found = found || text[0] == set[i];
                }
            }
            return found != negated && GlobMatch(pattern.substr(close + 1), text.substr(1));
        }
    }
    if (p == '\\' && pattern.size() > 1)
        return text[0] == pattern[1] && GlobMatch(pattern.substr(2), text.substr(1));
    return text[0] == p && GlobMatch(pattern.substr(1), text.substr(1));
}

void InstallStringFunctions(Interpreter& interpreter) {
    Define(interpreter, "size", 1, 1, &Size);
    Define(interpreter, "substring", 3, 3, &Substring);
    Define(interpreter, "match", 2, 2, &Match);
    Define(interpreter, "substitute", 3, 3, &Substitute);
    Define(interpreter, "substituteAllString", 3, 3, &SubstituteAll);
    Define(interpreter, "gmatch", 2, 2, &Gmatch);
    Define(interpreter, "strip", 1, 1, &Strip);
    Define(interpreter, "toupper", 1, 1, &ToUpper);
    Define(interpreter, "tolower", 1, 1, &ToLower);
    Define(interpreter, "startsWith", 2, 2, &StartsWith);
    Define(interpreter, "endsWith", 2, 2, &EndsWith);
    Define(interpreter, "strcmp", 2, 2, &Strcmp);
    Define(interpreter, "stringArrayContains", 2, 2, &ArrayContains);
    Define(interpreter, "stringArrayToString", 2, 2, &ArrayToString);
    Define(interpreter, "stringToStringArray", 2, 2, &ToStringArray);
    // tokenize(text, [separators,] $pieces): fills $pieces and answers how many there are.
    interpreter.RegisterWritingCommand(
        "tokenize", [](const CommandCall& call, Value& result, Value& written, std::string& error) {
            FunctionArguments args(call, 2, 3, error);
            const std::string text = args.String(0);
            const std::string separators = call.args.size() == 3 ? args.String(1) : std::string(kBlanks);
            if (!args.Ok()) return false;
            if (!call.args.back().value.IsArray() ||
                call.args.back().value.GetType() != Value::Type::kStringArray) {
                error = "The last argument must be a string array, not a value of type " +
                        std::string(call.args.back().value.TypeName()) + ".";
                return false;
            }
            const std::vector<std::string> pieces = SplitText(text, separators);
            result = Value::Int(static_cast<int64_t>(pieces.size()));
            written = Value::StringArray(pieces);
            return true;
        });
}

} // namespace vex::host::command
