// The function sets over plain values handed around as data objects: matrix, string array, string.
#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/ValueData.h"

#include <maya/MFnMatrixData.h>
#include <maya/MFnStringArrayData.h>
#include <maya/MFnStringData.h>

using namespace vex::host;
using convert::report;

namespace {

/// The value held by the attached data object, or null with a failing status.
const Value* heldValue(const MFnBase& fn, MStatus* status) {
    auto data = ObjectAccess::as<ValueData>(fn.object());
    report(status, data ? MStatus(MStatus::kSuccess) : convert::failure("no data object attached"));
    return data ? &data->value() : nullptr;
}

MStatus replaceValue(const MFnBase& fn, Value value) {
    auto data = ObjectAccess::as<ValueData>(fn.object());
    if (!data) return convert::failure("no data object attached");
    data->setValue(std::move(value));
    return MStatus::kSuccess;
}

MObject attachNew(MFnBase& fn, MFn::Type type, Value value, MStatus* status) {
    MObject object = ObjectAccess::wrap(std::make_shared<ValueData>(type, std::move(value)));
    report(status, fn.setObject(object));
    return object;
}

StringList toList(const MStringArray& strings) {
    StringList list;
    for (const auto& s : strings) list.push_back(s.str());
    return list;
}

} // namespace

MFnMatrixData::MFnMatrixData(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MObject MFnMatrixData::create(const MMatrix& matrix, MStatus* ReturnStatus) {
    return attachNew(*this, MFn::kMatrixData, convert::fromMMatrix(matrix), ReturnStatus);
}

MMatrix MFnMatrixData::matrix(MStatus* ReturnStatus) const {
    const Value* value = heldValue(*this, ReturnStatus);
    return value ? convert::toMMatrix(std::get<Matrix>(*value)) : MMatrix();
}

MStatus MFnMatrixData::set(const MMatrix& matrix) {
    return replaceValue(*this, convert::fromMMatrix(matrix));
}

MFnStringArrayData::MFnStringArrayData(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MObject MFnStringArrayData::create(const MStringArray& strings, MStatus* ReturnStatus) {
    return attachNew(*this, MFn::kStringArrayData, toList(strings), ReturnStatus);
}

MStringArray MFnStringArrayData::array(MStatus* ReturnStatus) const {
    MStringArray strings;
    if (const Value* value = heldValue(*this, ReturnStatus))
        for (const auto& s : std::get<StringList>(*value)) strings.append(MString(s));
    return strings;
}

MStatus MFnStringArrayData::set(const MStringArray& strings) {
    return replaceValue(*this, toList(strings));
}

MFnStringData::MFnStringData(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MObject MFnStringData::create(const MString& text, MStatus* ReturnStatus) {
    return attachNew(*this, MFn::kStringData, text.str(), ReturnStatus);
}

MString MFnStringData::string(MStatus* ReturnStatus) const {
    const Value* value = heldValue(*this, ReturnStatus);
    return value ? MString(std::get<std::string>(*value)) : MString();
}

MStatus MFnStringData::set(const MString& text) {
    return replaceValue(*this, text.str());
}
