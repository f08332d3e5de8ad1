#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

// The byte form of a value in our files and records, shared by ByteWriter and ByteReader (the only
// code that calls it; everything else reads and writes bytes through those two):
// - an arithmetic or enum value is stored little-endian whatever the host's byte order; a double or
//   float as its IEEE 754 bit pattern (NaN payloads included), a bool as one byte 0 or 1;
// - a built-in array or std::array element after element, each in its own form;
// - any other trivially copyable type as its object representation, byte for byte as it sits in
//   memory (padding included, host order): fit for byte blocks and structs of single bytes, while a
//   format with multi-byte fields writes them one by one.
namespace vex::util::byteorder {

static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big,
              "the byte codec knows little- and big-endian hosts only");

template <class T>
struct IsStdArray : std::false_type {};
template <class T, size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};

/// True for the types ByteWriter and ByteReader take as one value: trivially copyable, and no pointer
/// (an address means nothing in a file).
template <class T>
concept Value = std::is_trivially_copyable_v<T> && !std::is_pointer_v<T> && !std::is_member_pointer_v<T>;

/// The unsigned integer as wide as T.
template <class T>
using UnsignedOf = std::conditional_t<
    sizeof(T) == 1, uint8_t,
    std::conditional_t<sizeof(T) == 2, uint16_t, std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>>;

/// True for the types stored as a little-endian number.
template <class T>
inline constexpr bool kIsNumber = std::is_arithmetic_v<T> || std::is_enum_v<T>;

/// `u` with its bytes in the opposite order.
template <class U>
constexpr U Swapped(U u) {
    U r = 0;
    for (size_t i = 0; i < sizeof(U); ++i) {
        r = static_cast<U>((r << 8) | (u & 0xFF));
        u = static_cast<U>(u >> 8);
    }
    return r;
}

/// Writes `value` in its byte form to the sizeof(T) bytes at `out` (no alignment needed).
template <Value T>
void Store(const T& value, uint8_t* out) {
    if constexpr (std::is_same_v<T, bool>) {
        *out = value ? 1 : 0;
    } else if constexpr (kIsNumber<T>) {
        static_assert(sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4 || sizeof(T) == 8,
                      "no portable byte form for this number type (long double?)");
        auto u = std::bit_cast<UnsignedOf<T>>(value);
        if constexpr (std::endian::native == std::endian::big) u = Swapped(u);
        std::memcpy(out, &u, sizeof u); // one unaligned store
    } else if constexpr (std::is_array_v<T> || IsStdArray<T>::value) {
        using E = std::remove_cvref_t<decltype(value[0])>;
        static_assert(sizeof(T) % sizeof(E) == 0);
        for (size_t i = 0; i < sizeof(T) / sizeof(E); ++i) Store(value[i], out + i * sizeof(E));
    } else {
        std::memcpy(out, &value, sizeof(T));
    }
}

/// False when the sizeof(T) bytes at `in` are no byte form of T: a bool byte other than 0 or 1.
template <Value T>
bool IsValid(const uint8_t* in) {
    if constexpr (std::is_same_v<T, bool>) {
        return *in <= 1;
    } else if constexpr (std::is_array_v<T> || IsStdArray<T>::value) {
        using E = std::remove_cvref_t<decltype(std::declval<T&>()[0])>;
        for (size_t i = 0; i < sizeof(T) / sizeof(E); ++i)
            if (!IsValid<E>(in + i * sizeof(E))) return false;
        return true;
    } else {
        return true;
    }
}

/// Reads the byte form at `in` (sizeof(T) bytes, IsValid) into `value`.
template <Value T>
void Load(const uint8_t* in, T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        value = *in == 1;
    } else if constexpr (kIsNumber<T>) {
        static_assert(sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4 || sizeof(T) == 8,
                      "no portable byte form for this number type (long double?)");
        UnsignedOf<T> u;
        std::memcpy(&u, in, sizeof u);
        if constexpr (std::endian::native == std::endian::big) u = Swapped(u);
        value = std::bit_cast<T>(u);
    } else if constexpr (std::is_array_v<T> || IsStdArray<T>::value) {
        using E = std::remove_cvref_t<decltype(value[0])>;
        for (size_t i = 0; i < sizeof(T) / sizeof(E); ++i) Load(in + i * sizeof(E), value[i]);
    } else {
        std::memcpy(&value, in, sizeof(T));
    }
}

} // namespace vex::util::byteorder
