#pragma once

#include "host/scene/Data.h"
#include "host/scene/Value.h"

namespace vex::host {

/// A plain value (matrix, string array, string) handed around as a data object, the way plugs pass
/// matrix and string-array values through MObject handles.
class ValueData : public Data {
public:
    ValueData(MFn::Type type, Value value) : m_type(type), m_value(std::move(value)) {}

    const Value& value() const { return m_value; }
    void setValue(Value value) { m_value = std::move(value); }

    std::shared_ptr<Data> clone() const override { return std::make_shared<ValueData>(m_type, m_value); }
    MFn::Type apiType() const override { return m_type; }

private:
    MFn::Type m_type;
    Value m_value;
};

} // namespace vex::host
