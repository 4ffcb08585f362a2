// SPDX-License-Identifier: Apache-2.0
#include "resources/bitmaps.h"

#include <algorithm>

#include "resources/page_resources.h"

namespace orca::resources {
namespace {

// clang-format off
// Orientation previews: a sheet with an "F", which shows both the turn and
// the half turn.
constexpr std::string_view kPortraitRows[] = {
    "############",
    "#..........#",
    "#.#######..#",
    "#.##.......#",
    "#.##.......#",
    "#.######...#",
    "#.##.......#",
    "#.##.......#",
    "#.##.......#",
    "#..........#",
    "#..........#",
    "#..........#",
    "#..........#",
    "#..........#",
    "#..........#",
    "############",
};

constexpr std::string_view kPortrait180Rows[] = {
    "############",
    "#..........#",
    "#..........#",
    "#..........#",
    "#..........#",
    "#..........#",
    "#..........#",
    "#.......##.#",
    "#.......##.#",
    "#.......##.#",
    "#...######.#",
    "#.......##.#",
    "#.......##.#",
    "#..#######.#",
    "#..........#",
    "############",
};

constexpr std::string_view kLandscapeRows[] = {
    "################",
    "#..............#",
    "#..............#",
    "#.#............#",
    "#.#..#.........#",
    "#.#..#.........#",
    "#.#..#.........#",
    "#.#..#.........#",
    "#.#######......#",
    "#.#######......#",
    "#..............#",
    "################",
};

constexpr std::string_view kLandscape180Rows[] = {
    "################",
    "#..............#",
    "#......#######.#",
    "#......#######.#",
    "#.........#..#.#",
    "#.........#..#.#",
    "#.........#..#.#",
    "#.........#..#.#",
    "#............#.#",
    "#..............#",
    "#..............#",
    "################",
};

// Dithering samples: a grey ramp from light to dark, halftoned and thresholded.
constexpr std::string_view kHalftoneRows[] = {
    "....#.#.########",
    ".....#.#.#.#.#.#",
    "..#.#.#.#.######",
    ".......#.#.#.###",
    "....#.#.########",
    ".....#.#.#.#.#.#",
    "..#.#.#.#.######",
    ".......#.#.#.###",
    "....#.#.########",
    ".....#.#.#.#.#.#",
    "..#.#.#.#.######",
    ".......#.#.#.###",
    "....#.#.########",
    ".....#.#.#.#.#.#",
    "..#.#.#.#.######",
    ".......#.#.#.###",
};

constexpr std::string_view kNoDitheringRows[] = {
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
    "........########",
};

// clang-format on

constexpr BitmapResource Bitmap(int id, std::span<const std::string_view> rows) {
    return {id, static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), rows};
}

constexpr BitmapResource kBitmaps[] = {
    Bitmap(kBitmapPortrait, kPortraitRows),   Bitmap(kBitmapPortrait180, kPortrait180Rows),
    Bitmap(kBitmapLandscape, kLandscapeRows), Bitmap(kBitmapLandscape180, kLandscape180Rows),
    Bitmap(kBitmapHalftone, kHalftoneRows),   Bitmap(kBitmapNoDithering, kNoDitheringRows),
};

}  // namespace

const BitmapResource* FindBitmap(int id) {
    const auto* found = std::ranges::find(kBitmaps, id, &BitmapResource::id);
    return found != std::end(kBitmaps) ? found : nullptr;
}

const BitmapResource* NamedBitmap(std::u16string_view text) {
    if (text.size() < 2 || text.size() > 6 || text[0] != u'#')
        return nullptr;
    int id = 0;
    for (const char16_t digit : text.substr(1)) {
        if (digit < u'0' || digit > u'9')
            return nullptr;
        id = id * 10 + (digit - u'0');
    }
    return FindBitmap(id);
}

PicturePlace PlaceInBox(const BitmapResource& bitmap, int boxLeft, int boxTop, int boxWidth,
                        int boxHeight) {
    const int scale = std::max(1, std::min(boxWidth / bitmap.width, boxHeight / bitmap.height));
    const int width = bitmap.width * scale;
    const int height = bitmap.height * scale;
    return {scale, boxLeft + (boxWidth - width) / 2, boxTop + (boxHeight - height) / 2, width,
            height};
}

}  // namespace orca::resources
