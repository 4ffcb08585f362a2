// SPDX-License-Identifier: Apache-2.0
// A text lookup in a UI language file as a page makes it: with the parse
// cache (the file is parsed once) against a parse per lookup; and the first
// lookup after the file was written anew with the same bytes, as each page
// of a sheet writes it, with and without the cache.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "text/ini.h"
#include "text/utf.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSections = 12;
constexpr int kKeys = 355;

std::u16string SectionName(int s) {
    return orca::text::Utf8ToUtf16("IDD_PAGE_" + std::to_string(s));
}
std::u16string KeyName(int k) {
    return orca::text::Utf8ToUtf16("IDC_CONTROL_TEXT_" + std::to_string(k));
}

// A UTF-16 language file of 355 keys spread over 12 sections, written once
// below the temporary directory and removed at exit.
class LanguageFile {
public:
    LanguageFile() {
        dir_ = fs::temp_directory_path() / ("orca-ini-bench-" + std::to_string(std::rand()));
        fs::create_directories(dir_);
        std::u16string text;
        for (int k = 0; k < kKeys; ++k) {
            if (k % (kKeys / kSections + 1) == 0)
                text += u"\r\n[" + SectionName(k / (kKeys / kSections + 1)) + u"]\r\n";
            text += KeyName(k) + u"=Label text number " +
                    orca::text::Utf8ToUtf16(std::to_string(k)) + u" 标签\r\n";
        }
        bytes_ = "\xFF\xFE" + orca::text::Utf16ToUtf16Le(text);
        Rewrite();
    }
    void Rewrite() const {
        fs::remove(path());
        std::ofstream(path(), std::ios::binary) << bytes_;
    }
    ~LanguageFile() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    fs::path path() const { return dir_ / "Label1_EN.ini"; }

private:
    fs::path dir_;
    std::string bytes_;
};

LanguageFile& TheFile() {
    static LanguageFile file;
    return file;
}

void Lookups(benchmark::State& state, bool cached) {
    const LanguageFile& file = TheFile();
    orca::text::ini::SetCacheEnabled(cached);
    int k = 0;
    for (auto _ : state) {
        int section = k / (kKeys / kSections + 1);
        benchmark::DoNotOptimize(orca::text::ini::ReadString(
            file.path(), SectionName(section), KeyName(k), u"", 256, orca::text::kCodePageWestern));
        k = (k + 37) % kKeys;
    }
    orca::text::ini::SetCacheEnabled(true);
}

void IniLookup(benchmark::State& state) {
    Lookups(state, true);
}
void IniLookup_Baseline(benchmark::State& state) {
    Lookups(state, false);
}

void RewrittenLookups(benchmark::State& state, bool cached) {
    const LanguageFile& file = TheFile();
    orca::text::ini::SetCacheEnabled(cached);
    for (auto _ : state) {
        file.Rewrite();
        benchmark::DoNotOptimize(orca::text::ini::ReadString(
            file.path(), SectionName(1), KeyName(40), u"", 256, orca::text::kCodePageWestern));
    }
    orca::text::ini::SetCacheEnabled(true);
}

void IniRewrittenLookup(benchmark::State& state) {
    RewrittenLookups(state, true);
}
void IniRewrittenLookup_Baseline(benchmark::State& state) {
    RewrittenLookups(state, false);
}

}  // namespace

BENCHMARK(IniLookup);
BENCHMARK(IniLookup_Baseline);
BENCHMARK(IniRewrittenLookup);
BENCHMARK(IniRewrittenLookup_Baseline);
