// SPDX-License-Identifier: Apache-2.0
// Names and keys of the state directory's files, shared by loading and saving.
#pragma once

namespace orca::platform::sim::state {

inline constexpr char kSystemFile[] = "system.ini";
inline constexpr char kDriversFile[] = "drivers.ini";
inline constexpr char kPrintersFile[] = "printers.ini";
inline constexpr char kFormsFile[] = "forms.ini";
inline constexpr char kSettingsFolder[] = "settings";

inline constexpr char kSystemSection[] = "System";
inline constexpr char kArchitecture[] = "ProcessorArchitecture";
inline constexpr char kWow64Function[] = "Wow64FunctionFound";
inline constexpr char kWow64Call[] = "Wow64CallSucceeds";
inline constexpr char kWow64[] = "Wow64";
inline constexpr char kLanguage[] = "DefaultLanguage";
inline constexpr char kCodePage[] = "AnsiCodePage";
inline constexpr char kProcessName[] = "ProcessName";

inline constexpr char kName[] = "Name";
inline constexpr char kEnvironment[] = "Environment";
inline constexpr char kDependentFile[] = "DependentFile";
inline constexpr char kDriver[] = "Driver";
inline constexpr char kPort[] = "Port";
inline constexpr char kSettings[] = "Settings";
inline constexpr char kPerUserSize[] = "PerUserSettingsSize";
inline constexpr char kPaper[] = "Paper";
inline constexpr char kFlags[] = "Flags";
inline constexpr char kNumber[] = "Number";
inline constexpr char kSize[] = "Size";
inline constexpr char kImageableArea[] = "ImageableArea";

// Section names written for the objects of a file, numbered from 1.
inline constexpr char kDriverSection[] = "Driver";
inline constexpr char kPrinterSection[] = "Printer";
inline constexpr char kFormSection[] = "Form";

}  // namespace orca::platform::sim::state
