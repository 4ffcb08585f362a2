// SPDX-License-Identifier: Apache-2.0
// Every control identifier of the dialog templates, by dialog in window
// order. The numbers are the system's: the string table keys the language
// files by them, and hosts find controls by them. The templates, the pages,
// the host and the tests all name a control from here.
#pragma once

namespace orca::resources::control {

// Option page.
inline constexpr int kOptionSettingsGroup = 1312;
inline constexpr int kOptionCopiesLabel = 1006;
inline constexpr int kOptionCopiesEdit = 1014;
inline constexpr int kOptionCopiesSpinner = 1320;
inline constexpr int kOptionSpeedLabel = 1008;
inline constexpr int kOptionSpeedList = 1016;
inline constexpr int kOptionSpeedUnitLabel = 1019;
inline constexpr int kOptionDarknessLabel = 1010;
inline constexpr int kOptionDarknessList = 1017;
inline constexpr int kOptionStockLabel = 1012;
inline constexpr int kOptionStockList = 1018;
inline constexpr int kOptionPaperFormatGroup = 1020;
inline constexpr int kOptionUnitsLabel = 1223;
inline constexpr int kOptionUnitsList = 1221;
inline constexpr int kOptionOrientationLabel = 1231;
inline constexpr int kOptionOrientationList = 1224;
inline constexpr int kOptionRotationLabel = 1229;
inline constexpr int kOptionRotationList = 1227;
inline constexpr int kOptionRotationUnitLabel = 1318;
inline constexpr int kOptionPortraitPicture = 1021;
inline constexpr int kOptionLandscape180Picture = 1033;
inline constexpr int kOptionPortrait180Picture = 1039;
inline constexpr int kOptionLandscapePicture = 1040;
inline constexpr int kOptionPaperSizeGroup = 1022;
inline constexpr int kOptionWidthLabel = 1023;
inline constexpr int kOptionWidthEdit = 1025;
inline constexpr int kOptionHeightLabel = 1024;
inline constexpr int kOptionHeightEdit = 1027;
inline constexpr int kOptionUnprintableGroup = 1028;
inline constexpr int kOptionLeftLabel = 1029;
inline constexpr int kOptionLeftEdit = 1030;
inline constexpr int kOptionRightLabel = 1031;
inline constexpr int kOptionRightEdit = 1032;
inline constexpr int kOptionTopLabel = 1034;
inline constexpr int kOptionTopEdit = 1036;
inline constexpr int kOptionBottomLabel = 1037;
inline constexpr int kOptionBottomEdit = 1038;

// Advance Setup pages (the ORCA and ONYX pages share the identifiers of the
// controls they share).
inline constexpr int kAdvancedPrinterGroup = 1247;
inline constexpr int kAdvancedOperationLabel = 1255;
inline constexpr int kAdvancedOperationList = 1220;
inline constexpr int kAdvancedGroupQuantityLabel = 1256;
inline constexpr int kAdvancedGroupQuantityEdit = 1226;
inline constexpr int kAdvancedMirrorLabel = 1254;
inline constexpr int kAdvancedMirrorList = 1222;
inline constexpr int kAdvancedReverseLabel = 1253;
inline constexpr int kAdvancedReverseList = 1225;
inline constexpr int kAdvancedMediaTypeLabel = 1249;
inline constexpr int kAdvancedMediaTypeList = 1228;
inline constexpr int kAdvancedPaperTypeLabel = 1252;
inline constexpr int kAdvancedPaperTypeList = 1230;
inline constexpr int kAdvancedPaperUnitLabel = 1327;
inline constexpr int kAdvancedPaperUnitEdit = 1328;
inline constexpr int kAdvancedPaperUnitSpinner = 1319;
inline constexpr int kAdvancedAdjustmentGroup = 1051;
inline constexpr int kAdvancedTopLabel = 1052;
inline constexpr int kAdvancedTopEdit = 1055;
inline constexpr int kAdvancedTopUnitLabel = 1058;
inline constexpr int kAdvancedTopDefaultCheck = 1241;
inline constexpr int kAdvancedTearOffLabel = 1053;
inline constexpr int kAdvancedTearOffEdit = 1056;
inline constexpr int kAdvancedTearOffUnitLabel = 1059;
inline constexpr int kAdvancedTearOffDefaultCheck = 1242;
inline constexpr int kAdvancedLeftLabel = 1054;
inline constexpr int kAdvancedLeftEdit = 1057;
inline constexpr int kAdvancedLeftUnitLabel = 1060;
inline constexpr int kAdvancedLeftDefaultCheck = 1243;
inline constexpr int kAdvancedOutPaperLabel = 1322;
inline constexpr int kAdvancedOutPaperEdit = 1324;
inline constexpr int kAdvancedOutPaperUnitLabel = 1325;
inline constexpr int kAdvancedOutPaperDefaultCheck = 1326;
inline constexpr int kAdvancedOtherButton = 1307;
inline constexpr int kAdvancedCalibrateButton = 1063;
// The string table names two groups that no template has.
inline constexpr int kAdvancedOperationGroup = 1035;
inline constexpr int kAdvancedDitheringGroup = 1248;

// Other dialogs. The system's string table names the line-substitution and
// cancel-before-print lists alike; their identifiers differ.
inline constexpr int kOtherGroup = 1290;
inline constexpr int kOtherPauseLabel = 1292;
inline constexpr int kOtherPauseList = 1301;
inline constexpr int kOtherIntervalLabel = 1293;
inline constexpr int kOtherIntervalEdit = 1306;
inline constexpr int kOtherBackFeedLabel = 1295;
inline constexpr int kOtherBackFeedList = 1302;
inline constexpr int kOtherCompressionLabel = 1298;
inline constexpr int kOtherCompressionList = 1303;
inline constexpr int kOtherCancelBeforePrintLabel = 1297;
inline constexpr int kOtherCancelBeforePrintList = 1305;
inline constexpr int kOtherLineSubstitutionLabel = 1299;
inline constexpr int kOtherLineSubstitutionList = 1304;
inline constexpr int kOtherErrorReplayLabel = 1330;
inline constexpr int kOtherErrorReplayList = 1329;
inline constexpr int kOtherOkButton = 1300;

// Dithering page.
inline constexpr int kDitheringGroup = 1288;
inline constexpr int kDitheringHalftoneRadio = 1291;
inline constexpr int kDitheringNoneRadio = 1286;
inline constexpr int kDitheringHalftonePicture = 1294;
inline constexpr int kDitheringNonePicture = 1296;

// Barcode Fonts page.
inline constexpr int kBarcodeFontsLabel = 1190;
inline constexpr int kBarcodeFontsList = 1192;
inline constexpr int kBarcodeFontsNewButton = 1194;
inline constexpr int kBarcodeFontsChangeButton = 1196;
inline constexpr int kBarcodeFontsDeleteButton = 1197;
inline constexpr int kBarcodeFontsHiddenTitleLabel = 1184;
inline constexpr int kBarcodeFontsHiddenTextLabel = 1180;
inline constexpr int kBarcodeFontsDescriptionLabel = 1185;
inline constexpr int kBarcodeFontsDescriptionText = 1187;

// Command Fonts page.
inline constexpr int kCommandFontsLabel = 1264;
inline constexpr int kCommandFontsList = 1265;
inline constexpr int kCommandFontsNewButton = 1270;
inline constexpr int kCommandFontsChangeButton = 1271;
inline constexpr int kCommandFontsDeleteButton = 1272;
inline constexpr int kCommandFontsHiddenTitleLabel = 1267;
inline constexpr int kCommandFontsHiddenTextLabel = 1266;
inline constexpr int kCommandFontsDescriptionLabel = 1268;
inline constexpr int kCommandFontsDescriptionText = 1269;

// The separators both font list pages share.
inline constexpr int kFontsListSeparator = 1154;
inline constexpr int kFontsDescriptionSeparator = 1155;
inline constexpr int kFontsBottomSeparator = 1157;

// Barcode font dialog.
inline constexpr int kBarcodeFontGroup = 1138;
inline constexpr int kBarcodeFontSymbologyLabel = 1139;
inline constexpr int kBarcodeFontSymbologyList = 1141;
inline constexpr int kBarcodeFontNameLabel = 1140;
inline constexpr int kBarcodeFontNameEdit = 1182;
inline constexpr int kBarcodeFontCheckDigitLabel = 1142;
inline constexpr int kBarcodeFontCheckDigitList = 1143;
inline constexpr int kBarcodeFontRotationLabel = 1144;
inline constexpr int kBarcodeFontRotationList = 1147;
inline constexpr int kBarcodeFontRotationUnitLabel = 1146;
inline constexpr int kBarcodeFontPlaceholder = 1232;
inline constexpr int kBarcodeFontOkButton = 1244;
inline constexpr int kBarcodeFontCancelButton = 1316;

// The symbology pages inside the barcode font dialog: one-dimensional codes.
inline constexpr int kSymbologyDimensionsGroup = 1148;
inline constexpr int kSymbologyXLabel = 1150;
inline constexpr int kSymbologyXList = 1149;
inline constexpr int kSymbologyMilsLabel = 1245;
inline constexpr int kSymbologyYLabel = 1151;
inline constexpr int kSymbologyYEdit = 1152;
inline constexpr int kSymbologyYUnitLabel = 1246;
inline constexpr int kSymbologyFontHeightCheck = 1153;
inline constexpr int kSymbologyHumanReadableGroup = 1156;
inline constexpr int kSymbologyHumanReadableLabel = 1120;
inline constexpr int kSymbologyHumanReadableList = 1145;
inline constexpr int kSymbologyRatioGroup = 1160;
inline constexpr int kSymbologyRatioLabel = 1183;
inline constexpr int kSymbologyRatioList = 1161;
inline constexpr int kSymbologyBarLabel = 1162;
inline constexpr int kSymbologyBarNarrowLabel = 1165;
inline constexpr int kSymbologyBarNarrowEdit = 1167;
inline constexpr int kSymbologyBarWideLabel = 1169;
inline constexpr int kSymbologyBarWideEdit = 1171;
inline constexpr int kSymbologySpaceLabel = 1163;
inline constexpr int kSymbologySpaceNarrowLabel = 1173;
inline constexpr int kSymbologySpaceNarrowEdit = 1174;
inline constexpr int kSymbologySpaceWideLabel = 1175;
inline constexpr int kSymbologySpaceWideEdit = 1176;
// PDF417.
inline constexpr int kPdf417DimensionsGroup = 1235;
inline constexpr int kPdf417NarrowWidthLabel = 1177;
inline constexpr int kPdf417NarrowWidthList = 1179;
inline constexpr int kPdf417SymbolHeightLabel = 1178;
inline constexpr int kPdf417SymbolHeightList = 1181;
inline constexpr int kPdf417OptionsGroup = 1208;
inline constexpr int kPdf417SecurityLabel = 1188;
inline constexpr int kPdf417SecurityList = 1191;
inline constexpr int kPdf417ColumnsLabel = 1193;
inline constexpr int kPdf417ColumnsEdit = 1198;
inline constexpr int kPdf417RowsLabel = 1195;
inline constexpr int kPdf417RowsEdit = 1199;
inline constexpr int kPdf417TruncateLabel = 1321;
inline constexpr int kPdf417TruncateList = 1323;
// Data Matrix.
inline constexpr int kDatamatrixDimensionsGroup = 1233;
inline constexpr int kDatamatrixCellWidthLabel = 1200;
inline constexpr int kDatamatrixCellWidthList = 1201;
inline constexpr int kDatamatrixCellsLabel = 1202;
inline constexpr int kDatamatrixCellsList = 1203;
inline constexpr int kDatamatrixRatioGroup = 1234;
inline constexpr int kDatamatrixEccLabel = 1204;
inline constexpr int kDatamatrixEccList = 1205;
inline constexpr int kDatamatrixFormatIdLabel = 1206;
inline constexpr int kDatamatrixFormatIdList = 1207;
// MaxiCode.
inline constexpr int kMaxicodeGroup = 1211;
inline constexpr int kMaxicodeModeLabel = 1209;
inline constexpr int kMaxicodeModeList = 1210;
// QR Code.
inline constexpr int kQrGroup = 1236;
inline constexpr int kQrXLabel = 1315;
inline constexpr int kQrXList = 1237;
inline constexpr int kQrModelLabel = 1214;
inline constexpr int kQrModelList = 1238;
inline constexpr int kQrErrorLabel = 1212;
inline constexpr int kQrErrorList = 1239;
inline constexpr int kQrMaskLabel = 1213;
inline constexpr int kQrMaskList = 1240;

// Command font dialog.
inline constexpr int kCommandFontNameLabel = 1274;
inline constexpr int kCommandFontNameEdit = 1275;
inline constexpr int kCommandFontPositionLabel = 1285;
inline constexpr int kCommandFontPositionList = 1289;
inline constexpr int kCommandFontStartLabel = 1276;
inline constexpr int kCommandFontStartList = 1277;
inline constexpr int kCommandFontStartButton = 1279;
inline constexpr int kCommandFontStartEdit = 1278;
inline constexpr int kCommandFontEndLabel = 1280;
inline constexpr int kCommandFontEndList = 1281;
inline constexpr int kCommandFontEndButton = 1283;
inline constexpr int kCommandFontEndEdit = 1282;
inline constexpr int kCommandFontOkButton = 1314;
inline constexpr int kCommandFontCancelButton = 1313;

// Custom Command page.
inline constexpr int kCustomCommandGroup = 1081;
inline constexpr int kCustomCommandPositionLabel = 1096;
inline constexpr int kCustomCommandPositionList = 1097;
inline constexpr int kCustomCommandStartLabel = 1098;
inline constexpr int kCustomCommandStartList = 1100;
inline constexpr int kCustomCommandStartButton = 1104;
inline constexpr int kCustomCommandStartEdit = 1102;
inline constexpr int kCustomCommandEndLabel = 1099;
inline constexpr int kCustomCommandEndList = 1101;
inline constexpr int kCustomCommandEndButton = 1105;
inline constexpr int kCustomCommandEndEdit = 1103;
inline constexpr int kCustomCommandSeparator = 1114;
inline constexpr int kCustomCommandCommentsLabel = 1106;
inline constexpr int kCustomCommandEmptyLabel = 1107;
inline constexpr int kCustomCommandFileLabel = 1108;
inline constexpr int kCustomCommandTextLabel = 1109;

// Tools page.
inline constexpr int kToolsGroup = 1117;
inline constexpr int kToolsTypeLabel = 1119;
inline constexpr int kToolsTypeList = 1122;
inline constexpr int kToolsActionLabel = 1121;
inline constexpr int kToolsActionList = 1123;
inline constexpr int kToolsInputEdit = 1128;
inline constexpr int kToolsBrowseButton = 1129;
inline constexpr int kToolsSendButton = 1127;
inline constexpr int kToolsSeparator = 1125;
inline constexpr int kToolsDescriptionLabel = 1124;
inline constexpr int kToolsNoticeLabel = 1126;

// Import/Export page.
inline constexpr int kImportExportLabel = 1216;
inline constexpr int kImportExportSeparator = 1217;
inline constexpr int kImportExportText = 1164;
inline constexpr int kImportExportButton = 1218;
inline constexpr int kImportImportLabel = 1166;
inline constexpr int kImportImportSeparator = 1186;
inline constexpr int kImportImportText = 1168;
inline constexpr int kImportImportButton = 1219;
inline constexpr int kImportDescriptionLabel = 1170;
inline constexpr int kImportDescriptionSeparator = 1189;
inline constexpr int kImportDescriptionText = 1172;

// Language page.
inline constexpr int kLanguageLabel = 1308;
inline constexpr int kLanguageSeparator = 1309;
inline constexpr int kLanguageList = 1310;

// Stocks page.
inline constexpr int kStocksGroup = 1095;
inline constexpr int kStocksFormList = 1082;
inline constexpr int kStocksDeleteButton = 1083;
inline constexpr int kStocksNameLabel = 1085;
inline constexpr int kStocksNameEdit = 1088;
inline constexpr int kStocksSaveButton = 1084;
inline constexpr int kStocksWidthLabel = 1086;
inline constexpr int kStocksWidthEdit = 1089;
inline constexpr int kStocksWidthSpinner = 1090;
inline constexpr int kStocksHeightLabel = 1087;
inline constexpr int kStocksHeightEdit = 1026;
inline constexpr int kStocksHeightSpinner = 1091;
inline constexpr int kStocksWidthLimitsLabel = 1092;
inline constexpr int kStocksHeightLimitsLabel = 1093;
inline constexpr int kStocksUnprintableLabel = 1115;
inline constexpr int kStocksLeftLabel = 1131;
inline constexpr int kStocksLeftEdit = 1130;
inline constexpr int kStocksTopLabel = 1134;
inline constexpr int kStocksTopEdit = 1136;
inline constexpr int kStocksRightLabel = 1132;
inline constexpr int kStocksRightEdit = 1133;
inline constexpr int kStocksBottomLabel = 1135;
inline constexpr int kStocksBottomEdit = 1137;
inline constexpr int kStocksSeparator = 1118;

// Version page.
inline constexpr int kVersionTitleLine = 1002;
inline constexpr int kVersionFirstMakerLine = 1003;
inline constexpr int kVersionSecondMakerLine = 1004;
inline constexpr int kVersionProductHeading = 1005;
inline constexpr int kVersionProductLine = 1007;
inline constexpr int kVersionAdditionalHeading = 1009;
inline constexpr int kVersionAddressLine = 1011;
inline constexpr int kVersionSeparator = 1013;
inline constexpr int kVersionNoticeLine = 1015;

}  // namespace orca::resources::control

namespace orca {
namespace control = resources::control;
}  // namespace orca
