// SPDX-License-Identifier: Apache-2.0
// Screenshots as PNG files: 8-bit RGB, the image data in stored (uncompressed)
// deflate blocks, so no compression library is needed.
#pragma once

#include <cstdint>
#include <string>

namespace orca::wintest {

// pixels: width * height values 0x00RRGGBB, rows from the top. False when the
// file cannot be written.
bool WritePng(const std::u16string& path, int width, int height, const uint32_t* pixels);

}  // namespace orca::wintest
