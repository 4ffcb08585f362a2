// SPDX-License-Identifier: Apache-2.0
// One control of a page or dialog as a person reads it, taken from either
// window system, and the differences between two readings of one page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace orca::wintest {

struct ControlState {
    int id = 0;
    std::u16string className;
    std::u16string text;
    bool enabled = false;
    bool visible = false;  // the control's own visible style, whatever its parent's
    bool checked = false;
    std::vector<std::u16string> items;  // combo and list boxes
    int selection = -1;
    // A picture's bitmap: its cells and their dark ones (PictureOf), "" for
    // none. The template text of a picture names its embedded bitmap
    // ("#115"): the headless desktop keeps that as the window text, while a
    // Win32 picture holds the bitmap itself and no text, so both readings
    // give the bitmap instead of the text.
    std::u16string picture;
    // How the text is drawn, as far as a person tells fonts apart: bold,
    // underlined. (The face and pixel height follow the system's dialog font
    // and its resolution, which the headless desktop only stands for.)
    bool bold = false;
    bool underlined = false;
};

bool HoldsItems(std::u16string_view className);
// "<width>x<height> <digest>" of the image cut into its coarsest square cells
// of one tone, so that a bitmap drawn at any whole scale reads as itself:
// rows are the image's lines from the top, '#' for a dark pixel and '.' for
// a light one.
std::u16string PictureOf(int width, int height, const std::vector<std::string>& rows);

// The direct children of parent in window order, read through the port.
std::vector<ControlState> ReadControls(platform::WindowSystem& windows, platform::Window parent);

// A dialog as a person reads it: its caption, its controls, and the
// controls of each of its child dialogs in window order.
struct DialogReading {
    std::u16string caption;
    std::vector<ControlState> controls;
    std::vector<std::vector<ControlState>> childDialogs;
};

// The same of a dialog read through the port.
DialogReading ReadDialog(platform::WindowSystem& windows, platform::Window dialog);

// Every difference between the real sheet's reading of a page and the
// headless desktop's, one line each naming the control and what differs.
std::vector<std::string> Differences(const std::vector<ControlState>& real,
                                     const std::vector<ControlState>& headless);
std::vector<std::string> Differences(const DialogReading& real, const DialogReading& headless);

}  // namespace orca::wintest
