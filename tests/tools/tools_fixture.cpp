// SPDX-License-Identifier: Apache-2.0
#include "tools_fixture.h"

#include <cstring>
#include <fstream>

#include "platform/process.h"
#include "platform/sim/environment.h"
#include "text/utf.h"

namespace orca::tools::testing {

ToolsTest::ToolsTest() : desktop_(platform::sim::AttachDesktop(Env())), driver_(*desktop_) {}

ToolsTest::~ToolsTest() {
    if (printer_ != nullptr) {
        Ports().spooler->Close(printer_);
    }
}

platform::PrinterHandle ToolsTest::OpenPrinter(std::u16string port) {
    Env().AddPrinter(platform::sim::Printer{.name = kPrinterName,
                                            .driverName = u"Label Driver",
                                            .portName = std::move(port),
                                            .settings = {},
                                            .perUserSettingsSize = 0,
                                            .papers = {}});
    EXPECT_TRUE(Ports().spooler->Open(kPrinterName, &printer_));
    return printer_;
}

std::u16string ToolsTest::WriteFile(const char* name, const Bytes& content) {
    const std::filesystem::path path = Root() / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(content.data()), std::streamsize(content.size()));
    return text::Utf8ToUtf16(path.string());
}

uint32_t ToolsTest::LastError() {
    return Ports().process->LastError();
}

void ToolsTest::SetLastError(uint32_t error) {
    Ports().process->SetLastError(error);
}

Bytes ToBytes(std::string_view text) {
    return {text.begin(), text.end()};
}

}  // namespace orca::tools::testing
