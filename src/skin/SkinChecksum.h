#pragma once
// The checksum that seals a skin blob: CRC-32 as zlib and PNG compute it (polynomial
// 0xEDB88320, reflected, initial and final value 0xFFFFFFFF).

#include <cstdint>
#include <span>

std::uint32_t skinChecksum(std::span<const unsigned char> bytes);
