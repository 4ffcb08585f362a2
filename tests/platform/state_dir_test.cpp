// SPDX-License-Identifier: Apache-2.0
// Saving and loading the simulated environment's state directory, and the
// embedded environment of a first run.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/sim/public_record.h"
#include "platform/spooler.h"
#include "platform/system.h"
#include "support/sim_env.h"
#include "text/ini.h"
#include "text/utf.h"

namespace orca::platform {
namespace {

using sim::Environment;

void WriteText(const std::filesystem::path& file, std::string_view text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ExpectSameEnvironment(const Environment& a, const Environment& b) {
    EXPECT_EQ(a.Facts(), b.Facts());
    EXPECT_EQ(a.Drivers(), b.Drivers());
    EXPECT_EQ(a.Printers(), b.Printers());
    EXPECT_EQ(a.Forms(), b.Forms());
}

// An environment using every kind of value the format holds.
void Populate(Environment& env) {
    sim::SystemFacts facts;
    facts.processorArchitecture = kArchitectureX86;
    facts.wow64 = {.functionFound = true, .callSucceeded = true, .isWow64 = true};
    facts.defaultLanguage = 0x0804;
    facts.ansiCodePage = 936;
    facts.processName = u"rundll32.exe";
    env.SetFacts(facts);
    env.AddDriver(sim::Driver{.name = u"ONYX Heron",
                              .environment = sim::kEnvironmentX86,
                              .dependentFiles = {u"ORCAUI.dll", u"a.lbpm.bak", u"labels.lbpm"}});
    env.AddDriver(sim::Driver{
        .name = u"No Files", .environment = sim::kEnvironmentX64, .dependentFiles = {}});
    std::string error;
    ASSERT_TRUE(env.WriteDriverFile(sim::kEnvironmentX86, u"labels.lbpm",
                                    "[PrinterMap]\r\nONYX Heron=Heron(ONYX)\r\n", &error))
        << error;
    std::vector<uint8_t> settings = sim::MakePublicRecord(u"Heron(ONYX)", 121, u"4 x 4 in");
    settings[70] = 3;
    settings.insert(settings.end(), {0, '\n', 0xFF});
    env.AddPrinter(sim::Printer{
        .name = u"Heron(ONYX) \u00e9",
        .driverName = u"ONYX Heron",
        .portName = u"tcp:127.0.0.1:9100",
        .settings = settings,
        .perUserSettingsSize = 50684,
        .papers = {{.number = 121, .name = u"4 x 4 in, square", .width = 1016, .length = 1016}}});
    env.AddPrinter(sim::Printer{.name = u"Bare",
                                .driverName = u"No Files",
                                .portName = u"null:",
                                .settings = {},
                                .perUserSettingsSize = 0,
                                .papers = {}});
    env.AddForm(FormInfo1{.flags = kFormUser,
                          .name = u"Custom Paper-Heron",
                          .width = 104000,
                          .height = 110000,
                          .left = 0,
                          .top = 0,
                          .right = 104000,
                          .bottom = 110000});
    env.AddForm(FormInfo1{.flags = kFormBuiltin,
                          .name = u"Letter",
                          .width = 215900,
                          .height = 279400,
                          .left = 100,
                          .top = 200,
                          .right = 215800,
                          .bottom = 279200},
                300);
}

TEST(StateDirectory, RoundTripsThroughSaveAndLoad) {
    testsupport::TempDirectory first;
    testsupport::TempDirectory second;
    Environment built(first.Path());
    Populate(built);
    std::string error;
    ASSERT_TRUE(built.Save(first.Path(), &error)) << error;

    std::unique_ptr<Environment> loaded = Environment::Load(first.Path(), &error);
    ASSERT_NE(loaded, nullptr) << error;
    ExpectSameEnvironment(built, *loaded);

    // Change it through the spooler, save elsewhere, load again.
    {
        sim::ScopedInstall install(*loaded);
        Spooler& spooler = *Current().spooler;
        PrinterHandle h = nullptr;
        ASSERT_TRUE(spooler.Open(u"Bare", &h));
        ASSERT_TRUE(spooler.AddForm1(h, FormInfo1{.flags = kFormUser,
                                                  .name = u"Custom Paper-B",
                                                  .width = 50000,
                                                  .height = 30000,
                                                  .left = 0,
                                                  .top = 0,
                                                  .right = 50000,
                                                  .bottom = 30000}));
        ASSERT_TRUE(
            spooler.SetInfo2(h, PrinterInfo2{.printerName = u"Bare",
                                             .driverName = u"",
                                             .portName = u"",
                                             .devMode = sim::MakePublicRecord(u"Bare", 9, u"A4")}));
        spooler.Close(h);
    }
    ASSERT_TRUE(loaded->Save(second.Path(), &error)) << error;
    std::unique_ptr<Environment> again = Environment::Load(second.Path(), &error);
    ASSERT_NE(again, nullptr) << error;
    ExpectSameEnvironment(*loaded, *again);
    EXPECT_EQ(again->Forms().size(), 3u);
    EXPECT_EQ(ReadText(again->DriverDirectory(sim::kEnvironmentX86) / "labels.lbpm"),
              "[PrinterMap]\r\nONYX Heron=Heron(ONYX)\r\n");
}

TEST(StateDirectory, EarlierLayoutLoadsAndItsNextSaveMovesItIntoAGeneration) {
    testsupport::TempDirectory state;
    // The state files and the driver directories in the directory itself.
    const std::unique_ptr<Environment> made = Environment::CreateDefault(state.Path());
    std::string error;
    const std::optional<sim::StateFiles> files = made->Files(&error);
    ASSERT_TRUE(files) << error;
    for (const auto& [name, bytes] : *files) {
        std::filesystem::create_directories((state.Path() / name).parent_path());
        WriteText(state.Path() / name, bytes);
    }
    const std::unique_ptr<Environment> loaded = Environment::Load(state.Path(), &error);
    ASSERT_NE(loaded, nullptr) << error;
    ExpectSameEnvironment(*made, *loaded);

    ASSERT_TRUE(loaded->Save(state.Path(), &error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(state.Path() / "current"));
    for (const char* earlier :
         {"system.ini", "drivers.ini", "printers.ini", "forms.ini", "settings", "Windows"})
        EXPECT_FALSE(std::filesystem::exists(state.Path() / earlier)) << earlier;
    const std::unique_ptr<Environment> again = Environment::Load(state.Path(), &error);
    ASSERT_NE(again, nullptr) << error;
    ExpectSameEnvironment(*made, *again);
    EXPECT_NE(ReadText(again->DriverDirectory(sim::kEnvironmentX64) / "labels.lbpm")
                  .find("ORCA Kestrel=Kestrel(ORCA)"),
              std::string::npos);
}

TEST(StateDirectory, EmbeddedDefaultServesAnOrcaAndAnOnyxPrinterThroughTheirModelMap) {
    testsupport::TempDirectory state;
    std::string error;
    std::unique_ptr<Environment> env = Environment::LoadOrCreate(state.Path(), &error);
    ASSERT_NE(env, nullptr) << error;
    ASSERT_EQ(env->Printers().size(), 2u);
    // The state was written: loading it again gives the same environment.
    std::unique_ptr<Environment> reloaded = Environment::LoadOrCreate(state.Path(), &error);
    ASSERT_NE(reloaded, nullptr) << error;
    ExpectSameEnvironment(*env, *reloaded);

    sim::ScopedInstall install(*env);
    const Ports& ports = Current();
    std::u16string windows;
    ASSERT_GT(ports.system->WindowsDirectory(&windows, 260), 0u);
    for (const sim::Printer& printer : env->Printers()) {
        RegistryKey key = nullptr;
        ASSERT_EQ(ports.registry->OpenLocalMachineKey(
                      u"SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows x64\\"
                      u"Drivers\\Version-3\\" +
                          printer.driverName,
                      &key),
                  0);
        uint32_t type = 0;
        uint32_t size = 0;
        std::vector<uint8_t> data;
        ASSERT_EQ(ports.registry->QueryValue(key, u"Dependent Files", 1024, &type, &data, &size),
                  0);
        ports.registry->CloseKey(key);
        const std::u16string names(reinterpret_cast<const char16_t*>(data.data()), size / 2);
        ASSERT_NE(names.find(u"labels.lbpm"), std::u16string::npos);

        const std::filesystem::path map =
            ports.files->NativePath(windows + u"\\system32\\spool\\drivers\\x64\\3\\labels.lbpm");
        EXPECT_EQ(text::ini::ReadString(map, u"PrinterMap", printer.driverName, u"", 64, 1252),
                  printer.name);
    }

    // Jobs land in files of the state directory.
    PrinterHandle h = nullptr;
    ASSERT_TRUE(ports.spooler->Open(u"Heron(ONYX)", &h));
    ASSERT_NE(ports.spooler->StartDocument(h, DocInfo1{}), 0u);
    uint32_t written = 0;
    const uint8_t reset[] = {0x01, '#', 0x0D};
    EXPECT_TRUE(ports.spooler->Write(h, reset, &written));
    EXPECT_TRUE(ports.spooler->EndDocument(h));
    ports.spooler->Close(h);
    EXPECT_EQ(ReadText(state.Path() / "jobs" / "onyx.prn"), "\x01#\r");
}

TEST(StateDirectory, MalformedStateNamesTheFileAndLine) {
    struct Case {
        const char* file;
        const char* content;
        const char* expected;  // "file:line" and part of the message
    };
    const Case cases[] = {
        {"system.ini", "[System]\nAnsiCodePage=abc\n", "system.ini:2: AnsiCodePage must be"},
        {"system.ini", "[System]\nWow64=2\n", "system.ini:2: Wow64 must be"},
        {"system.ini", "[Sytem]\n", "system.ini:1: unknown section [Sytem]"},
        // Malformed UTF-8 is refused, not read as U+FFFD: a truncated
        // sequence, a lone continuation byte, an encoded surrogate.
        {"system.ini", "[System]\nProcessName=a\xC3.exe\n", "system.ini:2: not UTF-8 text"},
        {"printers.ini", "; \x80\n", "printers.ini:1: not UTF-8 text"},
        {"forms.ini", "[Form1]\nName=\xED\xA0\x80\n", "forms.ini:2: not UTF-8 text"},
        {"forms.ini", "[Form1]\nName=A\nname=B\n",
         "forms.ini:3: key name repeats the one of line 2"},
        {"forms.ini", "[F]\n[Form1]\n[f]\n", "forms.ini:3: section [f] repeats the one of line 1"},
        // The first form takes the first free number, 257, which the second names.
        {"forms.ini",
         "[A]\nName=A\nSize=10,10\nImageableArea=0,0,10,10\n"
         "[B]\nName=B\nNumber=257\nSize=10,10\nImageableArea=0,0,10,10\n",
         "forms.ini:7: a second form with that paper number"},
        {"system.ini", "; comment\nkey=value\n", "system.ini:2: a key before the first section"},
        {"drivers.ini", "[Driver1]\nName=D\nEnvironment=Windows 98\n",
         "drivers.ini:3: Environment must be"},
        {"drivers.ini", "[Driver1]\nEnvironment=Windows x64\n",
         "drivers.ini:1: section [Driver1] needs a value for Name"},
        // A driver's file list never holds an empty name: it could not be saved back.
        {"drivers.ini", "[Driver1]\nName=D\nDependentFile1=\n",
         "drivers.ini:3: section [Driver1] needs a value for DependentFile1"},
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nPort=lpt1:\n",
         "printers.ini:4: Port must be"},
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nProt=null:\n",
         "printers.ini:4: unknown key Prot"},
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nPaper1=120,1016\n",
         "printers.ini:4: Paper1 must be"},
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nSettings=settings/none.bin\n",
         "none.bin does not exist"},
        // Neither a directory nor a device that never ends is a settings record.
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nSettings=.\n", "printers.ini:4: "},
        // A settings record is a file of the state's settings folder, never one outside.
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nSettings=/dev/zero\n",
         "printers.ini:4: Settings must be the name of a file in settings/"},
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nSettings=settings/../system.ini\n",
         "printers.ini:4: Settings must be the name of a file in settings/"},
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nPaper1=256,1016,1524,Big\n",
         "printers.ini:4: Paper1 must be \"number,width,length,name\": a number from 1 to 255"},
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\n\n[Printer2]\nName=p\nDriver=D\n",
         "printers.ini:6: a second printer of that name"},
        {"printers.ini", "[Printer1]\nName=P\nName=Q\n",
         "printers.ini:3: key Name repeats the one of line 2"},
        {"printers.ini", "[Printer1\n", "printers.ini:1: a section header must be"},
        {"printers.ini", "[Printer1]\njust words\n", "printers.ini:2: expected \"key=value\""},
        // Saving could not write it back.
        {"printers.ini", "[Printer1]\nName=P\x01Q\nDriver=D\n",
         "printers.ini:2: a control character"},
        {"forms.ini", "[Form1]\nName=F\nSize=100,100\nImageableArea=0,0,101,100\n",
         "forms.ini:4: the imageable area must lie inside"},
        {"forms.ini", "[Form1]\nName=F\nSize=100;100\nImageableArea=0,0,100,100\n",
         "forms.ini:3: Size must be 2 whole numbers"},
        {"forms.ini", "[Form1]\nName=F\nSize=100,100\n",
         "forms.ini:1: section [Form1] needs ImageableArea"},
        {"forms.ini",
         "[Form1]\nName=F\nSize=9,9\nImageableArea=0,0,9,9\n[Form2]\nName=f\nSize=9,"
         "9\nImageableArea=0,0,9,9\n",
         "forms.ini:6: a second form of that name"},
        // Form names compare with every letter folded.
        {"forms.ini",
         "[Form1]\nName=Étiquette\nSize=9,9\nImageableArea=0,0,9,9\n[Form2]\nName=éTIQUETTE\n"
         "Size=9,9\nImageableArea=0,0,9,9\n",
         "forms.ini:6: a second form of that name"},
        {"drivers.ini", "[Driver1]\nName=D\n[Driver2]\nName=d\nEnvironment=Windows x64\n",
         "drivers.ini:4: a second driver of that name and environment"},
        // The printers of the first-run state have paper 120.
        {"forms.ini", "[Form1]\nName=F\nNumber=120\nSize=9,9\nImageableArea=0,0,9,9\n",
         "forms.ini:3: the paper number 120 is a paper of the printer"},
    };
    for (const Case& c : cases) {
        testsupport::TempDirectory state;
        std::string made;
        ASSERT_TRUE(Environment::CreateDefault(state.Path())->Save(state.Path(), &made)) << made;
        WriteText(state.Path() / "current" / c.file, c.content);
        std::string error;
        EXPECT_EQ(Environment::Load(state.Path(), &error), nullptr) << c.content;
        EXPECT_NE(error.find(std::string(c.file) + ":"), std::string::npos) << error;
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
    }
}

// A record with a private block of the given size whose first four bytes claim `claim`.
std::string RecordWithBlock(uint16_t blockSize, uint32_t claim) {
    std::vector<uint8_t> record = sim::MakePublicRecord(u"P", 1, u"Letter");
    record[70] = uint8_t(blockSize);
    record[71] = uint8_t(blockSize >> 8);
    record.resize(record.size() + blockSize, 0xFF);
    for (size_t i = 0; i < 4 && i < blockSize; ++i)
        record[sim::kPublicRecordSize + i] = uint8_t(claim >> (8 * i));
    return {record.begin(), record.end()};
}

TEST(StateDirectory, RefusesASettingsRecordWhoseSizesDoNotAddUp) {
    struct Case {
        std::string record;
        const char* message;
    };
    const Case cases[] = {
        {std::string(300, '\0'), "its sizes do not add up"},
        {RecordWithBlock(8, 9), "its block claims 9 bytes, the file holds 8"},
        {RecordWithBlock(8, 0x7FFFFFFF), "its block claims 2147483647 bytes"},
        {RecordWithBlock(0xFFFF, 0xFFFFFFFF), "the file holds 65535"},
    };
    testsupport::TempDirectory state;
    std::filesystem::create_directories(state.Path() / "settings");
    WriteText(state.Path() / "printers.ini",
              "[Printer1]\nName=P\nDriver=D\nSettings=settings/p.bin\n");
    std::string error;
    for (const Case& c : cases) {
        WriteText(state.Path() / "settings" / "p.bin", c.record);
        EXPECT_EQ(Environment::Load(state.Path(), &error), nullptr);
        EXPECT_NE(error.find("printers.ini:4:"), std::string::npos) << error;
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
    // A block that claims no more than the file holds loads.
    for (uint32_t claim : {8u, 2u}) {
        WriteText(state.Path() / "settings" / "p.bin", RecordWithBlock(8, claim));
        EXPECT_NE(Environment::Load(state.Path(), &error), nullptr) << error;
    }

    EXPECT_EQ(Environment::Load(state.Path() / "missing", &error), nullptr);
    EXPECT_NE(error.find("not a directory"), std::string::npos) << error;
}

TEST(StateDirectory, StateFileThatIsADirectoryIsRefusedAndSectionsIgnoreLetterCase) {
    testsupport::TempDirectory state;
    std::filesystem::create_directories(state.Path() / "printers.ini");
    std::string error;
    EXPECT_EQ(Environment::Load(state.Path(), &error), nullptr);
    EXPECT_NE(error.find("printers.ini: is not a file"), std::string::npos) << error;

    std::filesystem::remove(state.Path() / "printers.ini");
    WriteText(state.Path() / "system.ini", "[system]\nansicodepage=936\n");
    const std::unique_ptr<Environment> loaded = Environment::Load(state.Path(), &error);
    ASSERT_NE(loaded, nullptr) << error;
    EXPECT_EQ(loaded->Facts().ansiCodePage, 936u);
}

TEST(StateDirectory, ValueThatWouldNotReadBackIsRefusedBeforeAnythingIsWritten) {
    testsupport::TempDirectory state;
    const std::unique_ptr<Environment> env = Environment::CreateDefault(state.Path());
    std::string error;
    ASSERT_TRUE(env->Save(state.Path(), &error)) << error;
    const std::string printers = ReadText(state.Path() / "current" / "printers.ini");
    for (const char16_t* driver : {u"", u"two\nlines", u" padded", u"bell\a"}) {
        Environment changed(state.Path());
        for (const sim::Driver& d : env->Drivers())
            changed.AddDriver(d);
        sim::Printer printer;
        printer.name = u"New";
        printer.driverName = driver;
        changed.AddPrinter(printer);
        error.clear();
        EXPECT_FALSE(changed.Save(state.Path(), &error)) << text::Utf16ToUtf8(driver);
        EXPECT_NE(error.find("printers.ini"), std::string::npos) << error;
        EXPECT_EQ(ReadText(state.Path() / "current" / "printers.ini"), printers);
    }
}

}  // namespace
}  // namespace orca::platform
