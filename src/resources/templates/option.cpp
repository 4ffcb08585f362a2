// SPDX-License-Identifier: Apache-2.0
// The Option page: copies, speed, darkness, stock, units, orientation and the
// selected stock's size.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(control::kOptionSettingsGroup, u"Settings", 7, 4, 238, 80),
    Label(control::kOptionCopiesLabel, u"Copies:", 14, 18, 50),
    Edit(control::kOptionCopiesEdit, 70, 16, 50, ES_NUMBER),
    Spinner(control::kOptionCopiesSpinner, 120, 16),
    Label(control::kOptionSpeedLabel, u"Speed:", 14, 34, 50),
    DropList(control::kOptionSpeedList, 70, 32, 60),
    Label(control::kOptionSpeedUnitLabel, u"cm/s", 134, 34, 40),
    Label(control::kOptionDarknessLabel, u"Darkness:", 14, 50, 50),
    DropList(control::kOptionDarknessList, 70, 48, 60),
    Label(control::kOptionStockLabel, u"Stocks:", 14, 66, 50),
    DropList(control::kOptionStockList, 70, 64, 168),
    Group(control::kOptionPaperFormatGroup, u"Paper Format", 7, 88, 238, 62),
    Label(control::kOptionUnitsLabel, u"Units:", 14, 102, 50),
    DropList(control::kOptionUnitsList, 70, 100, 60),
    Label(control::kOptionOrientationLabel, u"Orientation:", 14, 118, 50),
    DropList(control::kOptionOrientationList, 70, 116, 60),
    Label(control::kOptionRotationLabel, u"Rotate:", 14, 134, 50),
    DropList(control::kOptionRotationList, 70, 132, 40),
    Label(control::kOptionRotationUnitLabel, u"Deg", 114, 134, 20),
    Picture(control::kOptionPortraitPicture, u"#115", 190, 100, 24, 32),
    Hidden(Picture(control::kOptionLandscape180Picture, u"#112", 190, 100, 32, 24)),
    Hidden(Picture(control::kOptionPortrait180Picture, u"#111", 190, 100, 24, 32)),
    Hidden(Picture(control::kOptionLandscapePicture, u"#113", 190, 100, 32, 24)),
    Group(control::kOptionPaperSizeGroup, u"Paper Size", 7, 154, 110, 58),
    Label(control::kOptionWidthLabel, u"Width:", 14, 170, 40),
    Disabled(Edit(control::kOptionWidthEdit, 56, 168, 50)),
    Label(control::kOptionHeightLabel, u"Height:", 14, 188, 40),
    Disabled(Edit(control::kOptionHeightEdit, 56, 186, 50)),
    Group(control::kOptionUnprintableGroup, u"Unprintable Area", 123, 154, 122, 58),
    Label(control::kOptionLeftLabel, u"Left:", 128, 170, 22),
    Disabled(Edit(control::kOptionLeftEdit, 150, 168, 28)),
    Label(control::kOptionRightLabel, u"Right:", 182, 170, 32),
    Disabled(Edit(control::kOptionRightEdit, 214, 168, 28)),
    Label(control::kOptionTopLabel, u"Top:", 128, 188, 22),
    Disabled(Edit(control::kOptionTopEdit, 150, 186, 28)),
    Label(control::kOptionBottomLabel, u"Bottom:", 182, 188, 32),
    Disabled(Edit(control::kOptionBottomEdit, 214, 186, 28)),
};

}  // namespace

constexpr DialogTemplate kOption{106, u"Options", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
