// The module's bitmaps, drawn in two tones: each row is a line of pixels from
// the top, '#' dark and '.' light.
#pragma once

#include <span>
#include <string_view>

namespace orca::resources {

struct BitmapResource {
    int id;
    int width;
    int height;
    std::span<const std::string_view> rows;
};

// The bitmap with that identifier, or nullptr.
const BitmapResource* FindBitmap(int id);

}  // namespace orca::resources
