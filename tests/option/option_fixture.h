// SPDX-License-Identifier: Apache-2.0
// The Option page in a document sheet of the headless desktop. The sheet's
// context is a printer object of a real model with the host's records
// attached; the plug-in's services are played by a host whose paper list,
// stored paper, form item and orientation item the test sets.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "pages/option/option_page.h"
#include "pages/page_context.h"
#include "platform/sim/desktop.h"
#include "platform/sim/desktop_driver.h"
#include "printers/printer_impl.h"
#include "resources/control_ids.h"
#include "support/sim_env.h"

namespace orca::pages::testing {

using Texts = std::vector<std::u16string>;

// The page's controls.

// The fields it edits.
inline constexpr uint32_t kSpeed = 2000;
inline constexpr uint32_t kSpeedUnitField = 2001;
inline constexpr uint32_t kDarknessField = 2002;
inline constexpr uint32_t kRotate180 = 2003;
inline constexpr uint32_t kOrientation = 3000;
inline constexpr uint32_t kCopiesField = 3005;

class OptionSheet : public PageContext, public OptionServices {
public:
    // modelName: a model of the catalogue; any other name is an unsupported printer.
    explicit OptionSheet(std::u16string_view modelName);

    // Host state the page reads.
    std::vector<PaperRecord> papers;
    int storedPaperSize = -1;
    std::u16string hostFormName;
    int hostOrientation = 0;  // the host's orientation item; -1: the host has none
    int applyAnswer = 1;

    // What the page did to the host.
    std::vector<PaperRecord> applied;
    int orientationUpdates = 0;

    // Settings through the printer object; false when the access failed.
    template <typename T>
    T Get(uint32_t fieldId) {
        T value{};
        EXPECT_EQ(AccessValue(fieldId, &value, 0, true), 0) << "field " << fieldId;
        return value;
    }
    template <typename T>
    void Set(uint32_t fieldId, T value) {
        ASSERT_EQ(AccessValue(fieldId, &value, 0, false), 0) << "field " << fieldId;
    }

    // PageContext.
    std::u16string_view PrinterName() const override { return u"Label1"; }
    int CurrentLanguage() const override { return language_; }
    void SetCurrentLanguage(int language) override { language_ = language; }
    platform::Window LastShownDocumentPage() const override { return lastShown_; }
    void SetLastShownDocumentPage(platform::Window page) override { lastShown_ = page; }
    int32_t AccessValue(uint32_t fieldId, void* buffer, int index, bool get) override;
    int32_t AccessBytes(uint32_t fieldId, void* buffer, uint32_t length, int index,
                        bool get) override;

    // OptionServices.
    void BuildPaperList(std::vector<PaperRecord>& list, bool customOnly) override;
    int ApplyPaperToPrinter(const PaperRecord& paper) override;
    int SyncOrientation(int index, bool apply) override;
    int StoredPaperSize() override { return storedPaperSize; }
    std::u16string HostFormName() override { return hostFormName; }

private:
    std::unique_ptr<printers::CPrinterImplBase> printer_;
    std::vector<uint8_t> public_;
    std::vector<uint8_t> block_;
    int language_ = 1;
    platform::Window lastShown_ = nullptr;
};

// A paper of the list; margins 0.
PaperRecord Paper(std::u16string name, uint16_t id, int32_t width, int32_t length);

class OptionPageTest : public testsupport::SimEnvTest {
protected:
    OptionPageTest();

    // The sheet's context for a printer of that model, to set up before Open.
    OptionSheet& MakeSheet(std::u16string_view modelName);
    // Makes the page and opens it in a document sheet behind one host tab.
    void Open();
    void Open(std::u16string_view modelName) {
        MakeSheet(modelName);
        Open();
    }
    // The page goes to the back and comes to the front again.
    void Reshow();

    OptionSheet& Sheet() { return *sheet_; }
    platform::Window Page() { return Screen().CurrentPage(window_); }
    platform::sim::Desktop& Screen() { return *desktop_; }
    platform::sim::DesktopDriver& Driver() { return driver_; }

    std::u16string Text(int controlId);
    std::vector<std::u16string> ItemTexts(int controlId);
    std::u16string SelectedText(int controlId);
    bool Visible(int controlId);
    // The six size edits: width, height, left, right, top, bottom.
    std::vector<std::u16string> Sizes();
    // Whether the sheet's Apply button is enabled: the page told it of a change.
    bool ApplyEnabled();

    bool Select(int controlId, std::u16string_view itemText) {
        return Driver().Select(Page(), controlId, itemText);
    }
    bool Retype(int controlId, std::u16string_view keys) {
        return Driver().Retype(Page(), controlId, keys);
    }

private:
    std::unique_ptr<OptionSheet> sheet_;
    std::shared_ptr<platform::sim::Desktop> desktop_;
    platform::sim::DesktopDriver driver_;
    std::unique_ptr<CDocPage_Option> page_;
    platform::Window window_ = nullptr;
};

}  // namespace orca::pages::testing
