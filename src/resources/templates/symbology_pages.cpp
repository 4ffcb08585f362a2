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
    Group(control::kSymbologyDimensionsGroup, u"Dimensions", 0, 0, 120, 62),
    Label(control::kSymbologyXLabel, u"X Dimension:", 6, 14, 50),
    DropList(control::kSymbologyXList, 58, 12, 28),
    Label(control::kSymbologyMilsLabel, u"5 mils", 90, 14, 28),
    Label(control::kSymbologyYLabel, u"Y Dimension:", 6, 30, 50),
    Edit(control::kSymbologyYEdit, 58, 28, 28),
    Label(control::kSymbologyYUnitLabel, u"mm", 90, 30, 28),
    Check(control::kSymbologyFontHeightCheck, u"Use Font Height", 6, 46, 100),
    Group(control::kSymbologyHumanReadableGroup, u"Human Readable", 0, 66, 120, 30),
    Label(control::kSymbologyHumanReadableLabel, u"HRI", 6, 80, 20),
    DropList(control::kSymbologyHumanReadableList, 30, 78, 60),
    Group(control::kSymbologyRatioGroup, u"Ratio", 126, 0, 120, 96),
    Label(control::kSymbologyRatioLabel, u"N:W", 132, 14, 20),
    DropList(control::kSymbologyRatioList, 156, 12, 40),
    Label(control::kSymbologyBarLabel, u"Bar", 132, 32, 40),
    Label(control::kSymbologyBarNarrowLabel, u"Narrow:", 132, 46, 30),
    Disabled(Edit(control::kSymbologyBarNarrowEdit, 162, 44, 16)),
    Label(control::kSymbologyBarWideLabel, u"Width:", 184, 46, 26),
    Disabled(Edit(control::kSymbologyBarWideEdit, 212, 44, 16)),
    Label(control::kSymbologySpaceLabel, u"Space", 132, 62, 40),
    Label(control::kSymbologySpaceNarrowLabel, u"Narrow:", 132, 76, 30),
    Disabled(Edit(control::kSymbologySpaceNarrowEdit, 162, 74, 16)),
    Label(control::kSymbologySpaceWideLabel, u"Width:", 184, 76, 26),
    Disabled(Edit(control::kSymbologySpaceWideEdit, 212, 74, 16)),
};

constexpr ControlTemplate kPdf417Controls[] = {
    Group(control::kPdf417DimensionsGroup, u"Dimensions", 0, 0, 120, 48),
    Label(control::kPdf417NarrowWidthLabel, u"Narrow bar width:", 6, 14, 64),
    DropList(control::kPdf417NarrowWidthList, 72, 12, 40),
    Label(control::kPdf417SymbolHeightLabel, u"Symbol height:", 6, 30, 64),
    DropList(control::kPdf417SymbolHeightList, 72, 28, 40),
    Group(control::kPdf417OptionsGroup, u"PDF 417 Options", 126, 0, 120, 80),
    Label(control::kPdf417SecurityLabel, u"Security:", 132, 14, 50),
    DropList(control::kPdf417SecurityList, 184, 12, 40),
    Label(control::kPdf417ColumnsLabel, u"Columns:", 132, 30, 50),
    Edit(control::kPdf417ColumnsEdit, 184, 28, 40, ES_NUMBER),
    Label(control::kPdf417RowsLabel, u"Rows:", 132, 46, 50),
    Edit(control::kPdf417RowsEdit, 184, 44, 40, ES_NUMBER),
    Hidden(Label(control::kPdf417TruncateLabel, u"Type:", 132, 62, 50)),
    Hidden(DropList(control::kPdf417TruncateList, 184, 60, 56)),
};

constexpr ControlTemplate kDatamatrixControls[] = {
    Group(control::kDatamatrixDimensionsGroup, u"Dimensions", 0, 0, 120, 48),
    Label(control::kDatamatrixCellWidthLabel, u"1-cell Width:", 6, 14, 50),
    DropList(control::kDatamatrixCellWidthList, 58, 12, 56),
    Label(control::kDatamatrixCellsLabel, u"No. Of Cells:", 6, 30, 50),
    DropList(control::kDatamatrixCellsList, 58, 28, 56),
    Group(control::kDatamatrixRatioGroup, u"Ratio", 126, 0, 120, 48),
    Label(control::kDatamatrixEccLabel, u"ECC:", 132, 14, 50),
    Disabled(DropList(control::kDatamatrixEccList, 184, 12, 56)),
    Label(control::kDatamatrixFormatIdLabel, u"Format ID:", 132, 30, 50),
    DropList(control::kDatamatrixFormatIdList, 184, 28, 56),
};

constexpr ControlTemplate kMaxicodeControls[] = {
    Group(control::kMaxicodeGroup, u"Maxicode Options", 0, 0, 120, 32),
    Label(control::kMaxicodeModeLabel, u"Mode:", 6, 14, 50),
    DropList(control::kMaxicodeModeList, 58, 12, 40),
};

constexpr ControlTemplate kQrControls[] = {
    Group(control::kQrGroup, u"QR Options", 0, 0, 160, 80),
    Label(control::kQrXLabel, u"X Dimensions:", 6, 14, 64),
    DropList(control::kQrXList, 72, 12, 40),
    Label(control::kQrModelLabel, u"Model:", 6, 30, 64),
    DropList(control::kQrModelList, 72, 28, 40),
    Label(control::kQrErrorLabel, u"Error Correction:", 6, 46, 64),
    DropList(control::kQrErrorList, 72, 44, 80),
    Label(control::kQrMaskLabel, u"Mask Number:", 6, 62, 64),
    DropList(control::kQrMaskList, 72, 60, 40),
};

}  // namespace

constexpr DialogTemplate kBarcode1D{129, u"", kWidth, kHeight, k1DControls};
constexpr DialogTemplate kBarcodePdf417{130, u"", kWidth, kHeight, kPdf417Controls};
constexpr DialogTemplate kBarcodeDatamatrix{131, u"", kWidth, kHeight, kDatamatrixControls};
constexpr DialogTemplate kBarcodeMaxicode{132, u"", kWidth, kHeight, kMaxicodeControls};
constexpr DialogTemplate kBarcodeQr{133, u"", kWidth, kHeight, kQrControls};

}  // namespace orca::resources::templates
