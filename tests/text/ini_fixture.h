// SPDX-License-Identifier: Apache-2.0
// A fresh directory per test below $TMPDIR (ctest points it into the build
// tree), and helpers to put and take raw file bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "text/utf.h"

namespace orca::text {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tmp = std::getenv("TMPDIR");
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::path(tmp && *tmp ? tmp : ORCA_TEST_TMP) /
               (std::string("text-") + test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path Path(const std::string& name) const { return dir_ / name; }

    std::filesystem::path Put(const std::string& name, const std::string& bytes) const {
        std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
        out << bytes;
        return Path(name);
    }

    std::string Bytes(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // A UTF-16LE file's bytes, byte-order mark first.
    static std::string Utf16File(std::u16string_view text) {
        return "\xFF\xFE" + Utf16ToUtf16Le(text);
    }

private:
    std::filesystem::path dir_;
};

}  // namespace orca::text
