#include "plugins/storedstates/StoredStates.h"

#include "util/ByteReader.h"
#include "util/ByteWriter.h"
#include "util/DataChunk.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vex::orb::addon {
namespace {

constexpr std::size_t kDoublesPerPose = 7;
// A stored rotation is a unit quaternion within this of length 1.
constexpr double kUnitTolerance = 1e-6;

template <class Pose, class Field>
void VisitPose(Pose& pose, Field&& field) {
    field(pose.translation.x);
    field(pose.translation.y);
    field(pose.translation.z);
    field(pose.rotation.x);
    field(pose.rotation.y);
    field(pose.rotation.z);
    field(pose.rotation.w);
}

} // namespace

int StoredStates::Clamp(int n) {
    return std::clamp(n, 0, kCount - 1);
}

const util::QTransform<double>& StoredStates::Pose(int n) const {
    return poses_[static_cast<std::size_t>(Clamp(n))];
}

void StoredStates::Store(int n, const util::QTransform<double>& pose) {
    poses_[static_cast<std::size_t>(Clamp(n))] = pose;
}

RecordField StoredStates::Field(std::string_view key) {
    return RecordField(
        key,
        [this, key] {
            std::vector<std::uint8_t> bytes;
            util::ByteWriter out(bytes);
            for (util::QTransform<double>& pose : poses_)
                VisitPose(pose, [&out](double& v) { out.Write(v); });
            return util::DataChunk(key, bytes.data(), bytes.size());
        },
        [this](const util::DataChunk& field) {
            if (field.GetSize() != kCount * kDoublesPerPose * sizeof(double)) return;
            util::ByteReader in(field.GetData(), field.GetSize());
            std::array<util::QTransform<double>, kCount> read{};
            bool good = true;
            for (util::QTransform<double>& pose : read) {
                VisitPose(pose, [&in, &good](double& v) {
                    in.Read(v);
                    good = good && std::isfinite(v);
                });
                good = good && std::abs(util::Dot(pose.rotation, pose.rotation) - 1.0) <= kUnitTolerance;
            }
            if (good && in.Ok()) poses_ = read;
        });
}

} // namespace vex::orb::addon
