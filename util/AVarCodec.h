#pragma once

#include "util/ByteReader.h"
#include "util/ByteWriter.h"
#include "util/Matrix.h"
#include "util/QTransform.h"
#include "util/Quat.h"
#include "util/Vector3.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

// The on-disk form of the values an animated variable can hold. Every field is written on its own
// through the byte codec (ByteWriter, ByteReader), little-endian and packed, so the bytes do not
// depend on the host's byte order or on the padding of the in-memory types: a bool is 1 byte, an int 4, a
// double 8, a Vector3 24 (x, y, z), a Quat 32 (x, y, z, w), a QTransform 56 (translation, then rotation) and
// a Matrix 128 (row by row).
namespace vex::util {

/// True for the value types an animated variable can be saved with.
template <typename T>
inline constexpr bool kIsAVarValue =
    std::is_same_v<T, bool> || std::is_same_v<T, unsigned char> || std::is_same_v<T, int32_t> ||
    std::is_same_v<T, double> || std::is_same_v<T, Vector3<double>> || std::is_same_v<T, Quat<double>> ||
    std::is_same_v<T, QTransform<double>> || std::is_same_v<T, Matrix<double>>;

/// Bytes one value of T takes on disk.
template <typename T>
inline constexpr size_t kAVarDiskSize = [] {
    static_assert(kIsAVarValue<T>, "no on-disk form for this value type");
    if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, unsigned char>)
        return size_t{1};
    else if constexpr (std::is_same_v<T, int32_t>)
        return size_t{4};
    else if constexpr (std::is_same_v<T, double>)
        return size_t{8};
    else if constexpr (std::is_same_v<T, Vector3<double>>)
        return size_t{24};
    else if constexpr (std::is_same_v<T, Quat<double>>)
        return size_t{32};
    else if constexpr (std::is_same_v<T, QTransform<double>>)
        return size_t{56};
    else
        return size_t{128};
}();

/// Writes `value` in its on-disk form (kAVarDiskSize<T> bytes) at the cursor of `out`.
template <typename T>
bool WriteAVarValue(ByteWriter& out, const T& value) {
    if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, unsigned char> || std::is_same_v<T, int32_t> ||
                  std::is_same_v<T, double>) {
        return out.Write(value);
    } else if constexpr (std::is_same_v<T, Vector3<double>>) {
        return out.Write(value.x) && out.Write(value.y) && out.Write(value.z);
    } else if constexpr (std::is_same_v<T, Quat<double>>) {
        return out.Write(value.x) && out.Write(value.y) && out.Write(value.z) && out.Write(value.w);
    } else if constexpr (std::is_same_v<T, QTransform<double>>) {
        return WriteAVarValue(out, value.translation) && WriteAVarValue(out, value.rotation);
    } else {
        static_assert(std::is_same_v<T, Matrix<double>>, "no on-disk form for this value type");
        return out.Write(value.m); // row by row
    }
}

/// Reads a value written by WriteAVarValue at the cursor of `in` into `value`. Returns false, leaving
/// `value` untouched and `in` failed, when the bytes run out or are no value WriteAVarValue writes
/// (a bool byte other than 0 or 1).
template <typename T>
bool ReadAVarValue(ByteReader& in, T& value) {
    T read = value;
    bool ok = false;
    if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, unsigned char> || std::is_same_v<T, int32_t> ||
                  std::is_same_v<T, double>) {
        ok = in.Read(read);
    } else if constexpr (std::is_same_v<T, Vector3<double>>) {
        ok = in.Read(read.x) && in.Read(read.y) && in.Read(read.z);
    } else if constexpr (std::is_same_v<T, Quat<double>>) {
        ok = in.Read(read.x) && in.Read(read.y) && in.Read(read.z) && in.Read(read.w);
    } else if constexpr (std::is_same_v<T, QTransform<double>>) {
        ok = ReadAVarValue(in, read.translation) && ReadAVarValue(in, read.rotation);
    } else {
        static_assert(std::is_same_v<T, Matrix<double>>, "no on-disk form for this value type");
        ok = in.Read(read.m);
    }
    if (ok) value = read;
    return ok;
}

/// Reads the value at the start of `bytes`, as above.
template <typename T>
bool ReadAVarValue(std::span<const uint8_t> bytes, T& value) {
    ByteReader in(bytes);
    return ReadAVarValue(in, value);
}

} // namespace vex::util
