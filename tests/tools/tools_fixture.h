// SPDX-License-Identifier: Apache-2.0
// A simulated environment with one printer on a port chosen per test, a
// headless desktop, and the sheet's context as the Tools page sees it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "pages/language_file.h"
#include "pages/page_context.h"
#include "platform/sim/desktop.h"
#include "platform/sim/desktop_driver.h"
#include "platform/sim/model.h"
#include "platform/spooler.h"
#include "support/fake_page_context.h"
#include "support/sim_env.h"

namespace orca::tools::testing {

using Bytes = std::vector<uint8_t>;

inline constexpr char16_t kPrinterName[] = u"Label1";

// The page reads the printer's command language (2076: 1 ORCA, 2 ONYX) and
// the sheet's language.
using ToolsContext = testsupport::FakePageContext;
inline constexpr uint32_t kCommandLanguageField = 2076;

class ToolsTest : public testsupport::SimEnvTest {
protected:
    ToolsTest();
    ~ToolsTest() override;

    // Adds the printer on that port and opens it.
    platform::PrinterHandle OpenPrinter(std::u16string port = u"null:");
    std::vector<platform::sim::RawJob> Jobs() { return Env().Jobs(); }
    // A file under the environment's root, by its platform path.
    std::u16string WriteFile(const char* name, const Bytes& content);
    uint32_t LastError();
    void SetLastError(uint32_t error);

    platform::sim::Desktop& Screen() { return *desktop_; }
    platform::sim::DesktopDriver& Driver() { return driver_; }

private:
    std::shared_ptr<platform::sim::Desktop> desktop_;
    platform::sim::DesktopDriver driver_;
    platform::PrinterHandle printer_ = nullptr;
};

Bytes ToBytes(std::string_view text);

}  // namespace orca::tools::testing
