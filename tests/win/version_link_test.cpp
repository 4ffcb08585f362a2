// SPDX-License-Identifier: Apache-2.0
// The Version page's web address in the real sheet, used with the real
// mouse: under the pointer it underlines in the page's own font and shows the
// hand, past the end of its text it does not, and a click opens it with the
// system's handler of web addresses. The neutral page's lines close up in the
// page's own units. The Windows stage runs this at 96 and at 144 dots per
// inch.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "native_window.h"
#include "resources/control_ids.h"
#include "sheet_fixture.h"
#include "system_setup.h"

namespace orca::wintest {
namespace {

constexpr int kVersionTab = 1;  // the printer sheet: Stocks, Version
constexpr char16_t kHandlerKey[] = u"Software\\Classes\\http\\shell\\open\\command";

// While it lives, web addresses open by writing themselves to a file, in
// place of the system's browser.
class AddressRecorder {
public:
    AddressRecorder()
        : file_(TempDirectory() + u"opened-address.txt"),
          before_(MachineDefaultValue(kHandlerKey)) {
        RemoveFile(file_);
        SetMachineDefaultValue(kHandlerKey, u"cmd.exe /c echo %1> \"" + file_ + u"\"");
    }
    ~AddressRecorder() { SetMachineDefaultValue(kHandlerKey, before_); }
    AddressRecorder(const AddressRecorder&) = delete;
    AddressRecorder& operator=(const AddressRecorder&) = delete;

    // The address opened, waiting a while for the handler to write it.
    std::string Opened() const {
        for (int wait = 0; wait < 100; ++wait) {
            const std::string text = FileBytes(file_);
            if (!text.empty())
                return text.substr(0, text.find_first_of("\r\n "));
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return {};
    }

private:
    std::u16string file_;
    std::optional<std::u16string> before_;
};

bool Visible(NativeWindow page, int controlId) {
    for (const ControlState& control : Controls(page)) {
        if (control.id == controlId)
            return control.visible;
    }
    return false;
}

TEST_F(PropertySheetTest, TheWebAddressFollowsTheRealPointerAndOpensOnAClick) {
    OpenSheet(kOrcaPrinter, false);
    ASSERT_TRUE(Sheet().SelectPage(kVersionTab));
    const NativeWindow page = Sheet().FrontPage();
    const NativeWindow address = Control(page, control::kVersionAddressLine);
    ASSERT_NE(address, nullptr);
    const std::vector<int> pageFont = FontOf(page);
    ASSERT_EQ(pageFont.size(), 2u);
    const std::vector<int> line = PlaceInParent(address);
    const int textWidth = TextWidthOf(address);
    const int middle = (line[1] + line[3]) / 2;
    ASSERT_LT(textWidth + 6, line[2] - line[0]) << "the line is wider than its text";

    // On the last characters of the text, then just past its end.
    PointAt(page, line[0] + textWidth - 3, middle);
    EXPECT_EQ(FontOf(address), (std::vector<int>{pageFont[0], 1}));
    EXPECT_TRUE(PointerIsHand());
    PointAt(page, line[0] + textWidth + 6, middle);
    EXPECT_EQ(FontOf(address), (std::vector<int>{pageFont[0], 0}));
    EXPECT_FALSE(PointerIsHand());

    const AddressRecorder recorder;
    PointAt(page, line[0] + 2, middle);
    EXPECT_EQ(FontOf(address)[1], 1);
    ClickLeftButton();
    EXPECT_EQ(recorder.Opened(), "http://www.example.com");
}

// The unknown model's page is the neutral one: its lines below the hidden
// ones start where the first hidden line stood, in the page's own scale.
TEST_F(PropertySheetTest, TheNeutralVersionPageClosesUpInThePagesOwnUnits) {
    OpenSheet(kUnknownPrinter, false);
    ASSERT_EQ(Sheet().PageCount(), 1);
    ASSERT_TRUE(Sheet().SelectPage(0));
    const NativeWindow page = Sheet().FrontPage();
    // The template places the first hidden line at (7, 19) and the first line
    // that moves at (7, 51), 8 high, in dialog units.
    const std::vector<int> firstHidden = DialogUnitsToPixels(page, 7, 19, 238, 8);
    const std::vector<int> moved = PlaceInParent(Control(page, control::kVersionProductHeading));
    EXPECT_EQ(moved[0], firstHidden[0]);
    EXPECT_EQ(moved[1], firstHidden[1]);
    EXPECT_FALSE(Visible(page, control::kVersionFirstMakerLine));
}

}  // namespace
}  // namespace orca::wintest
