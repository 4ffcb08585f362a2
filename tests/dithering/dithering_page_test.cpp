// SPDX-License-Identifier: Apache-2.0
// The Dithering page: the stored choice with its sample, each click stored,
// mirrored into the host's item and marking the sheet changed.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

#include "host/driver_host/host_sheets.h"
#include "resources/control_ids.h"
#include "support/language_fixture.h"

namespace orca::pages::testing {
namespace {

using platform::Window;
using Writes = std::vector<std::pair<uint32_t, uint8_t>>;

using State = std::array<bool, 4>;
constexpr State kShowsHalftone{true, false, true, false};
constexpr State kShowsNone{false, true, false, true};

class DitheringPageTest : public LanguageTest {
protected:
    Window Open(std::optional<uint8_t> stored) {
        if (stored) {
            context_.byteFields[kDitheringField] = *stored;
        }
        page_ = std::make_unique<CDocPage_Dithering>(context_, host_);
        sheet_ = driverhost::CreateDocumentSheet(Screen(), kPrinter);
        AddPages(sheet_, {page_.get()});
        Screen().OpenSheet(sheet_, 2);
        return Screen().CurrentPage(sheet_);
    }

    // The checked choices and the visible samples, Halftone's first.
    State Shown(Window page) {
        return {Checked(page, control::kDitheringHalftoneRadio),
                Checked(page, control::kDitheringNoneRadio),
                Visible(page, control::kDitheringHalftonePicture),
                Visible(page, control::kDitheringNonePicture)};
    }

    SheetContext context_;
    RecordingDitheringOption host_;
    std::unique_ptr<CDocPage_Dithering> page_;
    Window sheet_ = nullptr;
};

TEST_F(DitheringPageTest, OnlyAStoredHalftoneShowsHalftone) {
    struct Case {
        std::optional<uint8_t> stored;
        State shown;
    };
    for (const Case& c : {Case{1, kShowsHalftone}, Case{0, kShowsNone}, Case{255, kShowsNone},
                          Case{2, kShowsNone}, Case{std::nullopt, kShowsNone}}) {
        SCOPED_TRACE(c.stored.value_or(-1));
        EXPECT_EQ(Shown(Open(c.stored)), c.shown);
    }
}

TEST_F(DitheringPageTest, EveryClickStoresMirrorsAndMarksTheSheetChanged) {
    const Window page = Open(255);
    ASSERT_TRUE(Driver().Click(page, control::kDitheringHalftoneRadio));
    EXPECT_EQ(Shown(page), kShowsHalftone);
    EXPECT_TRUE(ApplyEnabled(sheet_));
    ASSERT_TRUE(Driver().Apply(sheet_));
    ASSERT_FALSE(ApplyEnabled(sheet_));

    // The same choice again is stored and marked again.
    ASSERT_TRUE(Driver().Click(page, control::kDitheringHalftoneRadio));
    EXPECT_TRUE(ApplyEnabled(sheet_));
    ASSERT_TRUE(Driver().Click(page, control::kDitheringNoneRadio));
    EXPECT_EQ(Shown(page), kShowsNone);

    EXPECT_EQ(context_.writes,
              (Writes{{kDitheringField, 1}, {kDitheringField, 1}, {kDitheringField, 0}}));
    EXPECT_EQ(host_.mirrored, (std::vector<int>{0, 0, 1}));
}

TEST_F(DitheringPageTest, ShowingRelabelsEverythingButThePictures) {
    context_.language = kLanguageEnglish;
    const Window page = Open(1);
    EXPECT_EQ(Text(page, control::kDitheringGroup), u"Dithering Type");
    EXPECT_EQ(Text(page, control::kDitheringHalftoneRadio), u"Halftone");
    EXPECT_EQ(Text(page, control::kDitheringNoneRadio), u"None");
    EXPECT_EQ(Text(page, control::kDitheringHalftonePicture), u"#143");
    EXPECT_EQ(Text(page, control::kDitheringNonePicture), u"#144");
    EXPECT_EQ(driverhost::TabTitles(Screen(), sheet_).back(), u"Dithering");
    EXPECT_EQ(context_.lastShown, page);
}

}  // namespace
}  // namespace orca::pages::testing
