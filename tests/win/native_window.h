// SPDX-License-Identifier: Apache-2.0
// Reading and using the system's windows as a person does: a window's
// caption and controls, its child dialogs, and a person's actions on a
// dialog's controls and on a pop-up menu. Windows are the system's window
// handles, kept apart from the host records whose names the system's
// headers define as macros.
#pragma once

#include <string>
#include <vector>

#include "control_state.h"

namespace orca::wintest {

using NativeWindow = void*;

inline constexpr char16_t kDialogClass[] = u"#32770";
inline constexpr char16_t kMenuClass[] = u"#32768";

// A window's class and caption; its direct children in window order; the
// child with that identifier; its child dialogs that are visible; and a
// dialog as a person reads it, its child dialogs included.
std::u16string ClassName(NativeWindow window);
std::u16string Caption(NativeWindow window);
std::vector<ControlState> Controls(NativeWindow window);
NativeWindow Control(NativeWindow dialog, int controlId);
std::vector<NativeWindow> VisibleChildDialogs(NativeWindow dialog);
DialogReading ReadDialog(NativeWindow dialog);
// Screen rectangle {left, top, right, bottom} and window style.
std::vector<int> ScreenRect(NativeWindow window);
unsigned long Style(NativeWindow window);

// Where a picture shows its bitmap: the control's rectangle in its parent's
// client area, and the bitmap's size {width, height} (empty without one).
// A rectangle of a dialog's template {x, y, cx, cy} in dialog units, as the
// dialog's own pixels {left, top, right, bottom}.
std::vector<int> PlaceInParent(NativeWindow window);
std::vector<int> PictureSize(NativeWindow picture);
std::vector<int> DialogUnitsToPixels(NativeWindow dialog, int x, int y, int cx, int cy);

// Whether a button is one of version 6 of the common controls, the version
// that draws the system's visual styles (only it answers BCM_GETIDEALSIZE),
// and whether a button made now is: in the activation context given, or
// without one in the thread's own.
bool IsVersion6Button(NativeWindow button);
bool NewButtonIsVersion6(void* context = nullptr);

// The activation context a page description (PROPSHEETPAGEW) asks its sheet
// to make the page in; null when it asks for none.
void* PageActivationContext(const void* description);

// A person's actions on a dialog's controls, refused (false) on a control
// that is disabled or hidden: a button clicked (without such a button, its
// command sent as Enter or Escape sends it), an item of a combo or list box
// chosen, text typed key by key over an edit's text (the field left
// afterwards), and the first edit of a dialog, at any depth, filled in.
bool Press(NativeWindow dialog, int controlId);
bool Choose(NativeWindow dialog, int controlId, std::u16string_view item);
bool Type(NativeWindow dialog, int controlId, std::u16string_view text);
bool TypeInFirstEdit(NativeWindow dialog, std::u16string_view text);

// The keyboard's focus: the window that has it, a person's click into a
// control, and Tab (Shift+Tab when backward) pressed as keys, which the
// dialog then handles as its message loop does.
NativeWindow Focused();
void FocusOn(NativeWindow window);
void PressTab(NativeWindow dialog, bool backward);
NativeWindow ParentOf(NativeWindow window);

// The mouse as a person moves it: the pointer to a point of the window's
// client area, and a click of the left button where it stands, each followed
// by what the windows then handle. The window's font {height in pixels,
// underlined}, and the width of its text in that font.
void PointAt(NativeWindow window, int x, int y);
void ClickLeftButton();
std::vector<int> FontOf(NativeWindow window);
int TextWidthOf(NativeWindow window);
bool PointerIsHand();

// The window as it is on the screen, as a PNG image; false when it cannot
// be written.
bool SaveScreenshot(NativeWindow window, const std::u16string& path);

// A pop-up menu's item texts, and a choice by the keyboard: arrow down to
// the item, then Enter.
std::vector<std::u16string> MenuItems(NativeWindow menu);
void ChooseMenuItem(NativeWindow menu, int index);

}  // namespace orca::wintest
