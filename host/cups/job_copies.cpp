// SPDX-License-Identifier: Apache-2.0
#include "host/cups/job_copies.h"

namespace orca::host::cups {
namespace {

// A label format's start and end, and the quantity command, of each language.
constexpr std::string_view kOrcaStart = "^XA";
constexpr std::string_view kOrcaEnd = "^XZ";
constexpr std::string_view kOrcaQuantity = "^PQ";
constexpr char kStx = '\x02';
constexpr char kCr = '\r';

// The pause mode that leaves pausing to the printer: the quantity alone.
constexpr uint8_t kPrinterPause = 255;

int32_t Append(void* context, const uint8_t* bytes, uint64_t count) {
    static_cast<std::string*>(context)->append(reinterpret_cast<const char*>(bytes), count);
    return 0;
}

}  // namespace

JobCopies::JobCopies(commands::CCommandSetBase& generator, uint32_t copies)
    : onyx_(generator.GetCommandLanguage() == commands::kCommandLanguageOnyx) {
    if (copies < 2)
        return;
    generator.AttachSink(&quantity_, Append);
    generator.PrintQuantity(copies, 0, 1, 0, 0, kPrinterPause);
    generator.AttachSink(nullptr, nullptr);
}

void JobCopies::Feed(std::string_view bytes, std::string* out) {
    if (quantity_.empty()) {
        out->append(bytes);
        return;
    }
    // Between the bytes that may start a command (a caret; a record's first
    // byte) the job goes out in whole spans.
    while (!bytes.empty()) {
        const bool atCommand = !held_.empty() || (onyx_ ? lineStart_ : bytes.front() == '^');
        if (atCommand) {
            if (onyx_)
                FeedOnyx(bytes.front(), out);
            else
                FeedOrca(bytes.front(), out);
            bytes.remove_prefix(1);
            continue;
        }
        const size_t next = bytes.find(onyx_ ? kCr : '^');
        const size_t span = next == std::string_view::npos ? bytes.size() : next + (onyx_ ? 1 : 0);
        out->append(bytes.substr(0, span));
        if (onyx_ && next != std::string_view::npos)
            lineStart_ = true;
        bytes.remove_prefix(span);
    }
}

void JobCopies::Finish(std::string* out) {
    out->append(held_);
    held_.clear();
}

// Caret commands: ^XA opens a format, ^PQ sets its quantity, ^XZ ends it.
// Held back: a caret, or a caret and the X or P that may follow it.
void JobCopies::FeedOrca(char c, std::string* out) {
    if (held_.empty()) {
        held_ = c;
        return;
    }
    if (held_.size() == 1 && (c == 'X' || c == 'P')) {
        held_ += c;
        return;
    }
    const std::string command = held_ + c;
    if (command == kOrcaStart) {
        inFormat_ = true;
        quantitySet_ = false;
    } else if (command == kOrcaQuantity) {
        quantitySet_ = true;
    } else if (command == kOrcaEnd && inFormat_) {
        if (!quantitySet_)
            out->append(quantity_);
        inFormat_ = false;
    }
    out->append(held_);
    held_.clear();
    if (c == '^')
        held_ = c;
    else
        out->push_back(c);
}

// Records end with CR: STX "L" opens a format, a "Q" record sets its
// quantity, the "E" record ends it. A record's first byte is held back when
// it may be one of those two-byte records.
void JobCopies::FeedOnyx(char c, std::string* out) {
    if (!held_.empty()) {
        const char first = held_.front();
        held_.clear();
        if (first == 'E' && c == kCr) {
            if (!quantitySet_)
                out->append(quantity_);
            inFormat_ = false;
        } else if (first == kStx && c == 'L') {
            inFormat_ = true;
            quantitySet_ = false;
        }
        out->push_back(first);
        out->push_back(c);
        lineStart_ = c == kCr;
        return;
    }
    if (lineStart_) {
        if ((c == 'E' && inFormat_) || c == kStx) {
            held_ = c;
            lineStart_ = false;
            return;
        }
        quantitySet_ = quantitySet_ || (c == 'Q' && inFormat_);
    }
    out->push_back(c);
    lineStart_ = c == kCr;
}

}  // namespace orca::host::cups
