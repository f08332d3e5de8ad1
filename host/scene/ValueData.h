#pragma once

#include "host/scene/Data.h"
#include "host/scene/Value.h"

namespace vex::host {

/// A plain value (matrix, string array, string) handed around as a data object, the way plugs pass
/// matrix and string-array values through MObject handles.
class ValueData : public Data {
public:
    ValueData(MFn::Type type, Value value) : type_(type), value_(std::move(value)) {}

    const Value& value() const { return value_; }
    void setValue(Value value) { value_ = std::move(value); }

    std::shared_ptr<Data> Clone() const override { return std::make_shared<ValueData>(type_, value_); }
    MFn::Type ApiType() const override { return type_; }

private:
    MFn::Type type_;
    Value value_;
};

} // namespace vex::host
