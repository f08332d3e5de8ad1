#pragma once

#include "util/Matrix.h"
#include "util/QTransform.h"
#include "util/Quat.h"
#include "util/Vector3.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

// The on-disk form of the values an animated variable can hold. Every field is written on its own,
// little-endian and packed, so the bytes do not depend on the host's byte order or on the padding
// of the in-memory types: a bool is 1 byte, an int 4, a double 8, a Vector3 24 (x, y, z), a Quat 32
// (x, y, z, w), a QTransform 56 (translation, then rotation) and a Matrix 128 (row by row).
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

/// Writes the 8 bytes of `value` at `p`, little-endian, bit for bit (NaN payloads included).
inline void WriteDoubleLE(uint8_t* p, double value) {
    const auto u = std::bit_cast<uint64_t>(value);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &u, 8); // one unaligned store
    } else {
        for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(u >> (8 * i));
    }
}

/// Reads the double stored at `p` by WriteDoubleLE.
inline double ReadDoubleLE(const uint8_t* p) {
    uint64_t u = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&u, p, 8);
    } else {
        for (int i = 0; i < 8; ++i) u |= static_cast<uint64_t>(p[i]) << (8 * i);
    }
    return std::bit_cast<double>(u);
}

/// Writes `value` at `p` in its on-disk form (kAVarDiskSize<T> bytes).
template <typename T>
void WriteAVarValue(uint8_t* p, const T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        *p = value ? 1 : 0;
    } else if constexpr (std::is_same_v<T, unsigned char>) {
        *p = value;
    } else if constexpr (std::is_same_v<T, int32_t>) {
        for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
    } else if constexpr (std::is_same_v<T, double>) {
        WriteDoubleLE(p, value);
    } else if constexpr (std::is_same_v<T, Vector3<double>>) {
        for (double c : {value.x, value.y, value.z}) {
            WriteDoubleLE(p, c);
            p += 8;
        }
    } else if constexpr (std::is_same_v<T, Quat<double>>) {
        for (double c : {value.x, value.y, value.z, value.w}) {
            WriteDoubleLE(p, c);
            p += 8;
        }
    } else if constexpr (std::is_same_v<T, QTransform<double>>) {
        WriteAVarValue(p, value.translation);
        WriteAVarValue(p + 24, value.rotation);
    } else {
        static_assert(std::is_same_v<T, Matrix<double>>, "no on-disk form for this value type");
        for (const auto& row : value.m)
            for (double c : row) {
                WriteDoubleLE(p, c);
                p += 8;
            }
    }
}

/// Reads a value written by WriteAVarValue from `p` into `value`. Returns false, leaving `value`
/// untouched, when the bytes are no value WriteAVarValue writes: a bool byte other than 0 or 1.
template <typename T>
bool ReadAVarValue(const uint8_t* p, T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        if (*p > 1) return false;
        value = *p == 1;
    } else if constexpr (std::is_same_v<T, unsigned char>) {
        value = *p;
    } else if constexpr (std::is_same_v<T, int32_t>) {
        uint32_t u = 0;
        for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(p[i]) << (8 * i);
        value = static_cast<int32_t>(u);
    } else if constexpr (std::is_same_v<T, double>) {
        value = ReadDoubleLE(p);
    } else if constexpr (std::is_same_v<T, Vector3<double>>) {
        value = {ReadDoubleLE(p), ReadDoubleLE(p + 8), ReadDoubleLE(p + 16)};
    } else if constexpr (std::is_same_v<T, Quat<double>>) {
        value = {ReadDoubleLE(p), ReadDoubleLE(p + 8), ReadDoubleLE(p + 16), ReadDoubleLE(p + 24)};
    } else if constexpr (std::is_same_v<T, QTransform<double>>) {
        ReadAVarValue(p, value.translation);
        ReadAVarValue(p + 24, value.rotation);
    } else {
        static_assert(std::is_same_v<T, Matrix<double>>, "no on-disk form for this value type");
        for (auto& row : value.m)
            for (double& c : row) {
                c = ReadDoubleLE(p);
                p += 8;
            }
    }
    return true;
}

} // namespace vex::util
