// Feeds arbitrary bytes to the animated-variable reader of every on-disk value size. A record that
// is accepted must serialise back to exactly the bytes it was read from (compared as bytes, so NaN
// payloads count) and must answer lookups between its keys; a rejected record must leave the
// variable as it was.
#include "util/AVar_Latest.h"
#include "util/AVar_Linear.h"
#include "util/AVar_Matrix.h"
#include "util/AVar_Nearest.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace vex::util;

namespace {

template <typename T>
std::vector<uint8_t> Serialize(const AVar<T>& v) {
    std::vector<uint8_t> out(v.getSerializedSize());
    if (v.serialize(out.data(), out.size()) != out.size()) std::abort();
    return out;
}

template <typename V>
void Check(const uint8_t* data, size_t size) {
    V v;
    v.set(-7.0, v.GetDefault());
    const std::vector<uint8_t> before = Serialize(v);
    if (!v.deserialize(data, size)) {
        if (Serialize(v) != before) std::abort();
        return;
    }
    const std::vector<uint8_t> after = Serialize(v);
    if (after.size() > size || std::memcmp(after.data(), data, after.size()) != 0) std::abort();

    // Lookups at, between and beyond the keys, then the re-recording path.
    const int32_t count = v.GetKeyCount();
    for (int32_t i = 0; i < count && i < 64; ++i) {
        const double t = v.GetKey(i).time;
        (void)v.get(t);
        (void)v.get(t - 1.0);
        if (i + 1 < count) (void)v.get(t + (v.GetKey(i + 1).time - t) * 0.3);
        if (v.findIndex(t) != i) std::abort();
    }
    if (count > 0) {
        const double middle = v.GetKey(count / 2).time;
        v.TruncateFrom(middle);
        if (v.GetKeyCount() != count / 2) std::abort();
        v.set(middle, v.GetDefault());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check<AVar_Latest<bool>>(data, size);
    Check<AVar_Latest<unsigned char>>(data, size);
    Check<AVar_Linear<int32_t>>(data, size);
    Check<AVar_Linear<double>>(data, size);
    Check<AVar_Linear<Vector3<double>>>(data, size);
    Check<AVar_Nearest<Quat<double>>>(data, size);
    Check<AVar_Nearest<QTransform<double>>>(data, size);
    Check<AVar_Matrix>(data, size);
    return 0;
}
