// SPDX-License-Identifier: Apache-2.0
// The Import/Export page as the host meets it: made by the plug-in's
// document-sheet hook, shown in the host's sheet and driven by a person. The
// test reads and writes the host's records through a printer object of the
// same model attached to them, so fields are named by their identifiers.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "plugin/plugin_fixture.h"
#include "printers/printer_impl.h"
#include "resources/control_ids.h"
#include "resources/window_styles.h"
#include "support/sheet_session.h"

namespace orca::importtest {

namespace fs = std::filesystem;
using platform::sim::MessageRecord;
using platform::sim::Paper;

inline constexpr int kSettingsFilter = 1;
inline constexpr int kOtherFilter = 2;

// The paper of a printer's stored settings.
struct StoredPaper {
    uint16_t number = 9;
    std::u16string formName = u"A4";
};

class ImportPageTest : public plugin::PluginLibraryTest {
protected:
    void TearDown() override;

    // A new printer of that model (its driver named as the model), and its
    // document sheet with the Import/Export page in front. The sheet of the
    // printer opened before is closed.
    void Open(std::u16string_view printer, std::u16string_view model,
              std::vector<Paper> papers = {}, const StoredPaper& stored = {});
    void Close();

    // Clicks Export and chooses path in the save dialog.
    void Export(const fs::path& path);
    // Clicks Import, answers the warning and chooses file with that filter in
    // the open dialog; the message boxes shown meanwhile.
    std::vector<MessageRecord> Import(const fs::path& file, int filter = kSettingsFilter,
                                      int warningAnswer = resources::IDOK);
    // Whether the file dialog was opened by the last Export or Import.
    bool DialogOpened() const { return dialogOpened_; }

    // The sheet's settings by field identifier (record index for fonts).
    template <typename T>
    T Get(uint32_t fieldId, int index = 0) {
        T value{};
        EXPECT_EQ(view_->AccessValue(fieldId, &value, index, true), 0) << "field " << fieldId;
        return value;
    }
    template <typename T>
    void Set(uint32_t fieldId, T value, int index = 0) {
        EXPECT_EQ(view_->AccessValue(fieldId, &value, index, false), 0) << "field " << fieldId;
    }
    // Text and data fields, whole.
    std::vector<uint8_t> GetBytes(uint32_t fieldId, uint32_t size, int index = 0);
    void SetBytes(uint32_t fieldId, std::vector<uint8_t> bytes, uint32_t size, int index = 0);
    std::u16string GetName(uint32_t fieldId, int index, uint32_t size = 80);
    void SetName(uint32_t fieldId, std::u16string_view name, int index, uint32_t size = 80);

    std::vector<uint8_t> Block() {
        const auto bytes = session_->Sheet().Records().PrivateBytes();
        return {bytes.begin(), bytes.end()};
    }
    plugin::DEVMODEW& Public() { return *session_->Sheet().Records().Public(); }
    driverhost::HostOptionItems& HostItems() { return session_->Sheet().Items(); }
    bool ApplyEnabled() { return session_->Sheet().ApplyEnabled(); }
    platform::sim::Desktop& Screen() { return session_->Screen(); }
    // The printer's stored paper number.
    uint16_t StoredPaperSize(std::u16string_view printer);

    fs::path PathIn(std::string_view name) const { return Root() / name; }
    static std::string ReadFile(const fs::path& path);
    static void WriteFile(const fs::path& path, std::string_view bytes);

private:
    platform::Window Page() { return session_->Page(); }
    platform::sim::DesktopDriver& Driver() { return session_->Driver(); }

    std::unique_ptr<printers::CPrinterImplBase> view_;
    std::unique_ptr<testsupport::SheetSession> session_;
    bool dialogOpened_ = false;
};

}  // namespace orca::importtest
