// SPDX-License-Identifier: Apache-2.0
// The Dithering page: two choices, each with a sample picture.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(control::kDitheringGroup, u"Dithering Type", 7, 4, 238, 60),
    Radio(control::kDitheringHalftoneRadio, u"Halftone", 14, 20, 100, WS_GROUP),
    Radio(control::kDitheringNoneRadio, u"None", 14, 38, 100),
    Picture(control::kDitheringHalftonePicture, u"#143", 190, 14, 32, 32),
    Hidden(Picture(control::kDitheringNonePicture, u"#144", 190, 14, 32, 32)),
};

}  // namespace

constexpr DialogTemplate kDithering{134, u"Dithering", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
