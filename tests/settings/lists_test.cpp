// SPDX-License-Identifier: Apache-2.0
// Adding and deleting barcode fonts and command fonts in the attached block.
#include <gtest/gtest.h>

#include "settings/settings_fixture.h"

namespace orca::settings::testing {
namespace {

struct ListCase {
    const char* name;
    std::uint32_t countOffset;
    std::uint32_t recordSize;
    std::uint32_t ExpectedLanguage::*area;
    std::int32_t (CDevModeBase::*add)();
    std::int32_t (CDevModeBase::*remove)(std::int32_t);
};

const ListCase kLists[] = {
    {"barcode fonts", 16, 144, &ExpectedLanguage::barcodeArea, &CDevModeBase::AddBarcodeFont,
     &CDevModeBase::DeleteBarcodeFont},
    {"command fonts", 17, 1168, &ExpectedLanguage::cmdFontArea, &CDevModeBase::AddCMDFont,
     &CDevModeBase::DeleteCMDFont},
};

class ListTest : public LanguageTest {
protected:
    void SetUp() override { handler_->AttachBlock(block_.data()); }

    std::vector<std::uint8_t> Record(const ListCase& list, std::size_t index) const {
        const auto at =
            static_cast<std::ptrdiff_t>(Language().*list.area + index * list.recordSize);
        return {block_.begin() + at, block_.begin() + at + list.recordSize};
    }

    void Mark(const ListCase& list, std::size_t index, std::uint8_t value) {
        std::fill_n(block_.begin() + Language().*list.area + index * list.recordSize,
                    list.recordSize, value);
    }

    std::unique_ptr<CDevModeLanguage> handler_ = MakeHandler(Language());
    std::vector<std::uint8_t> block_ = DefaultBlock(*handler_);
};

TEST_P(ListTest, AddFillsUpToThirtyTwoRecords) {
    for (const ListCase& list : kLists) {
        SCOPED_TRACE(list.name);
        block_[list.countOffset] = 0;
        Mark(list, 5, 0x77);
        for (std::int32_t i = 0; i < 32; ++i)
            ASSERT_EQ((handler_.get()->*list.add)(), i);
        EXPECT_EQ(block_[list.countOffset], 32);
        const std::vector<std::uint8_t> full = block_;
        EXPECT_EQ((handler_.get()->*list.add)(), kListFull);
        EXPECT_EQ(block_, full);
    }
    // A new barcode font is the default record; a new command font is zero.
    std::vector<std::uint8_t> record(144);
    handler_->BarcodeFonts().GetDefaultFont(record.data());
    EXPECT_EQ(Record(kLists[0], 5), record);
    EXPECT_EQ(Record(kLists[1], 5), std::vector<std::uint8_t>(1168, 0));
}

TEST_P(ListTest, DeleteMovesTheLaterRecordsDownAndZeroesTheLast) {
    for (const ListCase& list : kLists) {
        SCOPED_TRACE(list.name);
        block_[list.countOffset] = 5;
        for (std::uint8_t i = 0; i < 5; ++i)
            Mark(list, i, static_cast<std::uint8_t>(0x10 + i));
        const std::vector<std::uint8_t> fourth = Record(list, 3);
        const std::vector<std::uint8_t> fifth = Record(list, 4);
        ASSERT_EQ((handler_.get()->*list.remove)(2), kDone);
        EXPECT_EQ(block_[list.countOffset], 4);
        EXPECT_EQ(Record(list, 2), fourth);
        EXPECT_EQ(Record(list, 3), fifth);
        EXPECT_EQ(Record(list, 4), std::vector<std::uint8_t>(list.recordSize, 0));

        ASSERT_EQ((handler_.get()->*list.remove)(3), kDone) << "the last one";
        EXPECT_EQ(block_[list.countOffset], 3);
        EXPECT_EQ(Record(list, 3), std::vector<std::uint8_t>(list.recordSize, 0));
    }
}

TEST_P(ListTest, RefusalsChangeNothing) {
    for (const ListCase& list : kLists) {
        SCOPED_TRACE(list.name);
        block_[list.countOffset] = 3;
        const std::vector<std::uint8_t> before = block_;
        EXPECT_EQ((handler_.get()->*list.remove)(-1), kBadArgument);
        EXPECT_EQ((handler_.get()->*list.remove)(3), kBadArgument);
        // Only a damaged block counts past 32.
        block_[list.countOffset] = 40;
        EXPECT_EQ((handler_.get()->*list.remove)(32), kListFull);
        block_[list.countOffset] = 3;
        EXPECT_EQ(block_, before);
    }
    handler_->AttachBlock(nullptr);
    for (const ListCase& list : kLists) {
        EXPECT_EQ((handler_.get()->*list.add)(), kNotAttached);
        EXPECT_EQ((handler_.get()->*list.remove)(0), kNotAttached);
    }
}

// A damaged count above 32 never moves records past the end of the area.
TEST_P(ListTest, DamagedCountStaysInsideTheArea) {
    for (const ListCase& list : kLists) {
        SCOPED_TRACE(list.name);
        block_[list.countOffset] = 255;
        Mark(list, 31, 0x31);
        ASSERT_EQ((handler_.get()->*list.remove)(30), kDone);
        EXPECT_EQ(block_[list.countOffset], 31);
        EXPECT_EQ(Record(list, 30), std::vector<std::uint8_t>(list.recordSize, 0x31));
        EXPECT_EQ(Record(list, 31), std::vector<std::uint8_t>(list.recordSize, 0));
    }
}

ORCA_FOR_BOTH_LANGUAGES(ListTest);

}  // namespace
}  // namespace orca::settings::testing
