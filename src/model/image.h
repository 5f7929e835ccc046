#pragma once

#include "addresses.h"

#include <QtGlobal>
#include <array>

// The radio memory image, addressed by radio address.
using Image = std::array<quint8, addr::ImageSize>;

// The 16-byte block that follows the image in a data file; nothing interprets it.
using SpareBlock = std::array<quint8, 16>;

inline int ReadWordLE(const Image& image, int address) {
    return image[address] | (image[address + 1] << 8);
}

inline void WriteWordLE(Image& image, int address, int value) {
    image[address] = quint8(value & 0xFF);
    image[address + 1] = quint8((value >> 8) & 0xFF);
}
