#pragma once
// Decoding of IIM text to the program's UTF-8.

#include <cstdint>
#include <span>
#include <string>

namespace iptc {

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the same number, so every
// byte decodes and no two bytes decode alike.
std::string cp1252ToUtf8(std::span<const uint8_t> bytes);

}  // namespace iptc
