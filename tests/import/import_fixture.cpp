// SPDX-License-Identifier: Apache-2.0
#include "import/import_fixture.h"

#include <fstream>
#include <sstream>

#include "printers/model_catalogue.h"
#include "resources/control_ids.h"

namespace orca::importtest {

using namespace plugin;

void ImportPageTest::TearDown() {
    Close();
    PluginLibraryTest::TearDown();
}

void ImportPageTest::Open(std::u16string_view printer, std::u16string_view model,
                          std::vector<Paper> papers, const StoredPaper& stored) {
    Close();
    platform::sim::Printer added;
    added.name = printer;
    added.driverName = model;
    added.papers = std::move(papers);
    added.settings = platform::sim::MakePublicRecord(printer, stored.number, stored.formName);
    Env().AddPrinter(std::move(added));
    printers::ModelFactory factory = printers::ModelCatalogue().Find(model);
    ASSERT_TRUE(factory);
    view_ = factory();

    testsupport::SheetOpening opening;
    opening.prepare = [this](testsupport::PluginSheet& sheet) {
        sheet.Records().Public()->dmCopies = 1;
        sheet.Records().Public()->dmOrientation = 1;
        view_->AttachPublicRecord(sheet.Records().Bytes().data());
        view_->AttachBlock(sheet.Records().Private());
    };
    opening.tab = testsupport::TabTitled({u"Import/Export"});
    session_ = std::make_unique<testsupport::SheetSession>(Env(), Library(), printer, opening);
    ASSERT_TRUE(session_->Opened());
}

void ImportPageTest::Close() {
    session_.reset();
    view_.reset();
}

void ImportPageTest::Export(const fs::path& path) {
    dialogOpened_ = false;
    Driver().OnNextFileDialog([this, path](const platform::FileDialogRequest& request) {
        dialogOpened_ = true;
        EXPECT_TRUE(request.save);
        EXPECT_EQ(request.title, u"Save As...");
        return platform::FileDialogResult{true, path.u16string(), kSettingsFilter};
    });
    ASSERT_TRUE(Driver().Click(Page(), control::kImportExportButton));
}

std::vector<MessageRecord> ImportPageTest::Import(const fs::path& file, int filter,
                                                  int warningAnswer) {
    const size_t before = Screen().Messages().size();
    dialogOpened_ = false;
    Driver().OnNextMessage([warningAnswer](const MessageRecord&) { return warningAnswer; });
    if (warningAnswer == resources::IDOK) {
        Driver().OnNextFileDialog([this, file, filter](const platform::FileDialogRequest& request) {
            dialogOpened_ = true;
            EXPECT_FALSE(request.save);
            EXPECT_EQ(request.filters.size(), 2u);
            return platform::FileDialogResult{true, file.u16string(), filter};
        });
    }
    EXPECT_TRUE(Driver().Click(Page(), control::kImportImportButton));
    const auto& messages = Screen().Messages();
    return {messages.begin() + static_cast<std::ptrdiff_t>(before), messages.end()};
}

std::vector<uint8_t> ImportPageTest::GetBytes(uint32_t fieldId, uint32_t size, int index) {
    std::vector<uint8_t> bytes(size);
    EXPECT_EQ(view_->AccessBytes(fieldId, bytes.data(), static_cast<int32_t>(size), index, true), 0)
        << "field " << fieldId;
    return bytes;
}

void ImportPageTest::SetBytes(uint32_t fieldId, std::vector<uint8_t> bytes, uint32_t size,
                              int index) {
    bytes.resize(size);
    EXPECT_EQ(view_->AccessBytes(fieldId, bytes.data(), static_cast<int32_t>(size), index, false),
              0)
        << "field " << fieldId;
}

std::u16string ImportPageTest::GetName(uint32_t fieldId, int index, uint32_t size) {
    const std::vector<uint8_t> bytes = GetBytes(fieldId, size, index);
    std::u16string name;
    for (size_t i = 0; i + 1 < bytes.size() && (bytes[i] | bytes[i + 1]) != 0; i += 2)
        name.push_back(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
    return name;
}

void ImportPageTest::SetName(uint32_t fieldId, std::u16string_view name, int index, uint32_t size) {
    std::vector<uint8_t> bytes;
    for (char16_t unit : name) {
        bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    SetBytes(fieldId, bytes, size, index);
}

uint16_t ImportPageTest::StoredPaperSize(std::u16string_view printer) {
    const std::vector<uint8_t> stored = StoredPrinter(printer).settings;
    return static_cast<uint16_t>(stored[PublicOffset(3001)] | stored[PublicOffset(3001) + 1] << 8);
}

std::string ImportPageTest::ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void ImportPageTest::WriteFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace orca::importtest
