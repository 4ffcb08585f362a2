// SPDX-License-Identifier: Apache-2.0
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

// The bitmap a picture's template text names ("#115"), or nullptr.
const BitmapResource* NamedBitmap(std::u16string_view text);

// Where a picture's bitmap is drawn in its control's box, in pixels.
struct PicturePlace {
    int scale;
    int left;
    int top;
    int width;
    int height;
};

// A picture is drawn as large as its control allows while each bitmap pixel
// stays a square cell of whole screen pixels (the largest whole factor by
// which the bitmap fits the box, at least 1), centred in the box.
PicturePlace PlaceInBox(const BitmapResource& bitmap, int boxLeft, int boxTop, int boxWidth,
                        int boxHeight);

}  // namespace orca::resources
