// SPDX-License-Identifier: Apache-2.0
// The Tools page through the headless desktop: what each action sends, the
// rules of the input field and the ".." button, and what a showing resets.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "pages/tools/tools_page.h"
#include "platform/errors.h"
#include "resources/control_ids.h"
#include "tools_fixture.h"

namespace orca::tools::testing {
namespace {

using platform::Window;
using Names = std::vector<std::u16string>;

constexpr uint8_t kOrca = 1;
constexpr uint8_t kOnyx = 2;
constexpr uint8_t STX = 0x02, SOH = 0x01, CR = 0x0D;

class ToolsPageTest : public ToolsTest {
protected:
    // The page of a printer of that language, shown in a sheet after a host tab.
    Window Open(uint8_t commandLanguage, std::u16string port = u"null:") {
        context_.byteFields[kCommandLanguageField] = commandLanguage;
        page_ = std::make_unique<pages::CDocPage_Tools>(context_, OpenPrinter(std::move(port)));
        sheet_ = Screen().CreateSheet(u"Label1 Printing Preferences", {u"Layout"});
        Screen().AddPage(sheet_, page_->Handle());
        Screen().OpenSheet(sheet_, 1);
        return Screen().CurrentPage(sheet_);
    }
    // Leaves the page for the host's tab and comes back.
    void ShowAgain() {
        ASSERT_TRUE(Driver().SelectTab(sheet_, 0));
        ASSERT_TRUE(Driver().SelectTab(sheet_, 1));
    }
    bool Choose(Window page, int group, std::u16string_view action) {
        return Driver().Select(page, control::kToolsTypeList, group) &&
               Driver().Select(page, control::kToolsActionList, action);
    }
    // Presses Send; the job it produced, or an empty job when none finished.
    platform::sim::RawJob Send(Window page) {
        const size_t before = Jobs().size();
        EXPECT_TRUE(Driver().Click(page, control::kToolsSendButton));
        const std::vector<platform::sim::RawJob> jobs = Jobs();
        EXPECT_LE(jobs.size(), before + 1);
        return jobs.size() > before ? jobs.back() : platform::sim::RawJob{};
    }
    Names Items(Window page, int list) {
        Names names;
        const Window box = Screen().Child(page, list);
        for (int i = 0; i < Screen().ItemCount(box); ++i) {
            names.push_back(Screen().ItemText(box, i));
        }
        return names;
    }
    int Selected(Window page, int list) { return Screen().Selection(Screen().Child(page, list)); }
    bool Enabled(Window page, int control) {
        return Screen().IsEnabled(Screen().Child(page, control));
    }
    std::u16string Text(Window page, int control) {
        return Screen().Text(Screen().Child(page, control));
    }

    ToolsContext context_;
    std::unique_ptr<pages::CDocPage_Tools> page_;
    Window sheet_ = nullptr;
};

TEST_F(ToolsPageTest, TheListsHoldEachLanguagesGroupsAndActions) {
    struct Case {
        uint8_t language;
        Names actions;
        Names printing;
    };
    const Case cases[] = {
        {kOrca,
         {u"Calibrate media", u"Enter diagnostics mode", u"Exit diagnostics mode",
          u"Load factory defaults", u"Reset printer", u"Send command", u"Send file"},
         {u"Feed one label", u"Print configuration label", u"Print object list"}},
        {kOnyx,
         {u"Calibrate media", u"Reset printer", u"Cutter", u"Enable Printer Beeper",
          u"Disable Printer Beeper", u"Send command", u"Send file"},
         {u"Feed one label", u"Print configuration label"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.language));
        const Window page = Open(c.language);
        EXPECT_EQ(Items(page, control::kToolsTypeList), (Names{u"Action", u"Print"}));
        EXPECT_EQ(Items(page, control::kToolsActionList), c.actions);
        ASSERT_TRUE(Driver().Select(page, control::kToolsTypeList, 1));
        EXPECT_EQ(Items(page, control::kToolsActionList), c.printing);
        EXPECT_EQ(Selected(page, control::kToolsActionList), 0);
        page_.reset();
    }
}

TEST_F(ToolsPageTest, EveryFixedCommandSendsItsExactBytesInOneJob) {
    struct Case {
        uint8_t language;
        int group;
        std::u16string_view action;
        Bytes bytes;
    };
    const Case cases[] = {
        {kOrca, 0, u"Calibrate media", ToBytes("~JC")},
        {kOrca, 0, u"Enter diagnostics mode", ToBytes("~JD")},
        {kOrca, 0, u"Exit diagnostics mode", ToBytes("~JE")},
        {kOrca, 0, u"Load factory defaults", ToBytes("^XA^JUF^XZ")},
        {kOrca, 0, u"Reset printer", ToBytes("~JR")},
        {kOrca, 1, u"Feed one label", ToBytes("~PH")},
        {kOrca, 1, u"Print configuration label", ToBytes("~WC")},
        {kOrca, 1, u"Print object list", ToBytes("^XA^WD*:*.*^XZ")},
        {kOnyx, 0, u"Calibrate media", {STX, 'J', 'C', CR}},
        {kOnyx, 0, u"Reset printer", {SOH, '#', CR}},
        {kOnyx, 0, u"Cutter", {STX, 'o', CR}},
        {kOnyx, 0, u"Enable Printer Beeper", {STX, 'J', 'Z', '1', CR}},
        {kOnyx, 0, u"Disable Printer Beeper", {STX, 'J', 'Z', '0', CR}},
        {kOnyx, 1, u"Feed one label", {STX, 'F', CR}},
        {kOnyx, 1, u"Print configuration label", {STX, 'Z', CR}},
    };
    uint8_t opened = 0;
    Window page = nullptr;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.action)) + " " +
                     std::to_string(c.language));
        if (opened != c.language) {
            page_.reset();
            page = Open(c.language);
            opened = c.language;
        }
        ASSERT_TRUE(Choose(page, c.group, c.action));
        EXPECT_FALSE(Enabled(page, control::kToolsInputEdit));
        EXPECT_FALSE(Enabled(page, control::kToolsBrowseButton));
        const platform::sim::RawJob job = Send(page);
        EXPECT_EQ(job.documentName, u"Calibrate");
        EXPECT_EQ(job.dataType, u"RAW");
        EXPECT_TRUE(job.pageStarted);
        EXPECT_EQ(job.writes, std::vector<Bytes>{c.bytes});
    }
}

TEST_F(ToolsPageTest, ATypedCommandIsSentAsTypedAndLivesInItsActionAcrossShowings) {
    const Window page = Open(kOrca);
    ASSERT_TRUE(Choose(page, 0, u"Send command"));
    EXPECT_TRUE(Enabled(page, control::kToolsInputEdit));
    EXPECT_FALSE(Enabled(page, control::kToolsBrowseButton));
    EXPECT_EQ(Send(page).writes, std::vector<Bytes>{Bytes{}}) << "empty: one write of 0 bytes";

    ASSERT_TRUE(Driver().Type(page, control::kToolsInputEdit, u"~HS\u00e9"));
    const Bytes typed = {'~', 'H', 'S', 0xE9};  // the system's ANSI code page
    EXPECT_EQ(Send(page).writes, std::vector<Bytes>{typed});

    // A fixed command takes no typing, and the typed text stays with its own action.
    ASSERT_TRUE(Choose(page, 1, u"Feed one label"));
    EXPECT_FALSE(Driver().Type(page, control::kToolsInputEdit, u"X"));
    EXPECT_EQ(Text(page, control::kToolsInputEdit), u"");
    EXPECT_EQ(Send(page).writes, std::vector<Bytes>{ToBytes("~PH")});

    ShowAgain();
    EXPECT_EQ(Selected(page, control::kToolsTypeList), 0);
    EXPECT_EQ(Selected(page, control::kToolsActionList), 0);
    EXPECT_FALSE(Enabled(page, control::kToolsInputEdit));
    EXPECT_FALSE(Enabled(page, control::kToolsBrowseButton));
    ASSERT_TRUE(Choose(page, 0, u"Send command"));
    EXPECT_EQ(Text(page, control::kToolsInputEdit), u"~HS\u00e9");
    EXPECT_EQ(Send(page).writes, std::vector<Bytes>{typed});
}

TEST_F(ToolsPageTest, ATypedCommandEndsAtItsFirstNulAsTheEditShowsIt) {
    const Window page = Open(kOrca);
    ASSERT_TRUE(Choose(page, 0, u"Send command"));
    // Typing drops control characters; a pasted NUL reaches the edit.
    ASSERT_TRUE(Driver().Paste(page, control::kToolsInputEdit, std::u16string(u"~HS\0~JR", 7)));
    EXPECT_EQ(Send(page).writes, std::vector<Bytes>{ToBytes("~HS")});

    ShowAgain();
    ASSERT_TRUE(Choose(page, 0, u"Send command"));
    EXPECT_EQ(Text(page, control::kToolsInputEdit), u"~HS");
}

TEST_F(ToolsPageTest, ATypedCommandKeepsWholeCharactersWithinItsRoom) {
    platform::sim::SystemFacts facts = Env().Facts();
    facts.ansiCodePage = 936;
    Env().SetFacts(facts);
    const Window page = Open(kOrca);
    ASSERT_TRUE(Choose(page, 0, u"Send command"));
    // 1022 bytes and a two-byte character: the character does not fit in 1023.
    ASSERT_TRUE(
        Driver().Type(page, control::kToolsInputEdit, std::u16string(1022, u'A') + u"\u4e2d"));
    EXPECT_EQ(Send(page).writes, std::vector<Bytes>{Bytes(1022, 'A')});
}

TEST_F(ToolsPageTest, AChosenFileIsSentUnchanged) {
    Bytes binary;
    for (int i = 0; i < 512; ++i) {
        binary.push_back(uint8_t(i * 7));
    }
    struct Case {
        const char* name;
        Bytes content;
    };
    // The last name is beyond the system's ANSI code page (Windows-1252).
    const Case cases[] = {{"empty.prn", {}}, {"binary.prn", binary}, {"标签.prn", binary}};
    const Window page = Open(kOnyx);
    ASSERT_TRUE(Choose(page, 0, u"Send file"));
    EXPECT_FALSE(Enabled(page, control::kToolsInputEdit));
    EXPECT_TRUE(Enabled(page, control::kToolsBrowseButton));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::u16string path = WriteFile(c.name, c.content);
        platform::FileDialogRequest asked;
        Driver().OnNextFileDialog([&](const platform::FileDialogRequest& request) {
            asked = request;
            return platform::FileDialogResult{.chosen = true, .path = path, .filterIndex = 1};
        });
        ASSERT_TRUE(Driver().Click(page, control::kToolsBrowseButton));
        EXPECT_FALSE(asked.save);
        EXPECT_EQ(asked.owner, page);
        ASSERT_EQ(asked.filters.size(), 1u);
        EXPECT_EQ(asked.filters[0].pattern, u"*.*");
        EXPECT_EQ(asked.bufferChars, 260u);
        EXPECT_EQ(asked.flags, 0x00202C06u);
        EXPECT_EQ(Text(page, control::kToolsInputEdit), path);
        EXPECT_EQ(Send(page).writes, std::vector<Bytes>{c.content});
    }
}

TEST_F(ToolsPageTest, AFileThatCannotBeReadStillStartsAndEndsAnEmptyJob) {
    const Window page = Open(kOrca);
    ASSERT_TRUE(Choose(page, 0, u"Send file"));
    const platform::sim::RawJob unchosen = Send(page);
    EXPECT_TRUE(unchosen.pageStarted);
    EXPECT_TRUE(unchosen.writes.empty());

    // A chosen file, then a cancelled dialog: the path is gone.
    const std::u16string path = WriteFile("label.prn", ToBytes("^XA^XZ"));
    Driver().OnNextFileDialog([&](const platform::FileDialogRequest&) {
        return platform::FileDialogResult{.chosen = true, .path = path, .filterIndex = 1};
    });
    ASSERT_TRUE(Driver().Click(page, control::kToolsBrowseButton));
    ASSERT_TRUE(Driver().Click(page, control::kToolsBrowseButton));  // no responder: Cancel
    EXPECT_EQ(Text(page, control::kToolsInputEdit), u"");
    const platform::sim::RawJob cancelled = Send(page);
    EXPECT_EQ(cancelled.documentName, u"Calibrate");
    EXPECT_TRUE(cancelled.pageStarted);
    EXPECT_TRUE(cancelled.writes.empty());
}

// The address space of the process held to what it uses now and a little
// more, so a buffer of gigabytes cannot be had.
class AddressSpaceLimit {
public:
    AddressSpaceLimit() {
        getrlimit(RLIMIT_AS, &saved_);
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit limited = saved_;
        limited.rlim_cur = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(1) << 30);
        setrlimit(RLIMIT_AS, &limited);
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &saved_); }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

private:
    rlimit saved_{};
};

TEST_F(ToolsPageTest, AFileTooLargeForTheMemoryLeftStillStartsAndEndsAnEmptyJob) {
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "the sanitizer's allocator reports a failed allocation instead of failing it";
#endif
#endif
    const Window page = Open(kOrca);
    ASSERT_TRUE(Choose(page, 0, u"Send file"));
    // 3 GiB, sparse: below the 4 GiB a file may have, above the memory left.
    const std::u16string path = WriteFile("large.prn", {});
    std::filesystem::resize_file(Root() / "large.prn", uint64_t(3) << 30);
    Driver().OnNextFileDialog([&](const platform::FileDialogRequest&) {
        return platform::FileDialogResult{.chosen = true, .path = path, .filterIndex = 1};
    });
    ASSERT_TRUE(Driver().Click(page, control::kToolsBrowseButton));
    platform::sim::RawJob job;
    {
        const AddressSpaceLimit limit;
        job = Send(page);
    }
    EXPECT_EQ(job.documentName, u"Calibrate");
    EXPECT_TRUE(job.pageStarted);
    EXPECT_TRUE(job.writes.empty());
}

TEST_F(ToolsPageTest, ARefusedDocumentEndsTheSendSilently) {
    const Window page = Open(kOrca, u"file:missing-directory/out.prn");
    SetLastError(platform::kErrorSuccess);
    EXPECT_TRUE(Driver().Click(page, control::kToolsSendButton));
    EXPECT_TRUE(Jobs().empty());
    // Any later job call would have set "no document started".
    EXPECT_EQ(LastError(), platform::kErrorPathNotFound);
    EXPECT_TRUE(Screen().Messages().empty());
}

TEST_F(ToolsPageTest, EachShowingFollowsTheSheetsLanguageAndStartsAtTheFirstAction) {
    const Window page = Open(kOnyx);
    EXPECT_EQ(Text(page, control::kToolsSendButton), u"Send");
    ASSERT_TRUE(Choose(page, 1, u"Print configuration label"));

    context_.language = pages::kLanguageChinese;
    ShowAgain();
    EXPECT_EQ(Items(page, control::kToolsTypeList), (Names{u"操作", u"打印"}));
    EXPECT_EQ(Selected(page, control::kToolsTypeList), 0);
    EXPECT_EQ(Selected(page, control::kToolsActionList), 0);
    EXPECT_EQ(Items(page, control::kToolsActionList).at(2), u"切纸");
    EXPECT_EQ(Text(page, control::kToolsSendButton), u"发送");
    EXPECT_EQ(Text(page, control::kToolsBrowseButton), u"..");
    ASSERT_TRUE(Driver().Select(page, control::kToolsTypeList, 1));
    EXPECT_EQ(Items(page, control::kToolsActionList), (Names{u"走一张标签", u"打印配置标签"}));
    // The relabelled action still sends its command.
    EXPECT_EQ(Send(page).writes, (std::vector<Bytes>{Bytes{STX, 'F', CR}}));
}

}  // namespace
}  // namespace orca::tools::testing
