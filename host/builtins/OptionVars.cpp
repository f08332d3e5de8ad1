#include "host/builtins/OptionVars.h"

namespace vex::host::builtins {

using command::Value;

OptionVars& OptionVars::get() {
    static OptionVars vars;
    return vars;
}

std::optional<Value> OptionVars::Find(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

void OptionVars::Set(const std::string& name, Value value) {
    values_[name] = std::move(value);
}

void OptionVars::Append(const std::string& name, const Value& element) {
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
    return values_.erase(name) > 0;
}

} // namespace vex::host::builtins
