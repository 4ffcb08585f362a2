// SPDX-License-Identifier: Apache-2.0
// A text lookup in a UI language file as a page makes it: with the parse
// cache (the file is parsed once) against a parse per lookup; and the first
// lookup after the file was written anew with the same bytes, as each page
// of a sheet writes it, with and without the cache.
//
// A cached lookup's floor is the one stat of the file that every lookup makes
// to see whether the file changed on disk since it was parsed; the rest is two
// hash lookups in the kept parse and the copy of the value. IniLookupFloor
// sets the cached lookup against that stat alone.
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "ratio_goal.h"
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
        path_ = (dir_ / "Label1_EN.ini").string();
        std::u16string text;
        for (int k = 0; k < kKeys; ++k) {
            const int section = k / (kKeys / kSections + 1);
            if (k % (kKeys / kSections + 1) == 0)
                text += u"\r\n[" + SectionName(section) + u"]\r\n";
            text += KeyName(k) + u"=Label text number " +
                    orca::text::Utf8ToUtf16(std::to_string(k)) + u" 标签\r\n";
            names_.emplace_back(SectionName(section), KeyName(k));
        }
        bytes_ = "\xFF\xFE" + orca::text::Utf16ToUtf16Le(text);
        Rewrite();
    }
    void Rewrite() const {
        fs::remove(path_);
        std::ofstream(path_, std::ios::binary) << bytes_;
    }
    ~LanguageFile() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    const std::string& path() const { return path_; }
    // Section and key of each of the file's keys.
    const std::vector<std::pair<std::u16string, std::u16string>>& names() const { return names_; }

private:
    fs::path dir_;
    std::string path_;
    std::string bytes_;
    std::vector<std::pair<std::u16string, std::u16string>> names_;
};

LanguageFile& TheFile() {
    static LanguageFile file;
    return file;
}

void Lookups(benchmark::State& state, bool cached) {
    const LanguageFile& file = TheFile();
    orca::text::ini::SetCacheEnabled(cached);
    size_t k = 0;
    for (auto _ : state) {
        const auto& [section, key] = file.names()[k];
        benchmark::DoNotOptimize(orca::text::ini::ReadString(file.path(), section, key, u"", 256,
                                                             orca::text::kCodePageWestern));
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

void IniLookupFloor(benchmark::State& state) {
    Lookups(state, true);
}
void IniLookupFloor_Baseline(benchmark::State& state) {
    const LanguageFile& file = TheFile();
    for (auto _ : state) {
        struct stat status {};
        benchmark::DoNotOptimize(::stat(file.path().c_str(), &status));
        benchmark::DoNotOptimize(status);
    }
}

void RewrittenLookups(benchmark::State& state, bool cached) {
    const LanguageFile& file = TheFile();
    const auto& [section, key] = file.names()[40];
    orca::text::ini::SetCacheEnabled(cached);
    for (auto _ : state) {
        file.Rewrite();
        benchmark::DoNotOptimize(orca::text::ini::ReadString(file.path(), section, key, u"", 256,
                                                             orca::text::kCodePageWestern));
    }
    orca::text::ini::SetCacheEnabled(true);
}

void IniRewrittenLookup(benchmark::State& state) {
    RewrittenLookups(state, true);
}
void IniRewrittenLookup_Baseline(benchmark::State& state) {
    RewrittenLookups(state, false);
}

using orca::bench::Goal;
[[maybe_unused]] const bool kGoals =
    orca::bench::SetGoal("IniLookup", {Goal::Kind::kAtLeast, 50}) &&
    orca::bench::SetGoal("IniLookupFloor", {Goal::Kind::kAtMost, 2});

}  // namespace

BENCHMARK(IniLookup);
BENCHMARK(IniLookup_Baseline);
BENCHMARK(IniLookupFloor);
BENCHMARK(IniLookupFloor_Baseline);
BENCHMARK(IniRewrittenLookup);
BENCHMARK(IniRewrittenLookup_Baseline);
