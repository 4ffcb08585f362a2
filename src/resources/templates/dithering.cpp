// SPDX-License-Identifier: Apache-2.0
// The Dithering page: two choices, each with a sample picture.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(1288, u"Dithering Type", 7, 4, 238, 60),
    Radio(1291, u"Halftone", 14, 20, 100, WS_GROUP),
    Radio(1286, u"None", 14, 38, 100),
    Picture(1294, u"#143", 190, 14, 32, 32),
    Hidden(Picture(1296, u"#144", 190, 14, 32, 32)),
};

}  // namespace

constexpr DialogTemplate kDithering{134, u"Dithering", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
