// SPDX-License-Identifier: Apache-2.0
// Every model as its printer object shows it: language, capability values, page
// switches and the private block after SetModelDefaults. The expectations are
// written out here, independently of the model table.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "printers/model_catalogue.h"
#include "printers/model_env.h"
#include "printers/printer_models.h"
#include "support/sim_env.h"

namespace orca::settings {
namespace {

using testing::IsA;
using testing::ReadU32;

constexpr std::uint32_t kOrca = 1;
constexpr std::uint32_t kOnyx = 2;

struct ExpectedModel {
    std::u16string_view name;
    bool (*isClass)(const printers::CPrinterImplBase&);
    std::uint32_t language;
    std::uint32_t speedList;
    std::array<std::uint32_t, 4> extents;  // longest, widest, shortest, narrowest
    std::uint32_t versionPage;             // page switch 2064
    // After SetModelDefaults: btSpeed, btDarkness, btThermal, btPaperType, dwBarcodeCount.
    std::array<std::uint32_t, 5> defaults;

    friend void PrintTo(const ExpectedModel& model, std::ostream* os) {
        for (char16_t c : model.name)
            *os << static_cast<char>(c);
    }
};

constexpr std::array<std::uint32_t, 4> kLanguageExtents{10100, 1038, 63, 190};

const std::vector<ExpectedModel> kExpected{
    {u"Kestrel(ORCA)",
     IsA<printers::CPrinter_Kestrel_ORCA>,
     kOrca,
     15,
     kLanguageExtents,
     1,
     {2, 15, 0, 2, 8}},
    {u"Condor(300DPI)(ORCA)",
     IsA<printers::CPrinter_Condor_300DPI_ORCA>,
     kOrca,
     511,
     kLanguageExtents,
     1,
     {6, 15, 0, 2, 8}},
    {u"Condor(203DPI)(ORCA)",
     IsA<printers::CPrinter_Condor_203DPI_ORCA>,
     kOrca,
     2047,
     kLanguageExtents,
     1,
     {8, 15, 0, 2, 8}},
    {u"Kestrel(ONYX)",
     IsA<printers::CPrinter_Kestrel_ONYX>,
     kOnyx,
     992,
     {9500, 1040, 100, 250},
     1,
     {255, 255, 0, 2, 8}},
    {u"Heron(ONYX)",
     IsA<printers::CPrinter_Heron_ONYX>,
     kOnyx,
     4064,
     {8320, 1040, 100, 160},
     1,
     {255, 255, 0, 2, 8}},
    {u"Osprey(ORCA)",
     IsA<printers::CPrinter_Osprey_ORCA>,
     kOrca,
     31,
     kLanguageExtents,
     1,
     {3, 16, 0, 2, 0}},
    {u"Heron(ORCA)",
     IsA<printers::CPrinter_Heron_ORCA>,
     kOrca,
     31,
     kLanguageExtents,
     1,
     {3, 16, 0, 2, 0}},
    {u"Kestrel Plus(ONYX)",
     IsA<printers::CPrinter_KestrelPlus_ONYX>,
     kOnyx,
     992,
     {9500, 1040, 100, 250},
     1,
     {255, 255, 255, 255, 8}},
    {u"Merlin Plus(ONYX)",
     IsA<printers::CPrinter_MerlinPlus_ONYX>,
     kOnyx,
     56,
     {8320, 1040, 100, 160},
     1,
     {255, 255, 255, 255, 8}},
    {u"Plover(203DPI)(ONYX)",
     IsA<printers::CPrinter_Plover_203DPI_ONYX>,
     kOnyx,
     224,
     {9500, 1040, 100, 250},
     1,
     {255, 255, 255, 255, 8}},
    {u"Plover(300DPI)(ORCA)",
     IsA<printers::CPrinter_Plover_300DPI_ORCA>,
     kOrca,
     31,
     kLanguageExtents,
     1,
     {4, 16, 0, 2, 8}},
    {u"Plover(203DPI)(ORCA)",
     IsA<printers::CPrinter_Plover_203DPI_ORCA>,
     kOrca,
     31,
     kLanguageExtents,
     1,
     {4, 16, 0, 2, 8}},
    {u"Egret",
     IsA<printers::CPrinter_Egret_ORCA>,
     kOrca,
     31,
     kLanguageExtents,
     0,
     {4, 16, 0, 2, 8}},
    {u"Ibis", IsA<printers::CPrinter_Ibis_ORCA>, kOrca, 31, kLanguageExtents, 0, {4, 16, 0, 2, 8}},
    {u"Crane",
     IsA<printers::CPrinter_Crane_ORCA>,
     kOrca,
     31,
     {10100, 1080, 63, 190},
     0,
     {4, 16, 0, 2, 8}},
};

// What a language offers: block size, Advanced page variant, barcode symbologies,
// operation modes, and the value lists of btMirror, btInverse, btThermal,
// btPaperType, btDithering, btPause, btZip, btBackFeed.
struct ExpectedLanguage {
    std::uint32_t blockSize;
    std::uint32_t advancedPage;
    std::uint32_t symbologies;
    std::uint32_t operationModes;
    std::array<std::uint32_t, 8> valueLists;
};

ExpectedLanguage LanguageOf(std::uint32_t language) {
    if (language == kOrca)
        return {50496, 1, 0x1FFFFFF, 23, {1, 1, 3, 7, 3, 15, 1, 15}};
    return {50464, 2, 0x3FFFFF, 63, {1, 1, 3, 7, 3, 0, 0, 0}};
}

constexpr std::array<FieldId, 8> kValueListIds{2049, 2050, 2051, 2052, 2053, 2054, 2070, 2073};
constexpr std::array<FieldId, 4> kExtentIds{3015, 3016, 3017, 3018};
constexpr std::array<FieldId, 5> kDefaultIds{2000, 2002, 2007, 2008, 2068};

class ModelTableTest : public testsupport::SimEnvTest,
                       public ::testing::WithParamInterface<ExpectedModel> {};

TEST_P(ModelTableTest, ShowsItsCapabilitiesAndDefaults) {
    const ExpectedModel& model = GetParam();
    const printers::ModelFactory factory = printers::ModelCatalogue().Find(model.name);
    ASSERT_NE(factory, nullptr);
    std::unique_ptr<printers::CPrinterImplBase> printer = factory();
    ASSERT_TRUE(model.isClass(*printer));
    const ExpectedLanguage language = LanguageOf(model.language);

    EXPECT_EQ(ReadU32(*printer, 2076), model.language);
    EXPECT_EQ(ReadU32(*printer, 34007), model.speedList);
    EXPECT_EQ(ReadU32(*printer, 34008), language.symbologies);
    EXPECT_EQ(ReadU32(*printer, 34010), language.operationModes);
    EXPECT_EQ(ReadU32(*printer, 2048), 30u);
    for (std::size_t i = 0; i < kExtentIds.size(); ++i)
        EXPECT_EQ(ReadU32(*printer, kExtentIds[i]), model.extents[i]) << kExtentIds[i];
    for (std::size_t i = 0; i < kValueListIds.size(); ++i)
        EXPECT_EQ(ReadU32(*printer, kValueListIds[i]), language.valueLists[i]) << kValueListIds[i];
    for (FieldId page = settings::field::kFirstPageSwitch; page <= settings::field::kLastPageSwitch;
         ++page) {
        const std::uint32_t expected = page == 2056   ? language.advancedPage
                                       : page == 2064 ? model.versionPage
                                                      : 1;
        EXPECT_EQ(ReadU32(*printer, page), expected) << "page switch " << page;
    }

    ASSERT_EQ(printer->Settings().GetPrivateSize(), language.blockSize);
    std::vector<std::uint8_t> block(language.blockSize, 0xCC);
    ASSERT_EQ(printer->AttachBlock(block.data()), kDone);
    ASSERT_EQ(printer->SetModelDefaults(), kDone);
    EXPECT_EQ(ReadU32(*printer, 2001), 1u) << "language defaults come first";
    for (std::size_t i = 0; i < kDefaultIds.size(); ++i)
        EXPECT_EQ(ReadU32(*printer, kDefaultIds[i]), model.defaults[i]) << kDefaultIds[i];
    const std::uint32_t speed = model.defaults[0];
    EXPECT_TRUE(speed == 255 || (model.speedList >> speed & 1) != 0)
        << "the default speed is one the speed list offers";
}

INSTANTIATE_TEST_SUITE_P(EveryModel, ModelTableTest, ::testing::ValuesIn(kExpected),
                         [](const ::testing::TestParamInfo<ExpectedModel>& info) {
                             std::string name;
                             for (char16_t c : info.param.name) {
                                 if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                                     (c >= u'0' && c <= u'9'))
                                     name.push_back(static_cast<char>(c));
                             }
                             return name;
                         });

}  // namespace
}  // namespace orca::settings
