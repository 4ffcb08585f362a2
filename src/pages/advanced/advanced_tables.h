// SPDX-License-Identifier: Apache-2.0
// The Advanced pages' data: their controls, the fields they edit, the value
// lists of both command languages, the position adjustments with their
// limits, the units they show in, the calibration commands, and the lists of
// the Other dialogs.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "pages/advanced/setting_choice.h"
#include "pages/flag_list.h"
#include "pages/page_text.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "settings/field_ids.h"

namespace orca::pages::advanced {

// The ORCA page's cutter group quantity.
inline constexpr int kGroupQuantityChars = 6;
inline constexpr int kCutterOperation = 4;

// The ONYX page's out-paper unit and its hidden spinner.
inline constexpr int kPaperUnitChars = 4;
inline constexpr int kPaperUnitLow = 1;
inline constexpr int kPaperUnitHigh = 9999;

// Value lists: (code, placeholder text); the texts shown come from the
// language file by item value. A first entry of code 0 is "Default" (255).
inline constexpr FlagListEntry kOrcaOperations[] = {
    {0, u"Default"}, {1, u"Tear Off"},        {2, u"Peel Off"}, {4, u"Rewind"},  {8, u"Applicator"},
    {16, u"Cutter"}, {32, u"Delayed Cutter"}, {64, u"RFID"},    {512, u"KIOSK"},
};
// The ONYX list has no "Default" entry.
inline constexpr FlagListEntry kOnyxOperations[] = {
    {1, u"Cutter"},
    {2, u"Tear Off"},
    {4, u"Peel Off"},
    {8, u"Rewind"},
    {16, u"Tear Off(unconfirmed)"},
    {32, u"Peel Off(unconfirmed)"},
};
inline constexpr FlagListEntry kDefaultDisableEnable[] = {
    {0, u"Default"}, {1, u"Disable"}, {2, u"Enable"}};
inline constexpr FlagListEntry kDisableEnable[] = {{1, u"Disable"}, {2, u"Enable"}};
inline constexpr FlagListEntry kMediaTypes[] = {
    {0, u"Default"}, {1, u"Thermal Transfer"}, {2, u"Thermal Direct"}};
inline constexpr FlagListEntry kPaperTypes[] = {
    {0, u"Default"}, {1, u"Continuous"}, {2, u"Mark Sensing"}, {4, u"Web Sensing"}};

inline constexpr SettingChoice kOrcaOperation{control::kAdvancedOperationList,
                                              settings::field::kOperationMode, kOrcaOperations, 0,
                                              settings::field::kOperationModeList};
inline constexpr SettingChoice kOnyxOperation{control::kAdvancedOperationList,
                                              settings::field::kOperationMode, kOnyxOperations, 0,
                                              settings::field::kOperationModeList};
// The lists after the operation mode, the same on both pages.
inline constexpr SettingChoice kMediaChoices[] = {
    {control::kAdvancedMirrorList, settings::field::kMirror, kDefaultDisableEnable, 3, 0},
    {control::kAdvancedReverseList, settings::field::kInverse, kDefaultDisableEnable, 3, 0},
    {control::kAdvancedMediaTypeList, settings::field::kThermal, kMediaTypes, 0,
     settings::field::kMediaTypes},
    {control::kAdvancedPaperTypeList, settings::field::kPaperType, kPaperTypes, 0,
     settings::field::kPaperTypes},
};

// Position adjustments, stored in millimetres; this value means the
// printer's own setting.
inline constexpr double kPrinterDefault = 1000000.0;

struct Adjustment {
    uint32_t fieldId;  // a double
    int editId;
    int defaultBoxId;
    int unitLabelId;
    double limit;  // in millimetres, either way
    // Locked (edit and "default" box disabled) while the operation mode is
    // one of the page's locking operations.
    bool followsOperation;
};

inline constexpr Adjustment kOrcaAdjustments[] = {
    {5000, control::kAdvancedTopEdit, control::kAdvancedTopDefaultCheck,
     control::kAdvancedTopUnitLabel, 10.0, false},  // dbAdjustTop
    {5001, control::kAdvancedTearOffEdit, control::kAdvancedTearOffDefaultCheck,
     control::kAdvancedTearOffUnitLabel, 10.0, false},  // dbAdjustTearOff
    {5002, control::kAdvancedLeftEdit, control::kAdvancedLeftDefaultCheck,
     control::kAdvancedLeftUnitLabel, 999.9, false},  // dbAdjustPosition
};
// The ONYX block has no left position; its tear-off field is the out-paper
// distance.
inline constexpr Adjustment kOnyxAdjustments[] = {
    {5000, control::kAdvancedTopEdit, control::kAdvancedTopDefaultCheck,
     control::kAdvancedTopUnitLabel, 8.0, false},
    {5001, control::kAdvancedOutPaperEdit, control::kAdvancedOutPaperDefaultCheck,
     control::kAdvancedOutPaperUnitLabel, 8.0, true},
};
// Cutter, Rewind and Peel Off(unconfirmed) leave no out-paper distance to set.
inline constexpr int kOnyxLockingOperations[] = {0, 3, 5};

// The units of btSpeedUnit: millimetres per unit, and whether a value is
// rounded to hundredths of the unit before it shows.
struct AdjustmentUnit {
    double mmPerUnit;
    bool rounded;
};
inline constexpr AdjustmentUnit kAdjustmentUnits[] = {
    {10.0, true},  // cm
    {1.0, false},  // mm
    {25.4, true},  // inch
};
inline constexpr uint8_t kUnitMm = 1;
// The unit labels all show this key followed by the unit code.
inline constexpr std::u16string_view kUnitLabelKey = u"IDC_ADVANCED_STATIC_TOPUNIT";
inline constexpr std::u16string_view kNotApplicable = u"N/A";
inline constexpr std::u16string_view kZero = u"0.00";

// The media calibration: ~JC and a line feed; STX, JC and a carriage return.
inline constexpr uint8_t kOrcaCalibrate[] = {0x7E, 0x4A, 0x43, 0x0A};
inline constexpr uint8_t kOnyxCalibrate[] = {0x02, 0x4A, 0x43, 0x0D};

// Edits are skipped and the unit labels are set with the adjustments.
inline constexpr int kOrcaUntranslated[] = {control::kAdvancedTopUnitLabel,
                                            control::kAdvancedTearOffUnitLabel,
                                            control::kAdvancedLeftUnitLabel};
inline constexpr int kOnyxUntranslated[] = {control::kAdvancedTopUnitLabel,
                                            control::kAdvancedOutPaperUnitLabel,
                                            control::kAdvancedPaperUnitSpinner};

// What sets one language's page apart.
struct Layout {
    resources::PageResource resource;
    TranslationRule rule;
    SettingChoice operation;
    std::span<const Adjustment> adjustments;
    std::span<const int> lockingOperations;
    std::span<const uint8_t> calibrate;
};

inline constexpr Layout kOrcaLayout{
    .resource = resources::kPageAdvancedOrca,
    .rule = {kSkipEdits, kOrcaUntranslated},
    .operation = kOrcaOperation,
    .adjustments = kOrcaAdjustments,
    .lockingOperations = {},
    .calibrate = kOrcaCalibrate,
};
inline constexpr Layout kOnyxLayout{
    .resource = resources::kPageAdvancedOnyx,
    .rule = {kSkipEdits, kOnyxUntranslated},
    .operation = kOnyxOperation,
    .adjustments = kOnyxAdjustments,
    .lockingOperations = kOnyxLockingOperations,
    .calibrate = kOnyxCalibrate,
};

// The Other dialogs.

// ORCA: the interval counts while the printer pauses after an interval.
inline constexpr int kIntervalChars = 6;
inline constexpr int kPauseAfterInterval = 3;
// Line substitution is not offered: its list and label stay hidden.
inline constexpr int kLineSubstitutionPair[] = {control::kOtherLineSubstitutionList,
                                                control::kOtherLineSubstitutionLabel};

inline constexpr FlagListEntry kPauses[] = {
    {0, u"Default"}, {1, u"None"}, {2, u"After Job"}, {4, u"After Label"}, {8, u"After Interval"}};
inline constexpr FlagListEntry kBackFeeds[] = {{0, u"Default"},
                                               {1, u"None"},
                                               {2, u"Before Printing"},
                                               {4, u"Default Back"},
                                               {8, u"After Printing"}};

inline constexpr SettingChoice kOrcaOtherChoices[] = {
    {control::kOtherPauseList, 2010, kPauses, 0, 2054},                  // btPause
    {control::kOtherBackFeedList, 2011, kBackFeeds, 0, 2073},            // btBackFeed
    {control::kOtherCompressionList, 2012, kDisableEnable, 3, 0},        // btZip
    {control::kOtherLineSubstitutionList, 2013, kDisableEnable, 3, 0},   // btLineSubstitution
    {control::kOtherCancelBeforePrintList, 2074, kDisableEnable, 3, 0},  // btCancelBeforePrint
};
inline constexpr SettingChoice kOnyxOtherChoices[] = {
    {control::kOtherErrorReplayList, 2078, kDisableEnable, 3, 0},  // btErrRePrint
};

inline constexpr TranslationRule kOtherRule{kSkipEdits, {}, true};

}  // namespace orca::pages::advanced
