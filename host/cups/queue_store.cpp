// SPDX-License-Identifier: Apache-2.0
#include "host/cups/queue_store.h"

#include <charconv>
#include <cstdio>
#include <sstream>
#include <string_view>

#include "host/cups/label_options.h"
#include "host/cups/ppd_lines.h"

namespace orca::host::cups {
namespace {

constexpr std::string_view kSettingsKeyword = "orcauiSettings";
constexpr std::string_view kSizeKeyword = "orcauiSettingsSize";
constexpr std::string_view kPaperKeyword = "orcauiPaper";
constexpr std::string_view kSavedKeyword = "orcauiSaved";

// The record in hexadecimal, a run of four or more equal bytes as
// "z" + the byte + the run's length in four digits: the record is mostly
// empty font records. Values of this length keep each line well within
// the 255 bytes a PPD line may have; a run is never split over two.
constexpr size_t kChunkLength = 200;
constexpr size_t kShortestRun = 4;
constexpr size_t kLongestRun = 0xFFFF;

std::vector<std::string> EncodeChunks(const std::vector<uint8_t>& bytes) {
    std::vector<std::string> chunks(1);
    for (size_t i = 0; i < bytes.size();) {
        size_t run = 1;
        while (i + run < bytes.size() && bytes[i + run] == bytes[i] && run < kLongestRun)
            ++run;
        char token[8];
        if (run >= kShortestRun) {
            std::snprintf(token, sizeof token, "z%02X%04zX", bytes[i], run);
        } else {
            run = 1;
            std::snprintf(token, sizeof token, "%02X", bytes[i]);
        }
        if (chunks.back().size() + std::string_view(token).size() > kChunkLength)
            chunks.emplace_back();
        chunks.back() += token;
        i += run;
    }
    return chunks;
}

bool Number(std::string_view text, size_t* value, int base = 10) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value, base);
    return ec == std::errc() && end == text.data() + text.size();
}

bool Decode(std::string_view text, std::vector<uint8_t>* bytes) {
    for (size_t i = 0; i < text.size();) {
        size_t byte = 0;
        size_t run = 1;
        const bool isRun = text[i] == 'z';
        const size_t length = isRun ? 7 : 2;
        if (i + length > text.size() || !Number(text.substr(i + (isRun ? 1 : 0), 2), &byte, 16) ||
            (isRun && !Number(text.substr(i + 3, 4), &run, 16)))
            return false;
        bytes->insert(bytes->end(), run, static_cast<uint8_t>(byte));
        i += length;
    }
    return true;
}

std::optional<StoredPaper> ReadPaper(std::string_view value) {
    std::istringstream fields{std::string(value)};
    StoredPaper paper;
    if (!(fields >> paper.width >> paper.height >> paper.left >> paper.top >> paper.right >>
          paper.bottom))
        return std::nullopt;
    std::string name;
    std::getline(fields >> std::ws, name);
    paper.name = UnescapeCommands(name);
    return paper;
}

}  // namespace

void WriteQueueStore(const QueueStore& store, std::ostream& out) {
    if (!store.settings.empty()) {
        out << "*" << kSizeKeyword << ": \"" << store.settings.size() << "\"\n";
        const std::vector<std::string> chunks = EncodeChunks(store.settings);
        for (size_t i = 0; i < chunks.size(); ++i)
            out << "*" << kSettingsKeyword << " " << i + 1 << ": \"" << chunks[i] << "\"\n";
    }
    for (size_t i = 0; i < store.papers.size(); ++i) {
        const StoredPaper& paper = store.papers[i];
        out << "*" << kPaperKeyword << " " << i + 1 << ": \"" << paper.width << " " << paper.height
            << " " << paper.left << " " << paper.top << " " << paper.right << " " << paper.bottom
            << " " << EscapeCommands(paper.name) << "\"\n";
    }
    for (const auto& [option, keyword] : store.saved)
        out << "*" << kSavedKeyword << " " << option << ": \"" << keyword << "\"\n";
}

std::optional<std::string> ReadQueueStore(std::istream& ppd, QueueStore* store) {
    std::map<size_t, std::string> chunks;
    std::optional<size_t> size;
    std::map<size_t, StoredPaper> papers;
    PpdLine line;
    while (NextPpdLine(ppd, &line)) {
        size_t number = 0;
        if (line.keyword == kSizeKeyword) {
            if (!Number(line.value, &number))
                return "a damaged *" + std::string(kSizeKeyword) + " line";
            size = number;
        } else if (line.keyword == kSettingsKeyword) {
            if (!Number(line.option, &number))
                return "a damaged *" + std::string(kSettingsKeyword) + " line";
            chunks[number] = line.value;
        } else if (line.keyword == kPaperKeyword) {
            const std::optional<StoredPaper> paper = ReadPaper(line.value);
            if (!paper || !Number(line.option, &number))
                return "a damaged *" + std::string(kPaperKeyword) + " line: " + line.value;
            papers[number] = *paper;
        } else if (line.keyword == kSavedKeyword) {
            store->saved[line.option] = line.value;
        }
    }
    for (auto& [number, paper] : papers)
        store->papers.push_back(std::move(paper));
    if (!size && chunks.empty())
        return std::nullopt;
    std::vector<uint8_t> bytes;
    size_t expected = 1;
    for (const auto& [number, chunk] : chunks) {
        if (number != expected++ || !Decode(chunk, &bytes))
            return "the saved settings in the PPD are damaged";
    }
    if (!size || bytes.size() != *size)
        return "the saved settings in the PPD are incomplete";
    store->settings = std::move(bytes);
    return std::nullopt;
}

}  // namespace orca::host::cups
