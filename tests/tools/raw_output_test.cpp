// SPDX-License-Identifier: Apache-2.0
// The raw output path: the calls of one job in order, and what a refused
// document or page leaves behind in the simulated spooler.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/raw_output.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "tools_fixture.h"

namespace orca::tools::testing {
namespace {

using platform::PrinterHandle;
using Calls = std::vector<std::string>;

// The simulated spooler with a log of the job calls; it can refuse to start
// a page, which the simulated spooler itself never does inside a document.
class LoggingSpooler : public platform::Spooler {
public:
    explicit LoggingSpooler(platform::Spooler& inner) : inner_(inner) {}

    bool refusePage = false;
    Calls calls;

    bool Open(std::u16string_view name, PrinterHandle* handle) override {
        return inner_.Open(name, handle);
    }
    bool Close(PrinterHandle handle) override { return inner_.Close(handle); }
    bool GetInfo2(PrinterHandle handle, uint32_t size, platform::PrinterInfo2* info,
                  uint32_t* needed) override {
        return inner_.GetInfo2(handle, size, info, needed);
    }
    bool GetInfo9Size(PrinterHandle handle, uint32_t* needed) override {
        return inner_.GetInfo9Size(handle, needed);
    }
    bool SetInfo2(PrinterHandle handle, const platform::PrinterInfo2& info) override {
        return inner_.SetInfo2(handle, info);
    }
    int32_t PaperNames(std::u16string_view device, std::u16string_view port,
                       std::vector<std::u16string>* names) override {
        return inner_.PaperNames(device, port, names);
    }
    int32_t PaperSizes(std::u16string_view device, std::u16string_view port,
                       std::vector<platform::PaperPoint>* sizes) override {
        return inner_.PaperSizes(device, port, sizes);
    }
    int32_t PaperNumbers(std::u16string_view device, std::u16string_view port,
                         std::vector<uint16_t>* numbers) override {
        return inner_.PaperNumbers(device, port, numbers);
    }
    bool AddForm1(PrinterHandle handle, const platform::FormInfo1& form) override {
        return inner_.AddForm1(handle, form);
    }
    bool GetForm1(PrinterHandle handle, std::u16string_view name, uint32_t size,
                  platform::FormInfo1* form, uint32_t* needed) override {
        return inner_.GetForm1(handle, name, size, form, needed);
    }
    bool SetForm1(PrinterHandle handle, std::u16string_view name,
                  const platform::FormInfo1& form) override {
        return inner_.SetForm1(handle, name, form);
    }
    bool DeleteForm1(PrinterHandle handle, std::u16string_view name) override {
        return inner_.DeleteForm1(handle, name);
    }
    bool EnumForms1(PrinterHandle handle, uint32_t size, std::vector<platform::FormInfo1>* forms,
                    uint32_t* needed, uint32_t* returned) override {
        return inner_.EnumForms1(handle, size, forms, needed, returned);
    }

    uint32_t StartDocument(PrinterHandle handle, const platform::DocInfo1& doc) override {
        calls.push_back("StartDocument");
        return inner_.StartDocument(handle, doc);
    }
    bool StartPage(PrinterHandle handle) override {
        calls.push_back("StartPage");
        return !refusePage && inner_.StartPage(handle);
    }
    bool EndPage(PrinterHandle handle) override {
        calls.push_back("EndPage");
        return inner_.EndPage(handle);
    }
    bool Write(PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t* written) override {
        calls.push_back("Write");
        return inner_.Write(handle, bytes, written);
    }
    bool EndDocument(PrinterHandle handle) override {
        calls.push_back("EndDocument");
        return inner_.EndDocument(handle);
    }

private:
    platform::Spooler& inner_;
};

class RawOutputTest : public ToolsTest {
protected:
    LoggingSpooler spooler_{*Ports().spooler};
};

const Bytes kContent = ToBytes(std::string("^XA\0^XZ\n", 8));

// Sends kContent as bytes or as a file.
class RawOutputSendTest : public RawOutputTest {
protected:
    void Send(const char* kind, PrinterHandle printer) {
        if (std::string(kind) == "bytes") {
            commands::SendRawBytes(spooler_, printer, kContent);
        } else {
            commands::SendRawFile(spooler_, *Ports().files, printer,
                                  WriteFile("content.prn", kContent));
        }
    }
};

TEST_F(RawOutputSendTest, OneJobNamedCalibrateOfTypeRawCarriesTheBytesInOneWrite) {
    const PrinterHandle printer = OpenPrinter();
    for (const char* kind : {"bytes", "file"}) {
        SCOPED_TRACE(kind);
        spooler_.calls.clear();
        const size_t before = Jobs().size();
        Send(kind, printer);
        EXPECT_EQ(spooler_.calls,
                  (Calls{"StartDocument", "StartPage", "Write", "EndPage", "EndDocument"}));
        ASSERT_EQ(Jobs().size(), before + 1);
        const platform::sim::RawJob job = Jobs().back();
        EXPECT_EQ(job.documentName, u"Calibrate");
        EXPECT_EQ(job.dataType, u"RAW");
        EXPECT_EQ(job.outputFile, u"");
        EXPECT_EQ(job.writes, std::vector<Bytes>{kContent});
    }
}

TEST_F(RawOutputSendTest, ARefusedDocumentCallsNothingElse) {
    // The port's file cannot be created: the spooler refuses the document.
    const PrinterHandle printer = OpenPrinter(u"file:missing-directory/out.prn");
    for (const char* kind : {"bytes", "file"}) {
        SCOPED_TRACE(kind);
        spooler_.calls.clear();
        Send(kind, printer);
        EXPECT_EQ(spooler_.calls, Calls{"StartDocument"});
        EXPECT_TRUE(Jobs().empty());
    }
}

TEST_F(RawOutputSendTest, ARefusedPageSkipsTheWriteButStillEndsTheDocument) {
    const PrinterHandle printer = OpenPrinter();
    spooler_.refusePage = true;
    for (const char* kind : {"bytes", "file"}) {
        SCOPED_TRACE(kind);
        spooler_.calls.clear();
        const size_t before = Jobs().size();
        Send(kind, printer);
        EXPECT_EQ(spooler_.calls, (Calls{"StartDocument", "StartPage", "EndDocument"}));
        ASSERT_EQ(Jobs().size(), before + 1);
        EXPECT_TRUE(Jobs().back().writes.empty());
    }
}

TEST_F(RawOutputTest, AFileThatCannotBeSentInOneWriteStillStartsAndEndsTheJob) {
    const PrinterHandle printer = OpenPrinter();
    // 4 GiB, sparse: its size alone rules it out.
    const std::u16string huge = WriteFile("huge.prn", {});
    std::filesystem::resize_file(Root() / "huge.prn", uint64_t(1) << 32);
    const std::u16string missing = huge + u".missing";
    for (const std::u16string& path : {huge, missing, std::u16string()}) {
        SCOPED_TRACE(::testing::PrintToString(path));
        spooler_.calls.clear();
        commands::SendRawFile(spooler_, *Ports().files, printer, path);
        EXPECT_EQ(spooler_.calls, (Calls{"StartDocument", "StartPage", "EndPage", "EndDocument"}));
        ASSERT_FALSE(Jobs().empty());
        EXPECT_TRUE(Jobs().back().pageStarted);
        EXPECT_TRUE(Jobs().back().writes.empty());
    }
}

}  // namespace
}  // namespace orca::tools::testing
