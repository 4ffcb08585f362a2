// SPDX-License-Identifier: Apache-2.0
// The driver kit's model map (packaging/windows/ORCAUI.lbpm), installed as a
// driver package installs it: every driver it names resolves to a model of
// the catalogue, each model has a driver, and the author's guide names the
// models as the map must spell them.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "printers/device_manager.h"
#include "printers/model_catalogue.h"
#include "printers/model_env.h"
#include "printers/printer_models_table.h"
#include "support/sim_env.h"
#include "text/utf.h"

namespace orca::settings {
namespace {

constexpr char16_t kMapFile[] = u"ORCAUI.lbpm";

std::string SourceFile(const char* path) {
    std::ifstream in(std::string(ORCA_SOURCE_DIR) + "/" + path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The keys of the map's [PrinterMap] section, in file order.
std::vector<std::u16string> DriverNames(const std::string& map) {
    std::vector<std::u16string> names;
    std::istringstream lines(map);
    bool inMap = false;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.starts_with('['))
            inMap = line == "[PrinterMap]";
        else if (const size_t equals = line.find('='); inMap && equals != std::string::npos)
            names.push_back(text::Utf8ToUtf16(line.substr(0, equals)));
    }
    return names;
}

std::set<std::u16string> CatalogueNames() {
    std::set<std::u16string> names;
    for (const printers::ModelRow& row : printers::kModelTable)
        names.emplace(row.displayName);
    return names;
}

// The catalogue's name of the printer object's model; empty for none.
std::u16string ModelName(const printers::CPrinterImplBase& printer) {
    for (const std::u16string& name : CatalogueNames()) {
        const printers::ModelFactory factory = printers::ModelCatalogue().Find(name);
        const std::unique_ptr<printers::CPrinterImplBase> made =
            factory != nullptr ? factory() : nullptr;
        if (made == nullptr)
            continue;
        const printers::CPrinterImplBase& model = *made;
        if (typeid(model) == typeid(printer))
            return name;
    }
    return {};
}

class DriverKitTest : public testsupport::SimEnvTest {};

// The map is read in the system's ANSI code page, Western or Chinese.
TEST_F(DriverKitTest, EveryDriverOfTheModelMapResolvesAndEveryModelHasOne) {
    const std::string map = SourceFile("packaging/windows/ORCAUI.lbpm");
    const std::vector<std::u16string> drivers = DriverNames(map);
    ASSERT_FALSE(drivers.empty());
    for (uint32_t codePage : {1252u, 936u}) {
        SCOPED_TRACE(codePage);
        platform::sim::SystemFacts facts = Env().Facts();
        facts.ansiCodePage = codePage;
        Env().SetFacts(facts);
        std::set<std::u16string> models;
        for (const std::u16string& driver : drivers) {
            SCOPED_TRACE(text::Utf16ToUtf8(driver));
            testing::AddDriver(Env(), platform::sim::kEnvironmentX64, driver,
                               {u"ORCAUI.dll", u"ORCAUI.ini", kMapFile}, kMapFile, map);
            testing::AddPrinter(Env(), driver, driver);
            printers::CDeviceManager manager;
            const std::u16string model = ModelName(*manager.ResolvePrinter(driver, driver));
            EXPECT_FALSE(model.empty()) << "no model of the catalogue";
            EXPECT_TRUE(models.insert(model).second) << "a second driver of the model";
        }
        EXPECT_EQ(models, CatalogueNames());
    }
}

TEST(DriverKitGuide, NamesEveryModelAsTheMapSpellsIt) {
    const std::string guide = SourceFile("docs/driver-package.md");
    for (const std::u16string& model : CatalogueNames())
        EXPECT_NE(guide.find(text::Utf16ToUtf8(model)), std::string::npos)
            << text::Utf16ToUtf8(model);
    EXPECT_NE(guide.find("ANSI code page"), std::string::npos);
}

}  // namespace
}  // namespace orca::settings
