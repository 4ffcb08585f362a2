// SPDX-License-Identifier: Apache-2.0
// The private block's layout as the persistent format fixes it, written out
// independently of the source's field maps so that the tests pin those maps.
#pragma once

#include <cstdint>
#include <vector>

namespace orca::settings::testing {

struct Expected {
    std::uint32_t id;
    std::uint32_t offset;  // from the block start, or from the record start
    std::uint32_t width;   // bytes
    double value;          // default
};

struct ExpectedData {
    std::uint32_t id;
    std::uint32_t offset;
    std::uint32_t size;
};

struct ExpectedLanguage {
    const char* name;
    std::uint32_t size;
    std::uint16_t optionSize;
    std::uint32_t barcodeArea;
    std::uint32_t cmdFontArea;
    std::vector<Expected> fields;            // counts, custom-command flags and lengths, options
    std::vector<ExpectedData> data;          // custom commands and reserved data fields
    std::vector<Expected> barcode;           // barcode-font record fields and default record
    std::vector<std::uint32_t> foreign;      // the other language's identifiers
    std::vector<std::uint8_t> defaultCodes;  // btType of default fonts 0..7
};

inline const std::vector<Expected> kCommonFieldsExpected{
    {2068, 16, 1, 8},    {2069, 17, 1, 0},    {2015, 34, 1, 0},   {2016, 35, 1, 0},
    {33002, 36, 2, 0},   {33003, 38, 2, 0},   {2017, 2110, 1, 0}, {2018, 2111, 1, 0},
    {33004, 2112, 2, 0}, {33005, 2114, 2, 0}, {2019, 4186, 1, 0}, {2020, 4187, 1, 0},
    {33006, 4188, 2, 0}, {33007, 4190, 2, 0}, {2021, 6262, 1, 0}, {2022, 6263, 1, 0},
    {33008, 6264, 2, 0}, {33009, 6266, 2, 0},
};

inline const std::vector<ExpectedData> kCommandDataExpected{
    {45000, 40, 1024},   {45001, 1064, 1024}, {45002, 2116, 1024}, {45003, 3140, 1024},
    {45004, 4192, 1024}, {45005, 5216, 1024}, {45006, 6268, 1024}, {45007, 7292, 1024},
};

inline const std::vector<Expected> kBarcodeCommonExpected{
    {2023, 0, 1, 0},  {2024, 1, 1, 0},   {2025, 2, 1, 0},   {2026, 3, 1, 0},  {2027, 4, 1, 1},
    {2028, 5, 1, 1},  {5003, 8, 8, 20},  {2029, 96, 1, 0},  {2030, 97, 1, 0}, {2031, 98, 1, 0},
    {2032, 99, 1, 0}, {2033, 100, 1, 1}, {2034, 101, 1, 0},
};

inline std::vector<Expected> Join(std::vector<Expected> a, const std::vector<Expected>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline std::vector<ExpectedData> Join(std::vector<ExpectedData> a,
                                      const std::vector<ExpectedData>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// btLanguage (2014) is left out: its default depends on the system.
inline const ExpectedLanguage kOrcaExpected{
    "ORCA",
    50496,
    176,
    8512,
    13120,
    Join(kCommonFieldsExpected,
         {
             {2000, 8338, 1, 1},    {2001, 8339, 1, 1},   {2002, 8340, 1, 15}, {2003, 8341, 1, 0},
             {2004, 8342, 1, 0},    {2005, 8343, 1, 0},   {2006, 8344, 1, 0},  {2007, 8345, 1, 0},
             {2008, 8346, 1, 2},    {2009, 8347, 1, 1},   {5000, 8352, 8, 0},  {5001, 8360, 8, 0},
             {5002, 8368, 8, 0},    {34005, 8376, 4, 1},  {2010, 8380, 1, 0},  {2011, 8381, 1, 2},
             {2012, 8382, 1, 0},    {2013, 8383, 1, 0},   {34006, 8384, 4, 1}, {2074, 8389, 1, 0},
             {3013, 8390, 2, 1000}, {3014, 8392, 2, 800}, {2075, 8394, 1, 0},
         }),
    Join(kCommandDataExpected, {{45010, 8395, 5}, {45011, 8400, 5}}),
    Join(kBarcodeCommonExpected,
         {
             {2035, 102, 1, 0},
             {2036, 103, 1, 0},
             {2037, 104, 1, 0},
             {2038, 105, 1, 5},
             {2039, 106, 1, 0},
             {2040, 107, 1, 0},
             {2041, 108, 1, 1},
             {2042, 109, 1, 1},
             {2043, 110, 1, 9},
         }),
    {2078, 34011, 2077},
    {0, 1, 3, 5, 9, 10, 15, 16},
};

inline const ExpectedLanguage kOnyxExpected{
    "ONYX",
    50464,
    144,
    8480,
    13088,
    Join(kCommonFieldsExpected,
         {
             {2000, 8338, 1, 255},
             {2001, 8339, 1, 1},
             {2002, 8340, 1, 255},
             {2003, 8341, 1, 0},
             {2004, 8342, 1, 4},
             {2005, 8343, 1, 0},
             {2006, 8344, 1, 0},
             {2007, 8345, 1, 0},
             {2008, 8346, 1, 2},
             {2009, 8347, 1, 1},
             {5000, 8352, 8, 0},
             {5001, 8360, 8, 0},
             {3013, 8370, 2, 1000},
             {3014, 8372, 2, 800},
             {2078, 8374, 1, 1},
             {34011, 8376, 4, 1},
         }),
    kCommandDataExpected,
    Join(kBarcodeCommonExpected,
         {
             {2077, 102, 1, 0},
             {2040, 103, 1, 0},
             {2041, 104, 1, 1},
             {2042, 105, 1, 1},
             {2043, 106, 1, 9},
         }),
    {5002, 34005, 34006, 2010, 2011, 2012, 2013, 2074, 2075, 45010, 45011, 2035, 2036, 2037, 2038,
     2039},
    {5, 6, 2, 0, 8, 4, 13, 20},
};

inline constexpr std::uint32_t kOrcaLanguageOffset = 8388;
inline constexpr std::uint32_t kOnyxLanguageOffset = 8368;

inline const std::vector<ExpectedData> kCmdFontDataExpected{
    {44003, 0, 80}, {45008, 84, 524}, {45009, 608, 524}};

inline const std::vector<Expected> kCmdFontFieldsExpected{
    {2044, 80, 1, 0}, {2045, 81, 1, 0},    {2046, 82, 1, 0},
    {2047, 83, 1, 0}, {33010, 1132, 2, 0}, {33011, 1134, 2, 0},
};

inline const std::vector<Expected> kPublicFieldsExpected{
    {3000, 76, 2, 0},   {3001, 78, 2, 0},   {3002, 80, 2, 0},   {3003, 82, 2, 0},
    {3004, 84, 2, 0},   {3005, 86, 2, 0},   {3006, 88, 2, 0},   {3007, 90, 2, 0},
    {3008, 92, 2, 0},   {3009, 94, 2, 0},   {3010, 96, 2, 0},   {3011, 98, 2, 0},
    {3012, 100, 2, 0},  {33000, 64, 2, 0},  {33001, 66, 2, 0},  {34000, 180, 4, 0},
    {34001, 188, 4, 0}, {34002, 192, 4, 0}, {34003, 196, 4, 0}, {34004, 200, 4, 0},
    {34009, 72, 4, 0},
};

}  // namespace orca::settings::testing
