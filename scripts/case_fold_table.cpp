// SPDX-License-Identifier: Apache-2.0
// Writes src/text/case_fold_table.h, the simple case folding of the first
// 65536 characters, from the installed ICU (Debian package libicu-dev):
//   c++ -std=c++20 scripts/case_fold_table.cpp -licuuc -o /tmp/case_fold_table &&
//   /tmp/case_fold_table > src/text/case_fold_table.h && clang-format -i src/text/case_fold_table.h
// A run maps every stride-th unit from first to last by adding delta; the
// units between them (stride 2) fold to themselves.
#include <unicode/uchar.h>
#include <unicode/uversion.h>

#include <cstdio>
#include <vector>

namespace {

struct Run {
    int first;
    int last;
    int delta;
    int stride;
};

}  // namespace

int main() {
    std::vector<int> delta(0x10000, 0);
    for (int c = 0; c < 0x10000; ++c) {
        const UChar32 folded = u_foldCase(c, U_FOLD_CASE_DEFAULT);
        if (folded < 0x10000 && (c < 0xD800 || c > 0xDFFF))
            delta[c] = folded - c;
    }
    std::vector<Run> runs;
    for (int c = 0; c < 0x10000; ++c) {
        if (delta[c] == 0)
            continue;
        Run run{c, c, delta[c], 1};
        if (c + 1 < 0x10000 && delta[c + 1] == run.delta)
            run.stride = 1;
        else if (c + 2 < 0x10000 && delta[c + 1] == 0 && delta[c + 2] == run.delta)
            run.stride = 2;
        while (true) {
            const int next = run.last + run.stride;
            if (next >= 0x10000 || delta[next] != run.delta ||
                (run.stride == 2 && delta[next - 1] != 0))
                break;
            run.last = next;
        }
        runs.push_back(run);
        c = run.last;
    }
    UVersionInfo version;
    u_getUnicodeVersion(version);
    std::printf(
        "// Simple case folding of the first 65536 characters (Unicode %d.%d), made by\n"
        "// scripts/case_fold_table.cpp: a run folds every stride-th unit from first\n"
        "// to last by adding delta; a unit in no run folds to itself.\n"
        "#pragma once\n\n#include <cstdint>\n\nnamespace orca::text::detail {\n\n"
        "struct FoldRun {\n    char16_t first;\n    char16_t last;\n    int32_t delta;\n"
        "    uint8_t stride;\n};\n\ninline constexpr FoldRun kFoldRuns[] = {\n",
        version[0], version[1]);
    for (const Run& run : runs)
        std::printf("    {0x%04X, 0x%04X, %d, %d},\n", run.first, run.last, run.delta, run.stride);
    std::printf("};\n\n}  // namespace orca::text::detail\n");
}
