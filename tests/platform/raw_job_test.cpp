// SPDX-License-Identifier: Apache-2.0
// Raw jobs of the simulated spooler: what is recorded, the order rules of the
// job calls, and delivery to the printer's port.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <thread>

#include "platform/errors.h"
#include "platform/process.h"
#include "platform/spooler.h"
#include "support/sim_env.h"
#include "text/utf.h"

namespace orca::platform {
namespace {

std::vector<uint8_t> Bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

std::u16string U16(std::string_view s) {
    return text::Utf8ToUtf16(s);
}

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A TCP listener on the loopback interface that takes one connection and
// keeps everything received until the peer closes.
class LoopbackListener {
public:
    LoopbackListener() {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        EXPECT_EQ(::bind(socket_, reinterpret_cast<sockaddr*>(&address), length), 0);
        EXPECT_EQ(::listen(socket_, 1), 0);
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackListener() { ::close(socket_); }

    uint16_t Port() const { return port_; }

    // Accepts one connection and reads it to its end.
    std::string ReceiveOne() {
        const int peer = ::accept(socket_, nullptr, nullptr);
        std::string received;
        char buffer[4096];
        for (ssize_t n; (n = ::read(peer, buffer, sizeof buffer)) > 0;) {
            received.append(buffer, size_t(n));
        }
        ::close(peer);
        return received;
    }

private:
    int socket_ = -1;
    uint16_t port_ = 0;
};

class RawJobTest : public testsupport::SimEnvTest {
protected:
    PrinterHandle OpenPrinterOnPort(std::u16string port) {
        Env().AddPrinter(sim::Printer{.name = u"Heron(ONYX)",
                                      .driverName = u"ONYX Heron",
                                      .portName = std::move(port),
                                      .settings = {},
                                      .perUserSettingsSize = 0,
                                      .papers = {}});
        PrinterHandle h = nullptr;
        EXPECT_TRUE(Spool().Open(u"Heron(ONYX)", &h));
        return h;
    }
    Spooler& Spool() { return *Ports().spooler; }
    uint32_t LastError() { return Ports().process->LastError(); }

    // One job the way the utility actions send one: document, page, one write.
    uint32_t SendJob(PrinterHandle h, std::string_view bytes) {
        const uint32_t id = Spool().StartDocument(
            h, DocInfo1{.documentName = u"Calibrate", .outputFile = u"", .dataType = u"RAW"});
        if (id != 0) {
            uint32_t written = 0;
            EXPECT_TRUE(Spool().StartPage(h));
            EXPECT_TRUE(Spool().Write(h, Bytes(bytes), &written));
            EXPECT_EQ(written, bytes.size());
            EXPECT_TRUE(Spool().EndPage(h));
            EXPECT_TRUE(Spool().EndDocument(h));
        }
        return id;
    }
};

TEST_F(RawJobTest, RecordsEveryFinishedJobWithItsWrites) {
    const PrinterHandle h = OpenPrinterOnPort(u"null:");
    const uint32_t first = SendJob(h, "\x02JC\r");
    ASSERT_NE(first, 0u);

    const uint32_t second = Spool().StartDocument(
        h, DocInfo1{.documentName = u"Empty", .outputFile = u"", .dataType = u""});
    ASSERT_NE(second, 0u);
    EXPECT_NE(second, first);
    uint32_t written = 9;
    EXPECT_TRUE(Spool().Write(h, {}, &written));
    EXPECT_EQ(written, 0u);
    EXPECT_TRUE(Spool().Write(h, Bytes("ab"), &written));
    // A job still running is not yet recorded.
    EXPECT_EQ(Env().Jobs().size(), 1u);
    EXPECT_TRUE(Spool().EndDocument(h));

    const std::vector<sim::RawJob> jobs = Env().Jobs();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0], (sim::RawJob{.id = first,
                                    .printerName = u"Heron(ONYX)",
                                    .documentName = u"Calibrate",
                                    .outputFile = u"",
                                    .dataType = u"RAW",
                                    .pageStarted = true,
                                    .writes = {Bytes("\x02JC\r")}}));
    EXPECT_FALSE(jobs[1].pageStarted);
    EXPECT_EQ(jobs[1].writes, (std::vector<std::vector<uint8_t>>{{}, Bytes("ab")}));
    Spool().Close(h);
}

TEST_F(RawJobTest, JobCallsOutsideADocumentFail) {
    const PrinterHandle h = OpenPrinterOnPort(u"null:");
    uint32_t written = 5;
    EXPECT_FALSE(Spool().Write(h, Bytes("x"), &written));
    EXPECT_EQ(LastError(), kErrorNoStartDoc);
    EXPECT_EQ(written, 0u);
    EXPECT_FALSE(Spool().StartPage(h));
    EXPECT_EQ(LastError(), kErrorNoStartDoc);
    EXPECT_FALSE(Spool().EndPage(h));
    EXPECT_FALSE(Spool().EndDocument(h));
    EXPECT_EQ(LastError(), kErrorNoStartDoc);

    ASSERT_NE(Spool().StartDocument(
                  h, DocInfo1{.documentName = u"a", .outputFile = u"", .dataType = u"RAW"}),
              0u);
    EXPECT_EQ(Spool().StartDocument(h, DocInfo1{}), 0u);
    EXPECT_EQ(LastError(), kErrorInvalidPrinterState);
    EXPECT_TRUE(Spool().EndDocument(h));
    EXPECT_EQ(
        Spool().StartDocument(
            h, DocInfo1{.documentName = u"b", .outputFile = u"", .dataType = u"NT EMF 1.008"}),
        0u);
    EXPECT_EQ(LastError(), kErrorInvalidDatatype);
    EXPECT_EQ(Env().Jobs().size(), 1u);
    Spool().Close(h);
}

TEST_F(RawJobTest, ClosingThePrinterEndsItsDocument) {
    const PrinterHandle h = OpenPrinterOnPort(u"null:");
    ASSERT_NE(Spool().StartDocument(h, DocInfo1{}), 0u);
    EXPECT_TRUE(Spool().Close(h));
    EXPECT_EQ(Env().Jobs().size(), 1u);
}

TEST_F(RawJobTest, FilePortAppendsEveryJobToItsFile) {
    const PrinterHandle h = OpenPrinterOnPort(u"file:jobs\\heron.prn");
    std::filesystem::create_directories(Root() / "jobs");
    ASSERT_NE(SendJob(h, "first\r"), 0u);
    ASSERT_NE(SendJob(h, std::string_view("\0\x01\xff", 3)), 0u);
    EXPECT_EQ(FileText(Root() / "jobs" / "heron.prn"), std::string("first\r\0\x01\xff", 9));
    Spool().Close(h);
}

TEST_F(RawJobTest, FilePortThatCannotBeOpenedRefusesTheDocument) {
    const PrinterHandle h = OpenPrinterOnPort(u"file:missing/folder/heron.prn");
    EXPECT_EQ(SendJob(h, "x"), 0u);
    EXPECT_EQ(LastError(), kErrorPathNotFound);
    EXPECT_TRUE(Env().Jobs().empty());
    Spool().Close(h);
}

TEST_F(RawJobTest, OutputFileTakesTheJobInsteadOfThePort) {
    const PrinterHandle h = OpenPrinterOnPort(u"file:port.prn");
    const std::u16string output = U16((Root() / "out.prn").string());
    ASSERT_NE(Spool().StartDocument(
                  h, DocInfo1{.documentName = u"d", .outputFile = output, .dataType = u"RAW"}),
              0u);
    uint32_t written = 0;
    EXPECT_TRUE(Spool().Write(h, Bytes("^XA^XZ"), &written));
    EXPECT_TRUE(Spool().EndDocument(h));
    EXPECT_EQ(FileText(Root() / "out.prn"), "^XA^XZ");
    EXPECT_FALSE(std::filesystem::exists(Root() / "port.prn"));
    EXPECT_EQ(Env().Jobs().at(0).outputFile, output);
    Spool().Close(h);
}

TEST_F(RawJobTest, TcpPortDeliversEachJobOverItsOwnConnectionByteForByte) {
    LoopbackListener listener;
    const PrinterHandle h =
        OpenPrinterOnPort(u"tcp:127.0.0.1:" + U16(std::to_string(listener.Port())));
    std::string payload;
    for (int i = 0; i < 70000; ++i) {
        payload += char(i * 7);
    }
    std::string received;
    std::thread reader([&] { received = listener.ReceiveOne(); });
    ASSERT_NE(SendJob(h, payload), 0u);
    reader.join();
    EXPECT_EQ(received, payload);

    std::thread second([&] { received = listener.ReceiveOne(); });
    ASSERT_NE(SendJob(h, "~JC\n"), 0u);
    second.join();
    EXPECT_EQ(received, "~JC\n");
    Spool().Close(h);
}

TEST_F(RawJobTest, RefusedConnectionFailsTheDocument) {
    uint16_t closedPort = 0;
    {
        LoopbackListener gone;
        closedPort = gone.Port();
    }
    const std::u16string port = u"tcp:127.0.0.1:" + U16(std::to_string(closedPort));
    const PrinterHandle h = OpenPrinterOnPort(port);
    EXPECT_EQ(Spool().StartDocument(
                  h, DocInfo1{.documentName = u"Calibrate", .outputFile = {}, .dataType = {}}),
              0u);
    EXPECT_EQ(LastError(), kErrorConnectionRefused);
    EXPECT_TRUE(Env().Jobs().empty());
    // The spooler keeps what the caller may not tell.
    const std::vector<sim::JobFailure> failed = Env().FailedJobs();
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].documentName, u"Calibrate");
    EXPECT_EQ(failed[0].target, port);
    EXPECT_EQ(failed[0].error, kErrorConnectionRefused);
    Spool().Close(h);
}

TEST_F(RawJobTest, MalformedPortNamesRefuseTheDocument) {
    for (const char16_t* port : {u"LPT1:", u"file:", u"tcp:127.0.0.1", u"tcp:127.0.0.1:0",
                                 u"tcp:127.0.0.1:65536", u"tcp::9100", u"tcp:host:91x0"}) {
        const PrinterHandle h = OpenPrinterOnPort(port);
        EXPECT_EQ(Spool().StartDocument(h, DocInfo1{}), 0u) << text::Utf16ToUtf8(port);
        EXPECT_EQ(LastError(), kErrorInvalidParameter) << text::Utf16ToUtf8(port);
        Spool().Close(h);
    }
}

}  // namespace
}  // namespace orca::platform
