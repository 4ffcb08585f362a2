// SPDX-License-Identifier: Apache-2.0
// The command-generator interface shared by both printer languages.
//
// A generator turns one printing decision into the exact bytes of one printer
// command and hands them to the attached output sink in a single write. The
// base class implements no command: every emitting slot answers
// kCommandNotInLanguage, which is also what a language answers for the slots it
// leaves to the base. One shared base instance stands in for a printer model
// that could not create its own generator.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orca::commands {

// Results of every emitting slot.
inline constexpr int32_t kCommandWritten = 0;
inline constexpr int32_t kCommandNotInLanguage = -1;
inline constexpr int32_t kCommandNoSink = -2;
inline constexpr int32_t kCommandSinkFailed = -8;
inline constexpr int32_t kCommandOutOfRange = -9;

// Answers of the language query; the fallback generator speaks no language.
inline constexpr int32_t kCommandLanguageNone = 0;
inline constexpr int32_t kCommandLanguageOrca = 1;
inline constexpr int32_t kCommandLanguageOnyx = 2;

// Receives one whole command; a negative status means the bytes were not taken.
using CommandSinkWrite = int32_t (*)(void* context, const uint8_t* bytes, uint64_t count);

class CCommandSetBase {
public:
    CCommandSetBase() = default;
    CCommandSetBase(const CCommandSetBase&) = delete;
    CCommandSetBase& operator=(const CCommandSetBase&) = delete;

    // The one generator that models without a generator of their own share.
    static CCommandSetBase& Fallback();

    // Both must be non-null for any command to be written.
    void AttachSink(void* context, CommandSinkWrite write) {
        sink_context_ = context;
        sink_write_ = write;
    }

    // The slots, in their binding order.
    virtual ~CCommandSetBase();
    virtual int32_t GetCommandLanguage() const { return kCommandLanguageNone; }
    virtual int32_t GetCommandSetCode() const { return 0; }
    virtual int32_t ResetSyntax() { return kCommandNotInLanguage; }
    virtual int32_t LabelFormat(uint8_t /*selector*/) { return kCommandNotInLanguage; }
    virtual int32_t LabelHome() { return kCommandNotInLanguage; }
    virtual int32_t FieldOrigin(uint32_t /*x*/, uint32_t /*y*/) { return kCommandNotInLanguage; }
    virtual int32_t FieldTypeset(uint32_t /*x*/, uint32_t /*y*/) { return kCommandNotInLanguage; }
    virtual int32_t MediaTracking(uint8_t /*paper_type*/) { return kCommandNotInLanguage; }
    virtual int32_t MediaType(uint8_t /*print_method*/) { return kCommandNotInLanguage; }
    virtual int32_t PrintMode(uint8_t /*operation_mode*/, uint32_t /*interval*/,
                              uint32_t /*counter*/, uint32_t /*copies*/) {
        return kCommandNotInLanguage;
    }
    virtual int32_t PrintOrientation(uint8_t /*flag*/) { return kCommandNotInLanguage; }
    virtual int32_t LabelReverse(uint8_t /*flag*/, uint32_t /*label_width*/,
                                 uint32_t /*label_height*/) {
        return kCommandNotInLanguage;
    }
    virtual int32_t PrintMirror(uint8_t /*flag*/) { return kCommandNotInLanguage; }
    virtual int32_t PrintRate(uint8_t /*speed*/) { return kCommandNotInLanguage; }
    virtual int32_t Darkness(uint8_t /*darkness*/) { return kCommandNotInLanguage; }
    virtual int32_t Backfeed(uint8_t /*mode*/) { return kCommandNotInLanguage; }
    virtual int32_t PrintQuantity(uint32_t /*copies*/, uint32_t /*operation_mode*/,
                                  uint32_t /*interval*/, uint32_t /*pause_count*/,
                                  uint32_t /*counter*/, uint8_t /*pause_mode*/) {
        return kCommandNotInLanguage;
    }
    virtual int32_t InternationalFont() { return kCommandNotInLanguage; }
    virtual int32_t DotsPerMillimetre() { return kCommandNotInLanguage; }
    virtual int32_t LabelTop(double /*mm*/, uint32_t /*dpi*/) { return kCommandNotInLanguage; }
    virtual int32_t TearOff(double /*mm*/, uint32_t /*dpi*/) { return kCommandNotInLanguage; }
    virtual int32_t LabelShift(double /*mm*/, uint32_t /*dpi*/) { return kCommandNotInLanguage; }
    virtual int32_t PrintWidth(uint32_t /*dots*/) { return kCommandNotInLanguage; }
    virtual int32_t LabelLength(uint32_t /*dots*/) { return kCommandNotInLanguage; }
    virtual int32_t GraphicBox(uint32_t /*length_mm*/, uint32_t /*height_dots*/, uint32_t /*dpi*/) {
        return kCommandNotInLanguage;
    }
    virtual int32_t GraphicDownload(uint32_t /*total_bytes*/, uint32_t /*bytes_per_row*/,
                                    uint32_t /*unused*/, uint8_t /*compressed*/) {
        return kCommandNotInLanguage;
    }
    virtual int32_t GraphicDelete() { return kCommandNotInLanguage; }
    virtual int32_t SaveSettings() { return kCommandNotInLanguage; }
    virtual int32_t GraphicRecall() { return kCommandNotInLanguage; }
    virtual int32_t FieldSeparator() { return kCommandNotInLanguage; }
    virtual int32_t TextField(uint32_t /*x*/, uint32_t /*y*/, char /*font*/, char /*orientation*/,
                              uint32_t /*width*/, uint32_t /*height*/, uint32_t /*length*/,
                              const uint8_t* /*data*/) {
        return kCommandNotInLanguage;
    }
    virtual int32_t BarcodeField(uint8_t /*code*/, uint32_t /*x*/, uint32_t /*y*/,
                                 uint8_t /*module_width*/, double /*ratio*/, uint32_t /*height*/,
                                 uint8_t /*rotation*/, uint8_t /*human_readable*/,
                                 uint32_t /*length*/, const uint8_t* /*data*/,
                                 uint8_t /*check_digit*/) {
        return kCommandNotInLanguage;
    }
    virtual int32_t Pdf417Field(int32_t /*x*/, uint32_t /*y*/, uint8_t /*module_width*/,
                                uint8_t /*row_height*/, uint8_t /*security*/, uint8_t /*columns*/,
                                uint8_t /*rows*/, uint8_t /*rotation*/, uint8_t /*truncate*/,
                                uint32_t /*length*/, const uint8_t* /*data*/) {
        return kCommandNotInLanguage;
    }
    virtual int32_t DatamatrixField(uint32_t /*x*/, uint32_t /*y*/, uint8_t /*rotation*/,
                                    uint8_t /*element_height*/, uint8_t /*quality*/,
                                    uint8_t /*columns*/, uint8_t /*rows*/, uint8_t /*format_id*/,
                                    uint32_t /*length*/, const uint8_t* /*data*/) {
        return kCommandNotInLanguage;
    }
    virtual int32_t MaxicodeField(uint32_t /*x*/, uint32_t /*y*/, char /*mode*/,
                                  uint32_t /*length*/, const uint8_t* /*data*/) {
        return kCommandNotInLanguage;
    }
    virtual int32_t QrField(uint32_t /*x*/, uint32_t /*y*/, uint8_t /*model*/,
                            uint8_t /*magnification*/, char /*error_correction*/, uint8_t /*mask*/,
                            uint32_t /*length*/, const uint8_t* /*data*/) {
        return kCommandNotInLanguage;
    }
    virtual int32_t CancelAll(uint8_t /*flag*/) { return kCommandNotInLanguage; }
    virtual int32_t ExtJE(uint8_t /*value*/) { return kCommandNotInLanguage; }
    virtual int32_t ExtKIR() { return kCommandNotInLanguage; }
    virtual int32_t ExtImageRecord() { return kCommandNotInLanguage; }
    virtual int32_t ExtColon(uint32_t /*value*/) { return kCommandNotInLanguage; }
    virtual int32_t ExtF(uint32_t /*value*/) { return kCommandNotInLanguage; }
    virtual int32_t ExtJP(uint32_t /*value*/) { return kCommandNotInLanguage; }

protected:
    // Hands one whole command to the sink.
    int32_t Send(std::string_view command) const;

    // Sends an accepted command; an argument without a command is refused.
    int32_t SendIfAccepted(std::optional<std::string_view> command) const {
        return command ? Send(*command) : kCommandOutOfRange;
    }

    // Sends the prefix, the field data byte for byte (NUL bytes included) and
    // the suffix as one command. Data missing behind a non-zero length is refused.
    int32_t SendField(std::string prefix, uint32_t length, const uint8_t* data,
                      std::string_view suffix) const;

    // Sends lead, a minus sign for a negative adjustment, the dots zero-padded
    // to the given digits, and trail. Adjustments beyond limit_mm either way
    // (or not a number) are refused.
    int32_t SendAdjustment(double mm, uint32_t dpi, double limit_mm, const char* lead, int digits,
                           const char* trail) const;

    // dpi / 25.4 × mm truncated toward zero, or nothing when it does not fit a
    // signed 32-bit field.
    static std::optional<int> DotsOf(double mm, uint32_t dpi);

    // A coordinate or count printed as the commands' signed decimal fields print it.
    static int AsDecimal(uint32_t value) { return static_cast<int>(value); }

private:
    void* sink_context_ = nullptr;
    CommandSinkWrite sink_write_ = nullptr;
};

}  // namespace orca::commands
