// SPDX-License-Identifier: Apache-2.0
// Dialog templates, the control-name table, bitmaps and the control-code menu.
#include <gtest/gtest.h>

#include <charconv>
#include <set>
#include <string>

#include "resources/bitmaps.h"
#include "resources/dialog_template.h"
#include "resources/language_text.h"
#include "resources/language_texts_parsed.h"
#include "resources/page_resources.h"
#include "resources/string_table.h"
#include "resources/window_styles.h"
#include "text/utf.h"

namespace orca::resources {
namespace {

std::string Name(std::u16string_view text) {
    return text::Utf16ToUtf8(text);
}

TEST(DialogTemplates, EveryPageAndDialogHasItsTemplate) {
    for (const PageResource& page : kAllPageResources) {
        const DialogTemplate* dialog = FindDialogTemplate(page.templateId);
        ASSERT_NE(dialog, nullptr) << Name(page.section);
        EXPECT_EQ(dialog->id, page.templateId);
        EXPECT_FALSE(dialog->controls.empty());
    }
    EXPECT_EQ(FindDialogTemplate(107), nullptr);
}

TEST(DialogTemplates, ControlsHaveDistinctIdentifiersAndLieInsideTheirDialog) {
    for (const PageResource& page : kAllPageResources) {
        const DialogTemplate& dialog = *FindDialogTemplate(page.templateId);
        std::set<int> ids;
        for (const ControlTemplate& control : dialog.controls) {
            SCOPED_TRACE(::testing::Message() << dialog.id << "/" << control.id);
            EXPECT_TRUE(control.id == IDC_STATIC || ids.insert(control.id).second);
            EXPECT_TRUE(control.style & WS_CHILD);
            EXPECT_GE(control.x, 0);
            EXPECT_GE(control.y, 0);
            EXPECT_LE(control.x + control.cx, dialog.cx);
            if (control.className != kClassComboBox) {  // a combo's height is its open list
                EXPECT_LE(control.y + control.cy, dialog.cy);
            }
        }
    }
}

// A control's place on the dialog; a combo box by its closed field, not its
// open list.
struct Place {
    int left, top, right, bottom;
};

Place PlaceOf(const ControlTemplate& control) {
    const int cy = control.className == kClassComboBox ? 12 : control.cy;
    return {control.x, control.y, control.x + control.cx, control.y + cy};
}

bool Intersect(const Place& a, const Place& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Holds(const Place& outer, const Place& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool IsGroupBox(const ControlTemplate& control) {
    return control.className == kClassButton && (control.style & 0xF) == BS_GROUPBOX;
}

// A control the template hides that stands where one of its kind is shown:
// the page shows it, if ever, in the other's place (the orientation pictures).
bool Alternates(const ControlTemplate& a, const ControlTemplate& b) {
    const bool oneHidden = (a.style & b.style & WS_VISIBLE) == 0;
    return oneHidden && a.className == b.className;
}

// Two controls may share dialog space only as a group box and what it holds,
// as an up-down control and the buddy it attaches to (the control before it),
// or as alternates.
TEST(DialogTemplates, NoTwoControlsOverlap) {
    for (const PageResource& page : kAllPageResources) {
        const DialogTemplate& dialog = *FindDialogTemplate(page.templateId);
        const auto& controls = dialog.controls;
        for (size_t i = 0; i < controls.size(); ++i) {
            for (size_t j = i + 1; j < controls.size(); ++j) {
                const Place a = PlaceOf(controls[i]);
                const Place b = PlaceOf(controls[j]);
                if (!Intersect(a, b)) {
                    continue;
                }
                if ((IsGroupBox(controls[i]) && Holds(a, b)) ||
                    (IsGroupBox(controls[j]) && Holds(b, a))) {
                    continue;
                }
                if ((j == i + 1 && controls[j].className == kClassUpDown) ||
                    Alternates(controls[i], controls[j])) {
                    continue;
                }
                ADD_FAILURE() << Name(page.section) << ": " << controls[i].id << " ("
                              << Name(controls[i].text) << ") overlaps " << controls[j].id << " ("
                              << Name(controls[j].text) << ")";
            }
        }
    }
}

// Each named control finds its text in its section of both files: a combo box
// or list box through its item keys (its name followed by an item value),
// every other control through its name.
TEST(DialogTemplates, EveryNamedControlHasItsKeysInBothLanguages) {
    for (int language : {kLanguageTextChinese, kLanguageTextEnglish}) {
        const auto sections = testing::ParseLanguageText(LanguageText(language));
        for (const PageResource& page : kAllPageResources) {
            EXPECT_TRUE(testing::Lookup(sections, page.section, u"WINDOW_TITLE") ||
                        FindDialogTemplate(page.templateId)->caption.empty())
                << Name(page.section);
            for (const ControlTemplate& control : FindDialogTemplate(page.templateId)->controls) {
                const std::u16string_view name = ControlName(control.id);
                if (name.empty() || control.className == kClassListBox) {
                    continue;
                }
                SCOPED_TRACE(Name(page.section) + "/" + Name(name));
                if (control.className == kClassComboBox) {
                    EXPECT_TRUE(
                        testing::Lookup(sections, page.section, std::u16string(name) + u"0") ||
                        testing::Lookup(sections, page.section, std::u16string(name) + u"255"));
                } else {
                    EXPECT_TRUE(testing::Lookup(sections, page.section, name));
                }
            }
        }
    }
}

TEST(StringTable, NamesControlsByIdentifier) {
    EXPECT_EQ(ControlName(1006), u"IDC_OPTION_STATIC_COPY");
    EXPECT_EQ(ControlName(1330), u"IDC_ADVANCED_STATIC_ERROR");
    EXPECT_EQ(ControlName(1304), u"IDC_OTHER_COMBO_LINESUBSTITUTION");
    EXPECT_EQ(ControlName(1305), u"IDC_OTHER_COMBO_LINESUBSTITUTION");
    EXPECT_EQ(ControlName(1244), u"IDOK_Define");
    EXPECT_EQ(ControlName(1309), u"") << "the Language page's separator has no name";
    EXPECT_EQ(ControlName(1014), u"");
    EXPECT_EQ(LoadString(2), u"Printer has been calibrated.");
    EXPECT_EQ(LoadString(10), u"Advanced OEM UI Added Item");
    EXPECT_EQ(StringTable().size(), 5u + 187u);
}

TEST(Bitmaps, EveryPictureShowsADrawnBitmap) {
    for (const PageResource& page : kAllPageResources) {
        for (const ControlTemplate& control : FindDialogTemplate(page.templateId)->controls) {
            if (control.className != kClassStatic || (control.style & SS_TYPEMASK) != SS_BITMAP) {
                continue;
            }
            ASSERT_TRUE(control.text.starts_with(u"#"));
            const std::string number = Name(control.text.substr(1));
            int id = 0;
            std::from_chars(number.data(), number.data() + number.size(), id);
            const BitmapResource* bitmap = FindBitmap(id);
            ASSERT_NE(bitmap, nullptr) << id;
            ASSERT_EQ(bitmap->rows.size(), static_cast<size_t>(bitmap->height));
            for (std::string_view row : bitmap->rows) {
                EXPECT_EQ(row.size(), static_cast<size_t>(bitmap->width)) << id;
                EXPECT_EQ(row.find_first_not_of("#."), row.npos) << id;
            }
        }
    }
    EXPECT_EQ(FindBitmap(114), nullptr);
}

TEST(ControlCodeMenu, OffersEveryControlByteInOrder) {
    const MenuTemplate* menu = FindMenuTemplate(kMenuControlCodes);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->items.size(), 32u);
    for (size_t byte = 0; byte < menu->items.size(); ++byte) {
        EXPECT_EQ(menu->items[byte].command, kControlCodeCommandFirst + static_cast<int>(byte));
    }
    EXPECT_EQ(menu->items[0x00].text, u"00  <NUL>");
    EXPECT_EQ(menu->items[0x0D].text, u"0D  <CR>");
    EXPECT_EQ(menu->items[0x1B].text, u"1B  <ESC>");
    EXPECT_EQ(menu->items[0x1F].text, u"1F  <US>");
    EXPECT_EQ(FindMenuTemplate(155), nullptr);
}

}  // namespace
}  // namespace orca::resources
