#include "host/builtins/OptionVars.h"

#include "host/command/CommandCall.h"
#include "host/scene/CommandEngine.h"
#include "util/AtomicFile.h"
#include "util/NumberText.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace vex::host::builtins {

using command::Value;

namespace {

// One variable's setting as a command line: strings quoted where needed, numbers in the "C" form.
std::string Line(const char* flag, const std::string& name, const Value& element) {
    command::CommandCall call;
    call.name = "optionVar";
    call.args = {{Value::String(flag), true}, {Value::String(name)}, {element}};
    return CommandEngine::CallText(call) + "\n";
}

// The words of a line Save wrote: bare words and quoted strings (unquoted), ";" dropped. None when a
// quote is not closed.
std::optional<std::vector<std::pair<std::string, bool>>> Words(const std::string& line) {
    std::vector<std::pair<std::string, bool>> words;
    for (std::size_t i = 0; i < line.size();) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == ';' || c == '\r') {
            ++i;
        } else if (c == '"') {
            std::string text;
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    ++i;
                    text += line[i] == 'n' ? '\n' : line[i];
                    continue;
                }
                text += line[i];
            }
            if (i >= line.size()) return std::nullopt;
            ++i;
            words.push_back({text, true});
        } else {
            const std::size_t end = line.find_first_of(" \t;\r", i);
            words.push_back({line.substr(i, end - i), false});
            i = end == std::string::npos ? line.size() : end;
        }
    }
    return words;
}

// The value one saved word stands for, of the type the flag sets.
std::optional<Value> Element(const std::string& flag, const std::pair<std::string, bool>& word) {
    if (flag == "-sv" || flag == "-sva")
        return word.second ? std::optional(Value::String(word.first)) : std::nullopt;
    if (word.second) return std::nullopt;
    if (flag == "-iv" || flag == "-iva") {
        const auto number = util::ParseNumber<int64_t>(word.first);
        return number ? std::optional(Value::Int(*number)) : std::nullopt;
    }
    if (flag == "-fv" || flag == "-fva") {
        const auto number = util::ParseNumber<double>(word.first);
        return number ? std::optional(Value::Float(*number)) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

OptionVars& OptionVars::get() {
    static OptionVars vars = [] {
        OptionVars loaded;
        if (const std::string file = PrefsFile(); !file.empty()) loaded.Load(file);
        return loaded;
    }();
    return vars;
}

std::string OptionVars::PrefsFile() {
    const char* home = std::getenv("MAYA_APP_DIR");
    if (!home || !*home) return {};
    const std::string folder = std::string(home) + "/2014/prefs";
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return {};
    return folder + "/optionVars.mel";
}

bool OptionVars::Save(const std::string& path) const {
    std::ostringstream out;
    for (const auto& [name, value] : values_) {
        if (!value.IsArray()) {
            const char* flag = value.GetType() == Value::Type::kInt     ? "-iv"
                               : value.GetType() == Value::Type::kFloat ? "-fv"
                                                                        : "-sv";
            out << Line(flag, name, value);
            continue;
        }
        const char* flag = value.GetType() == Value::Type::kIntArray     ? "-iva"
                           : value.GetType() == Value::Type::kFloatArray ? "-fva"
                                                                         : "-sva";
        for (std::size_t i = 0; i < value.Size(); ++i) out << Line(flag, name, value.At(i));
    }
    // Atomically, as every file of the user's: a crash in the middle keeps the old preferences.
    return util::WriteFileAtomic(path, out.str());
}

bool OptionVars::Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    OptionVars read;
    std::string line;
    while (std::getline(file, line)) {
        const auto words = Words(line);
        if (!words) return false;
        if (words->empty()) continue;
        if (words->size() != 4 || (*words)[0].first != "optionVar") return false;
        const std::string& flag = (*words)[1].first;
        const auto element = Element(flag, (*words)[3]);
        if (!element) return false;
        if (flag.size() == 4)
            read.AddElement((*words)[2].first, *element);
        else
            read.values_[(*words)[2].first] = *element;
    }
    values_ = std::move(read.values_);
    return true;
}

std::optional<Value> OptionVars::Find(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

void OptionVars::Set(const std::string& name, Value value) {
    values_[name] = std::move(value);
    Persist();
}

void OptionVars::Append(const std::string& name, const Value& element) {
    AddElement(name, element);
    Persist();
}

void OptionVars::AddElement(const std::string& name, const Value& element) {
    const Value::Type arrayType = Value::ArrayType(element.GetType());
    Value array = Value::OfType(arrayType);
    if (const auto found = values_.find(name); found != values_.end()) {
        const Value& old = found->second;
        if (old.GetType() == arrayType) array = old;
        if (old.GetType() == element.GetType()) array.SetAt(0, old);
    }
    array.SetAt(array.Size(), element);
    values_[name] = std::move(array);
}

bool OptionVars::remove(const std::string& name) {
    const bool removed = values_.erase(name) > 0;
    if (removed) Persist();
    return removed;
}

void OptionVars::clear() {
    values_.clear();
    Persist();
}

void OptionVars::Persist() const {
    if (const std::string file = PrefsFile(); !file.empty()) Save(file);
}

} // namespace vex::host::builtins
