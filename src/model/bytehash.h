#pragma once
// A 64-bit FNV-1a hash: quick and stable across runs and platforms, enough to
// tell one text from another; not a defence against someone forging one.

#include <cstdint>
#include <string_view>

inline std::uint64_t HashBytes(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}
