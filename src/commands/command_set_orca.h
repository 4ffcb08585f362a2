// SPDX-License-Identifier: Apache-2.0
// The caret language's command generator.
#pragma once

#include "commands/command_set_base.h"

namespace orca::commands {

class CCommandSet_ORCA : public CCommandSetBase {
public:
    int32_t GetCommandLanguage() const override { return kCommandLanguageOrca; }
    int32_t GetCommandSetCode() const override { return 92; }
    int32_t ResetSyntax() override;
    int32_t LabelFormat(uint8_t selector) override;
    int32_t LabelHome() override;
    int32_t FieldOrigin(uint32_t x, uint32_t y) override;
    int32_t FieldTypeset(uint32_t x, uint32_t y) override;
    int32_t MediaTracking(uint8_t paper_type) override;
    int32_t MediaType(uint8_t print_method) override;
    int32_t PrintMode(uint8_t operation_mode, uint32_t interval, uint32_t counter,
                      uint32_t copies) override;
    int32_t PrintOrientation(uint8_t flag) override;
    int32_t LabelReverse(uint8_t flag, uint32_t label_width, uint32_t label_height) override;
    int32_t PrintMirror(uint8_t flag) override;
    int32_t PrintRate(uint8_t speed) override;
    int32_t Darkness(uint8_t darkness) override;
    int32_t Backfeed(uint8_t mode) override;
    int32_t PrintQuantity(uint32_t copies, uint32_t operation_mode, uint32_t interval,
                          uint32_t pause_count, uint32_t counter, uint8_t pause_mode) override;
    int32_t InternationalFont() override;
    int32_t DotsPerMillimetre() override;
    int32_t LabelTop(double mm, uint32_t dpi) override;
    int32_t TearOff(double mm, uint32_t dpi) override;
    int32_t LabelShift(double mm, uint32_t dpi) override;
    int32_t PrintWidth(uint32_t dots) override;
    int32_t LabelLength(uint32_t dots) override;
    int32_t GraphicBox(uint32_t length_mm, uint32_t height_dots, uint32_t dpi) override;
    int32_t GraphicDownload(uint32_t total_bytes, uint32_t bytes_per_row, uint32_t unused,
                            uint8_t compressed) override;
    int32_t GraphicDelete() override;
    int32_t SaveSettings() override;
    int32_t GraphicRecall() override;
    int32_t FieldSeparator() override;
    int32_t TextField(uint32_t x, uint32_t y, char font, char orientation, uint32_t width,
                      uint32_t height, uint32_t length, const uint8_t* data) override;
    int32_t BarcodeField(uint8_t code, uint32_t x, uint32_t y, uint8_t module_width, double ratio,
                         uint32_t height, uint8_t rotation, uint8_t human_readable, uint32_t length,
                         const uint8_t* data, uint8_t check_digit) override;
    int32_t Pdf417Field(int32_t x, uint32_t y, uint8_t module_width, uint8_t row_height,
                        uint8_t security, uint8_t columns, uint8_t rows, uint8_t rotation,
                        uint8_t truncate, uint32_t length, const uint8_t* data) override;
    int32_t DatamatrixField(uint32_t x, uint32_t y, uint8_t rotation, uint8_t element_height,
                            uint8_t quality, uint8_t columns, uint8_t rows, uint8_t format_id,
                            uint32_t length, const uint8_t* data) override;
    int32_t MaxicodeField(uint32_t x, uint32_t y, char mode, uint32_t length,
                          const uint8_t* data) override;
    int32_t QrField(uint32_t x, uint32_t y, uint8_t model, uint8_t magnification,
                    char error_correction, uint8_t mask, uint32_t length,
                    const uint8_t* data) override;
    int32_t CancelAll(uint8_t flag) override;
};

}  // namespace orca::commands
