// SPDX-License-Identifier: Apache-2.0
// The five symbology pages of the barcode-font dialog. Each is a borderless
// child laid over the dialog's placeholder, so all share its size.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr int kWidth = 246;
constexpr int kHeight = 130;

constexpr ControlTemplate k1DControls[] = {
    Group(1148, u"Dimensions", 0, 0, 120, 62),
    Label(1150, u"X Dimension:", 6, 14, 50),
    DropList(1149, 58, 12, 28),
    Label(1245, u"5 mils", 90, 14, 28),
    Label(1151, u"Y Dimension:", 6, 30, 50),
    Edit(1152, 58, 28, 28),
    Label(1246, u"mm", 90, 30, 28),
    Check(1153, u"Use Font Height", 6, 46, 100),
    Group(1156, u"Human Readable", 0, 66, 120, 30),
    Label(1120, u"HRI", 6, 80, 20),
    DropList(1145, 30, 78, 60),
    Group(1160, u"Ratio", 126, 0, 120, 96),
    Label(1183, u"N:W", 132, 14, 20),
    DropList(1161, 156, 12, 40),
    Label(1162, u"Bar", 132, 32, 40),
    Label(1165, u"Narrow:", 132, 46, 30),
    Disabled(Edit(1167, 162, 44, 16)),
    Label(1169, u"Width:", 184, 46, 26),
    Disabled(Edit(1171, 212, 44, 16)),
    Label(1163, u"Space", 132, 62, 40),
    Label(1173, u"Narrow:", 132, 76, 30),
    Disabled(Edit(1174, 162, 74, 16)),
    Label(1175, u"Width:", 184, 76, 26),
    Disabled(Edit(1176, 212, 74, 16)),
};

constexpr ControlTemplate kPdf417Controls[] = {
    Group(1235, u"Dimensions", 0, 0, 120, 48),
    Label(1177, u"Narrow bar width:", 6, 14, 64),
    DropList(1179, 72, 12, 40),
    Label(1178, u"Symbol height:", 6, 30, 64),
    DropList(1181, 72, 28, 40),
    Group(1208, u"PDF 417 Options", 126, 0, 120, 80),
    Label(1188, u"Security:", 132, 14, 50),
    DropList(1191, 184, 12, 40),
    Label(1193, u"Columns:", 132, 30, 50),
    Edit(1198, 184, 28, 40, ES_NUMBER),
    Label(1195, u"Rows:", 132, 46, 50),
    Edit(1199, 184, 44, 40, ES_NUMBER),
    Hidden(Label(1321, u"Type:", 132, 62, 50)),
    Hidden(DropList(1323, 184, 60, 56)),
};

constexpr ControlTemplate kDatamatrixControls[] = {
    Group(1233, u"Dimensions", 0, 0, 120, 48),
    Label(1200, u"1-cell Width:", 6, 14, 50),
    DropList(1201, 58, 12, 56),
    Label(1202, u"No. Of Cells:", 6, 30, 50),
    DropList(1203, 58, 28, 56),
    Group(1234, u"Ratio", 126, 0, 120, 48),
    Label(1204, u"ECC:", 132, 14, 50),
    Disabled(DropList(1205, 184, 12, 56)),
    Label(1206, u"Format ID:", 132, 30, 50),
    DropList(1207, 184, 28, 56),
};

constexpr ControlTemplate kMaxicodeControls[] = {
    Group(1211, u"Maxicode Options", 0, 0, 120, 32),
    Label(1209, u"Mode:", 6, 14, 50),
    DropList(1210, 58, 12, 40),
};

constexpr ControlTemplate kQrControls[] = {
    Group(1236, u"QR Options", 0, 0, 160, 80),
    Label(1315, u"X Dimensions:", 6, 14, 64),
    DropList(1237, 72, 12, 40),
    Label(1214, u"Model:", 6, 30, 64),
    DropList(1238, 72, 28, 40),
    Label(1212, u"Error Correction:", 6, 46, 64),
    DropList(1239, 72, 44, 80),
    Label(1213, u"Mask Number:", 6, 62, 64),
    DropList(1240, 72, 60, 40),
};

}  // namespace

constexpr DialogTemplate kBarcode1D{129, u"", kWidth, kHeight, k1DControls};
constexpr DialogTemplate kBarcodePdf417{130, u"", kWidth, kHeight, kPdf417Controls};
constexpr DialogTemplate kBarcodeDatamatrix{131, u"", kWidth, kHeight, kDatamatrixControls};
constexpr DialogTemplate kBarcodeMaxicode{132, u"", kWidth, kHeight, kMaxicodeControls};
constexpr DialogTemplate kBarcodeQr{133, u"", kWidth, kHeight, kQrControls};

}  // namespace orca::resources::templates
