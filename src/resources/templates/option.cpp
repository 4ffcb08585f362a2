// SPDX-License-Identifier: Apache-2.0
// The Option page: copies, speed, darkness, stock, units, orientation and the
// selected stock's size.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(1312, u"Settings", 7, 4, 238, 80),
    Label(1006, u"Copies:", 14, 18, 50),
    Edit(1014, 70, 16, 50, ES_NUMBER),
    Spinner(1320, 120, 16),
    Label(1008, u"Speed:", 14, 34, 50),
    DropList(1016, 70, 32, 60),
    Label(1019, u"cm/s", 134, 34, 40),
    Label(1010, u"Darkness:", 14, 50, 50),
    DropList(1017, 70, 48, 60),
    Label(1012, u"Stocks:", 14, 66, 50),
    DropList(1018, 70, 64, 168),
    Group(1020, u"Paper Format", 7, 88, 238, 62),
    Label(1223, u"Units:", 14, 102, 50),
    DropList(1221, 70, 100, 60),
    Label(1231, u"Orientation:", 14, 118, 50),
    DropList(1224, 70, 116, 60),
    Label(1229, u"Rotate:", 14, 134, 50),
    DropList(1227, 70, 132, 40),
    Label(1318, u"Deg", 114, 134, 20),
    Picture(1021, u"#115", 190, 100, 24, 32),
    Hidden(Picture(1033, u"#112", 190, 100, 32, 24)),
    Hidden(Picture(1039, u"#111", 190, 100, 24, 32)),
    Hidden(Picture(1040, u"#113", 190, 100, 32, 24)),
    Group(1022, u"Paper Size", 7, 154, 110, 58),
    Label(1023, u"Width:", 14, 170, 40),
    Disabled(Edit(1025, 56, 168, 50)),
    Label(1024, u"Height:", 14, 188, 40),
    Disabled(Edit(1027, 56, 186, 50)),
    Group(1028, u"Unprintable Area", 123, 154, 122, 58),
    Label(1029, u"Left:", 128, 170, 22),
    Disabled(Edit(1030, 150, 168, 28)),
    Label(1031, u"Right:", 182, 170, 32),
    Disabled(Edit(1032, 214, 168, 28)),
    Label(1034, u"Top:", 128, 188, 22),
    Disabled(Edit(1036, 150, 186, 28)),
    Label(1037, u"Bottom:", 182, 188, 32),
    Disabled(Edit(1038, 214, 186, 28)),
};

}  // namespace

constexpr DialogTemplate kOption{106, u"Options", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
