// SPDX-License-Identifier: Apache-2.0
#include "control_state.h"

#include <algorithm>
#include <functional>

#include "resources/bitmaps.h"
#include "resources/window_styles.h"
#include "text/utf.h"

namespace orca::wintest {

namespace {

std::string Quoted(std::u16string_view text) {
    return "\"" + text::Utf16ToUtf8(text) + "\"";
}

std::string Listed(const std::vector<std::u16string>& items) {
    std::string list = "[";
    for (const std::u16string& item : items)
        list += (list.size() > 1 ? ", " : "") + Quoted(item);
    return list + "]";
}

// What is compared of two readings of one control, and how a value prints.
struct Field {
    const char* name;
    std::function<std::string(const ControlState&)> value;
};

const Field kFields[] = {
    {"class", [](const ControlState& c) { return Quoted(c.className); }},
    {"text", [](const ControlState& c) { return Quoted(c.text); }},
    {"enabled", [](const ControlState& c) { return std::to_string(c.enabled); }},
    {"visible", [](const ControlState& c) { return std::to_string(c.visible); }},
    {"checked", [](const ControlState& c) { return std::to_string(c.checked); }},
    {"items", [](const ControlState& c) { return Listed(c.items); }},
    {"selection", [](const ControlState& c) { return std::to_string(c.selection); }},
    {"picture", [](const ControlState& c) { return Quoted(c.picture); }},
    {"bold", [](const ControlState& c) { return std::to_string(c.bold); }},
    {"underlined", [](const ControlState& c) { return std::to_string(c.underlined); }},
};

constexpr int kBoldWeight = 700;

// The embedded bitmap a picture's text names ("#115"), or "".
std::u16string NamedPicture(std::u16string_view text) {
    const resources::BitmapResource* bitmap = resources::NamedBitmap(text);
    if (bitmap == nullptr)
        return {};
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap->height; ++y) {
        std::string row(static_cast<size_t>(bitmap->width), '.');
        if (y < static_cast<int>(bitmap->rows.size()))
            bitmap->rows[y].substr(0, row.size()).copy(row.data(), row.size());
        std::ranges::replace_if(
            row, [](char pixel) { return pixel != '#'; }, '.');
        rows.push_back(std::move(row));
    }
    return PictureOf(bitmap->width, bitmap->height, rows);
}

}  // namespace

std::u16string PictureOf(int width, int height, const std::vector<std::string>& rows) {
    auto pixel = [&](int x, int y) {
        return y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size())
                   ? rows[y][x]
                   : '.';
    };
    // The coarsest cells of one tone that tile the picture.
    auto tiledBy = [&](int cell) {
        if (width % cell != 0 || height % cell != 0)
            return false;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (pixel(x, y) != pixel(x - x % cell, y - y % cell))
                    return false;
            }
        }
        return true;
    };
    int cell = std::max(1, std::min(width, height));
    while (cell > 1 && !tiledBy(cell))
        --cell;
    uint64_t digest = 0xcbf29ce484222325;  // FNV-1a
    for (int y = 0; y < height; y += cell) {
        for (int x = 0; x < width; x += cell)
            digest = (digest ^ static_cast<uint8_t>(pixel(x, y))) * 0x100000001b3;
    }
    const std::string text = std::to_string(width / cell) + "x" + std::to_string(height / cell) +
                             " " + std::to_string(digest);
    return {text.begin(), text.end()};
}

bool HoldsItems(std::u16string_view className) {
    return className == u"ComboBox" || className == u"ListBox";
}

std::vector<ControlState> ReadControls(platform::WindowSystem& windows, platform::Window parent) {
    std::vector<ControlState> controls;
    for (platform::Window child : windows.Children(parent)) {
        ControlState state;
        state.id = windows.ControlId(child);
        state.className = windows.ClassName(child);
        state.text = windows.Text(child);
        if (state.className == u"Static") {
            state.picture = NamedPicture(state.text);
            if (!state.picture.empty())
                state.text.clear();
        }
        state.enabled = windows.IsEnabled(child);
        state.visible = (windows.Style(child) & resources::WS_VISIBLE) != 0;
        state.checked = state.className == u"Button" && windows.IsChecked(child);
        const platform::Font font = windows.GetFont(child);
        state.bold = font.weight >= kBoldWeight;
        state.underlined = font.underline;
        if (HoldsItems(state.className)) {
            for (int i = 0; i < windows.ItemCount(child); ++i)
                state.items.push_back(windows.ItemText(child, i));
            state.selection = windows.Selection(child);
        }
        controls.push_back(std::move(state));
    }
    return controls;
}

DialogReading ReadDialog(platform::WindowSystem& windows, platform::Window dialog) {
    DialogReading reading{windows.Text(dialog), ReadControls(windows, dialog), {}};
    for (platform::Window child : windows.Children(dialog)) {
        if (windows.ClassName(child) == u"#32770")
            reading.childDialogs.push_back(ReadControls(windows, child));
    }
    return reading;
}

std::vector<std::string> Differences(const DialogReading& real, const DialogReading& headless) {
    std::vector<std::string> found = Differences(real.controls, headless.controls);
    if (real.caption != headless.caption)
        found.push_back("caption: real " + Quoted(real.caption) + ", headless " +
                        Quoted(headless.caption));
    const size_t common = std::min(real.childDialogs.size(), headless.childDialogs.size());
    for (size_t i = 0; i < common; ++i) {
        for (const std::string& difference :
             Differences(real.childDialogs[i], headless.childDialogs[i]))
            found.push_back("child dialog " + std::to_string(i) + " " + difference);
    }
    if (real.childDialogs.size() != headless.childDialogs.size())
        found.push_back("child dialog count: real " + std::to_string(real.childDialogs.size()) +
                        ", headless " + std::to_string(headless.childDialogs.size()));
    return found;
}

std::vector<std::string> Differences(const std::vector<ControlState>& real,
                                     const std::vector<ControlState>& headless) {
    std::vector<std::string> found;
    const size_t common = std::min(real.size(), headless.size());
    for (size_t i = 0; i < common; ++i) {
        const std::string control =
            "control " + std::to_string(i) + " (id " + std::to_string(real[i].id) + ")";
        if (real[i].id != headless[i].id)
            found.push_back(control + " id: real " + std::to_string(real[i].id) + ", headless " +
                            std::to_string(headless[i].id));
        for (const Field& field : kFields) {
            const std::string mine = field.value(real[i]);
            const std::string theirs = field.value(headless[i]);
            if (mine != theirs)
                found.push_back(control + " " + field.name + ": real " + mine + ", headless " +
                                theirs);
        }
    }
    if (real.size() != headless.size())
        found.push_back("control count: real " + std::to_string(real.size()) + ", headless " +
                        std::to_string(headless.size()));
    return found;
}

}  // namespace orca::wintest
