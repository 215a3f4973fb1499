// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A minimal PNG encoder for the spectrogram pictures: 8-bit RGB, no filtering, the image data
// in stored (uncompressed) deflate blocks. Enough for any viewer, no library needed.

#include <cstdint>
#include <string>
#include <vector>

namespace sonarel::cli {

// `rgb` holds width x height pixels, three bytes each, row by row from the top.
std::string encodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace sonarel::cli
