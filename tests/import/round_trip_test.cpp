// SPDX-License-Identifier: Apache-2.0
// Export, then import into another printer of the same model: every field the
// file carries, set to a random value that passes its check, comes back, so
// the second block equals the first byte for byte; so do the copies, the
// orientation and the custom papers.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "import/import_fixture.h"
#include "settings/barcode_font_tables.h"
#include "settings/cmd_font.h"
#include "settings/field_id.h"
#include "settings/field_map.h"

namespace orca::importtest {
namespace {

using settings::DataRow;
using settings::FieldRow;

// Block fields the file does not carry.
constexpr uint32_t kNotCarried[] = {2013, 2075, 45010, 45011};

// The checks an imported value must pass: a range, or a capability mask.
struct Range {
    uint32_t field;
    int32_t low;
    int32_t high;
};
constexpr Range kRanges[] = {{3005, 1, 32767}, {2001, 0, 2},       {2002, 0, 30},
                             {2003, 0, 1},     {34005, 1, 999999}, {34006, 0, 999999},
                             {34011, 1, 9999}, {2078, 0, 1}};
struct Capability {
    uint32_t field;
    uint32_t mask;
};
constexpr Capability kCapabilities[] = {{2000, 34007}, {2004, 34010}, {2005, 2049}, {2006, 2050},
                                        {2007, 2051},  {2008, 2052},  {2009, 2053}, {2010, 2054},
                                        {2011, 2073},  {2012, 2070}};

struct Model {
    const char16_t* name;
    const settings::BlockLayout& layout;
    std::span<const FieldRow> barcodeFields;
};

class RoundTripTest : public ImportPageTest {
protected:
    // A value of the field's width that passes the field's check.
    uint32_t RandomValue(uint32_t field) {
        for (const Range& range : kRanges) {
            if (range.field == field)
                return static_cast<uint32_t>(Pick(range.low, range.high));
        }
        for (const Capability& capability : kCapabilities) {
            if (capability.field != field)
                continue;
            const uint32_t mask = Get<uint32_t>(capability.mask);
            std::vector<uint32_t> offered = {255};
            for (uint32_t bit = 0; bit < 32; ++bit) {
                if ((mask >> bit & 1) != 0)
                    offered.push_back(bit);
            }
            return offered[static_cast<size_t>(Pick(0, static_cast<int>(offered.size()) - 1))];
        }
        const uint32_t width = settings::FieldWidth(field);
        const uint32_t value = static_cast<uint32_t>(rng_());
        return width >= 4 ? value % 0x7FFFFFFF : value & ((1u << (8 * width)) - 1);
    }

    void SetRandom(const FieldRow& row, int index = 0) {
        if (settings::IsDoubleField(row.id))
            Set<double>(row.id, Pick(-999999, 999999) / 1000.0, index);
        else
            Set<uint32_t>(row.id, RandomValue(row.id), index);
    }

    // Bytes of any value, often with a zero, CR, LF or a byte the code page
    // lacks, leaving room for the field's terminating zero.
    std::vector<uint8_t> RandomData(uint32_t size) {
        std::vector<uint8_t> bytes(static_cast<size_t>(Pick(0, static_cast<int>(size) - 1)));
        const bool plain = Pick(0, 2) == 0;
        for (uint8_t& byte : bytes)
            byte = static_cast<uint8_t>(plain ? Pick(0x21, 0x7E) : Pick(0, 255));
        return bytes;
    }

    // Up to 39 characters of the Western code page.
    std::u16string RandomName() {
        const std::u16string letters = u"ABCxyz019 -_éÜß€";
        std::u16string name(static_cast<size_t>(Pick(1, 39)), u'A');
        for (char16_t& c : name)
            c = letters[static_cast<size_t>(Pick(0, static_cast<int>(letters.size()) - 1))];
        return name;
    }

    void Randomize(const Model& model) {
        const int barcodes = Pick(1, 32);
        const int cmdFonts = Pick(1, 32);
        Set<uint8_t>(2068, static_cast<uint8_t>(barcodes));
        Set<uint8_t>(2069, static_cast<uint8_t>(cmdFonts));
        for (const FieldRow& row : model.layout.fields) {
            if (row.id != 2068 && row.id != 2069 && !NotCarried(row.id))
                SetRandom(row);
        }
        for (const DataRow& row : model.layout.data) {
            if (!NotCarried(row.id))
                SetData(row);
        }
        for (int i = 0; i < barcodes; ++i) {
            SetName(settings::kBarcodeName.id, RandomName(), i);
            for (const auto& rows :
                 {std::span<const FieldRow>(settings::kBarcodeFieldsCommon), model.barcodeFields}) {
                for (const FieldRow& row : rows)
                    SetRandom(row, i);
            }
        }
        for (int i = 0; i < cmdFonts; ++i) {
            for (const FieldRow& row : settings::kCmdFontFields)
                SetRandom(row, i);
            SetName(settings::kCmdFontData[0].id, RandomName(), i);
            for (const DataRow& row : std::span(settings::kCmdFontData).subspan(1))
                SetData(row, i);
        }
        Set<int16_t>(3005, static_cast<int16_t>(Pick(1, 32767)));
        HostItems().Orientation().Sel = Pick(0, 1);
    }

    // Random command data, and its length as the pages keep it: the data up
    // to its first zero byte.
    void SetData(const DataRow& row, int index = 0) {
        const std::vector<uint8_t> data = RandomData(row.size);
        SetBytes(row.id, data, row.size, index);
        if (row.id >= 45000 && row.id <= 45009) {
            const auto length =
                static_cast<uint16_t>(std::find(data.begin(), data.end(), 0) - data.begin());
            Set<uint16_t>(row.id - 45000 + 33002, length, index);
        }
    }

    static bool NotCarried(uint32_t field) {
        return std::find(std::begin(kNotCarried), std::end(kNotCarried), field) !=
               std::end(kNotCarried);
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    std::mt19937 rng_;
};

TEST_F(RoundTripTest, ARandomBlockComesBackWhole) {
    const Model models[] = {
        {u"Kestrel(ORCA)", settings::kLayoutOrca, settings::kBarcodeFieldsOrca},
        {u"Kestrel(ONYX)", settings::kLayoutOnyx, settings::kBarcodeFieldsOnyx},
    };
    for (const Model& model : models) {
        for (unsigned seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(testing::Message() << "seed " << seed);
            rng_.seed(seed);
            const std::u16string paper = u"Custom Paper-" + std::u16string(1, u'A' + seed);
            const platform::FormInfo1 form{.flags = platform::kFormUser,
                                           .name = paper,
                                           .width = Pick(400, 800) * 100,
                                           .height = Pick(300, 3000) * 100,
                                           .left = Pick(0, 30) * 100,
                                           .top = Pick(0, 30) * 100,
                                           .right = 40000 - Pick(0, 30) * 100,
                                           .bottom = 30000 - Pick(0, 30) * 100};
            ASSERT_TRUE(Env().AddForm(form));

            Open(u"Source", model.name);
            Randomize(model);
            const std::vector<uint8_t> block = Block();
            const int16_t copies = Public().dmCopies;
            const int orientation = HostItems().Orientation().Sel;
            Export(PathIn("copy.drvs"));
            {
                driverhost::HostPrinter source(u"Source");
                ASSERT_TRUE(platform::Current().spooler->DeleteForm1(
                    static_cast<platform::PrinterHandle>(source.Handle()), paper));
            }

            Open(u"Target", model.name);
            HostItems().Orientation().Sel = 1 - orientation;
            Import(PathIn("copy.drvs"));
            EXPECT_EQ(Block(), block);
            EXPECT_EQ(Public().dmCopies, copies);
            EXPECT_EQ(HostItems().Orientation().Sel, orientation);
            EXPECT_EQ(Public().dmOrientation, orientation + 1);
            const std::vector<platform::sim::Form> forms = Env().Forms();
            ASSERT_EQ(forms.size(), 1u);
            EXPECT_EQ(forms[0].info, form);
            ASSERT_TRUE(platform::Current().spooler->DeleteForm1(
                static_cast<platform::PrinterHandle>(driverhost::HostPrinter(u"Target").Handle()),
                paper));
        }
    }
}

}  // namespace
}  // namespace orca::importtest
