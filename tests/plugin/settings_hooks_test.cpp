// SPDX-License-Identifier: Apache-2.0
// The hooks a host calls to learn the plug-in, size, default, convert and
// merge its block and attach the sheet's records, and the hooks without
// behaviour. All through the object's table.
#include <algorithm>
#include <cstring>
#include <functional>

#include "plugin_fixture.h"
#include "settings/byte_access.h"
#include "settings/field_map.h"

namespace orca::plugin {
namespace {

using driverhost::HostDevMode;
using driverhost::HostOptionItems;
using driverhost::HostPrinter;

constexpr settings::FieldId kSpeed = kSpeedId;
constexpr settings::FieldId kDarkness = 2002;

uint8_t BlockByte(HostDevMode& records, const settings::BlockLayout& layout, settings::FieldId id) {
    return records.Private()[OptionOffset(layout, id)];
}

void SetBlockByte(HostDevMode& records, const settings::BlockLayout& layout, settings::FieldId id,
                  uint8_t value) {
    records.Private()[OptionOffset(layout, id)] = value;
}

uint32_t BlockU32(HostDevMode& records, uint32_t offset) {
    return settings::LoadU32(records.Private() + offset);
}

using SettingsHooksTest = PluginTest;

TEST_F(SettingsHooksTest, GetInfoAnswersSignatureAndVersionAndRefusesTheRest) {
    struct Case {
        const char* name;
        DWORD mode;
        DWORD size;
        bool withBuffer;
        bool withNeeded;
        HRESULT answer;
        uint32_t lastError;
        DWORD needed;
        const char* bytes;  // the buffer's first four bytes afterwards
    };
    const Case cases[] = {
        {"signature", OEMGI_GETSIGNATURE, 4, true, true, S_OK, 0, 4, "ZORV"},
        {"version", OEMGI_GETVERSION, 8, true, true, S_OK, 0, 4, "\x01\0\0\0"},
        {"short buffer", OEMGI_GETSIGNATURE, 2, true, true, E_FAIL, 122, 4, "----"},
        {"no buffer", OEMGI_GETVERSION, 4, false, true, E_FAIL, 122, 4, "----"},
        {"publisher", OEMGI_GETPUBLISHERINFO, 4, true, true, E_FAIL, 50, 0, "----"},
        {"interface version", OEMGI_GETINTERFACEVERSION, 4, true, true, E_FAIL, 87, 99, "----"},
        {"unknown mode", 7, 4, true, true, E_FAIL, 87, 99, "----"},
        {"no size output", OEMGI_GETSIGNATURE, 4, true, false, E_FAIL, 87, 99, "----"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        char buffer[8] = {'-', '-', '-', '-', '-', '-', '-', '-'};
        DWORD needed = 99;
        ClearLastError();
        EXPECT_EQ(Object()->GetInfo(c.mode, c.withBuffer ? buffer : nullptr, c.size,
                                    c.withNeeded ? &needed : nullptr),
                  c.answer);
        EXPECT_EQ(LastError(), c.lastError);
        EXPECT_EQ(needed, c.needed);
        EXPECT_EQ(std::memcmp(buffer, c.bytes, 4), 0);
    }
}

TEST_F(SettingsHooksTest, SlotsSitWhereTheHostLooksForThem) {
    // A host written against the platform's headers calls by slot number.
    void** table = *reinterpret_cast<void***>(Object());
    using GetInfoSlot = HRESULT (*)(IPrintOemUI2*, DWORD, void*, DWORD, DWORD*);
    using QueryColorProfileSlot = HRESULT (*)(IPrintOemUI2*, HANDLE, OEMUIOBJ*, DEVMODEW*, void*,
                                              ULONG, void*, ULONG*, FLONG*);
    uint8_t signature[4] = {};
    DWORD needed = 0;
    EXPECT_EQ(reinterpret_cast<GetInfoSlot>(table[3])(Object(), OEMGI_GETSIGNATURE, signature, 4,
                                                      &needed),
              S_OK);
    EXPECT_EQ(std::memcmp(signature, "ZORV", 4), 0);

    char16_t profile[16] = {};
    ULONG size = sizeof(profile);
    FLONG flags = 0;
    EXPECT_EQ(reinterpret_cast<QueryColorProfileSlot>(table[14])(
                  Object(), nullptr, nullptr, nullptr, nullptr, QCP_DEVICEPROFILE, profile, &size,
                  &flags),
              S_OK);
    EXPECT_EQ(std::u16string_view(profile), u"OEMPROFILE.icm");
}

TEST_F(SettingsHooksTest, SizeIsThatOfThePrintersLanguage) {
    struct Case {
        const char16_t* printer;
        DWORD size;
    };
    for (const Case& c : {Case{kOrcaPrinter, kOrcaBlockSize}, Case{kOnyxPrinter, kOnyxBlockSize},
                          Case{kUnknownPrinter, 0}}) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.printer)));
        HostPrinter printer(c.printer);
        driverhost::PluginObject object(Library().CreateObject());
        EXPECT_EQ(PrivateSize(object.get(), printer.Handle()), c.size);
        // The first printer binds the object for good.
        HostPrinter other(kOrcaPrinter);
        EXPECT_EQ(PrivateSize(object.get(), other.Handle()), c.size);
    }
}

TEST_F(SettingsHooksTest, WithoutAPrinterEntryTheObjectIsAnUnsupportedPrinter) {
    EXPECT_EQ(PrivateSize(Object(), nullptr), 0u);
    HostDevMode records(kOrcaBlockSize, u"", 0xAB);
    Defaults(nullptr, records);
    EXPECT_TRUE(std::ranges::all_of(records.PrivateBytes(), [](uint8_t b) { return b == 0xAB; }));
    // The next printer hook binds it.
    HostPrinter printer(kOrcaPrinter);
    EXPECT_EQ(PrivateSize(Object(), printer.Handle()), kOrcaBlockSize);
}

TEST_F(SettingsHooksTest, DefaultsWriteTheLanguageAndModelDefaults) {
    struct Case {
        const char16_t* driver;
        uint32_t size;
        const settings::BlockLayout& layout;
        uint8_t speed;
        uint8_t darkness;
    };
    const Case cases[] = {
        {u"Kestrel(ORCA)", kOrcaBlockSize, settings::kLayoutOrca, 2, 15},
        {u"Heron(ORCA)", kOrcaBlockSize, settings::kLayoutOrca, 3, 16},
        {u"Heron(ONYX)", kOnyxBlockSize, settings::kLayoutOnyx, 255, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.driver)));
        AddPrinter(u"Model Printer", c.driver);
        HostPrinter printer(u"Model Printer");
        driverhost::PluginObject object(Library().CreateObject());
        HostDevMode records(c.size, u"Model Printer", 0xAB);
        OEMDMPARAM params = driverhost::DevModeParams(printer.Handle(), nullptr, &records);
        params.pPublicDMIn = records.Public();
        ASSERT_EQ(object->DevMode(OEMDM_DEFAULT, &params), S_OK);
        EXPECT_EQ(BlockU32(records, settings::kOffsetSize), c.size);
        EXPECT_EQ(BlockU32(records, settings::kOffsetSignature), settings::kSignature);
        EXPECT_EQ(BlockByte(records, c.layout, kSpeed), c.speed);
        EXPECT_EQ(BlockByte(records, c.layout, kDarkness), c.darkness);
    }
}

TEST_F(SettingsHooksTest, DefaultsLeaveTheHostsBlockAloneWhenThereIsNothingToWrite) {
    HostPrinter orca(kOrcaPrinter);
    HostDevMode sheet(kOrcaBlockSize, kOrcaPrinter);
    Defaults(orca.Handle(), sheet);
    SetBlockByte(sheet, settings::kLayoutOrca, kSpeed, 9);
    HostOptionItems items;
    OEMCUIPPARAM ui =
        driverhost::CommonUIParams(orca.Handle(), sheet, items.Items(), items.Count());
    ASSERT_EQ(Object()->CommonUIProp(OEMCUIP_DOCPROP, &ui), S_OK);

    // No output block: the sheet's block is not the host's defaults block.
    OEMDMPARAM params = driverhost::DevModeParams(orca.Handle(), nullptr, nullptr);
    params.pPublicDMIn = sheet.Public();
    EXPECT_EQ(Object()->DevMode(OEMDM_DEFAULT, &params), S_OK);
    EXPECT_EQ(BlockByte(sheet, settings::kLayoutOrca, kSpeed), 9);

    // An output buffer smaller than the block is refused, not overrun.
    HostDevMode small(kOrcaBlockSize, kOrcaPrinter, 0xAB);
    params = driverhost::DevModeParams(orca.Handle(), nullptr, &small);
    params.cbBufSize = kOrcaBlockSize - 1;
    ClearLastError();
    EXPECT_EQ(Object()->DevMode(OEMDM_DEFAULT, &params), E_FAIL);
    EXPECT_EQ(LastError(), 122u);
    EXPECT_TRUE(std::ranges::all_of(small.PrivateBytes(), [](uint8_t b) { return b == 0xAB; }));

    // An unsupported printer's object writes nothing either.
    HostPrinter unknown(kUnknownPrinter);
    driverhost::PluginObject other(Library().CreateObject());
    HostDevMode untouched(kOrcaBlockSize, kUnknownPrinter, 0xAB);
    params = driverhost::DevModeParams(unknown.Handle(), nullptr, &untouched);
    EXPECT_EQ(other->DevMode(OEMDM_DEFAULT, &params), S_OK);
    EXPECT_TRUE(std::ranges::all_of(untouched.PrivateBytes(), [](uint8_t b) { return b == 0xAB; }));

    // The sheet's block is still the one the pages edit.
    uint8_t speed = 0;
    EXPECT_EQ(Context().AccessValue(kSpeed, &speed, 0, true), 0);
    EXPECT_EQ(speed, 9);
}

TEST_F(SettingsHooksTest, MergeCarriesABlockIntoTheCurrentLayout) {
    HostPrinter printer(kOrcaPrinter);
    HostDevMode current(kOrcaBlockSize, kOrcaPrinter);
    Defaults(printer.Handle(), current);

    // An older block: header, custom commands and a 4-byte option area.
    HostDevMode older(kOrcaBlockSize, u"Older");
    std::memcpy(older.Private(), current.Private(), settings::kOptionAreaStart + 4);
    settings::StoreU32(older.Private(), settings::kOptionAreaStart + 4);
    settings::StoreU16(older.Private() + settings::kOptionAreaStart, 4);
    SetBlockByte(older, settings::kLayoutOrca, kSpeed, 7);
    SetBlockByte(older, settings::kLayoutOrca, kDarkness, 22);  // beyond its option area

    HostDevMode merged(kOrcaBlockSize, u"Merged", 0xAB);
    OEMDMPARAM params = driverhost::DevModeParams(printer.Handle(), &older, &merged);
    ASSERT_EQ(Object()->DevMode(OEMDM_MERGE, &params), S_OK);
    EXPECT_EQ(BlockU32(merged, settings::kOffsetSize), kOrcaBlockSize);
    EXPECT_EQ(BlockByte(merged, settings::kLayoutOrca, kSpeed), 7);
    EXPECT_EQ(BlockByte(merged, settings::kLayoutOrca, kDarkness), 15);
    EXPECT_EQ(std::u16string_view(merged.Public()->dmDeviceName), u"Older");

    // A block of another signature becomes a default block; the public
    // output stays as the host passed it.
    settings::StoreU32(older.Private() + settings::kOffsetSignature, 0x31323334);
    HostDevMode foreign(kOrcaBlockSize, u"Foreign", 0xAB);
    params = driverhost::DevModeParams(printer.Handle(), &older, &foreign);
    ASSERT_EQ(Object()->DevMode(OEMDM_CONVERT, &params), S_OK);
    EXPECT_EQ(BlockU32(foreign, settings::kOffsetSignature), settings::kSignature);
    EXPECT_EQ(BlockByte(foreign, settings::kLayoutOrca, kSpeed), 1);
    EXPECT_EQ(std::u16string_view(foreign.Public()->dmDeviceName), u"Foreign");

    // A record missing: nothing is done.
    HostDevMode missing(kOrcaBlockSize, u"Missing", 0xAB);
    params = driverhost::DevModeParams(printer.Handle(), &current, &missing);
    params.pPublicDMIn = nullptr;
    EXPECT_EQ(Object()->DevMode(OEMDM_MERGE, &params), S_OK);
    EXPECT_TRUE(std::ranges::all_of(missing.PrivateBytes(), [](uint8_t b) { return b == 0xAB; }));
}

TEST_F(SettingsHooksTest, BadModesAreRefusedWithInvalidParameter) {
    HostPrinter printer(kOrcaPrinter);
    HostDevMode records(kOrcaBlockSize, kOrcaPrinter);
    OEMDMPARAM dm = driverhost::DevModeParams(printer.Handle(), nullptr, &records);
    HostOptionItems items;
    OEMCUIPPARAM ui =
        driverhost::CommonUIParams(printer.Handle(), records, items.Items(), items.Count());
    const std::pair<const char*, std::function<HRESULT()>> calls[] = {
        {"DevMode 0", [&] { return Object()->DevMode(0, &dm); }},
        {"DevMode 5", [&] { return Object()->DevMode(5, &dm); }},
        {"DevMode without parameters", [&] { return Object()->DevMode(OEMDM_SIZE, nullptr); }},
        {"CommonUIProp 3", [&] { return Object()->CommonUIProp(3, &ui); }},
        {"CommonUIProp without parameters",
         [&] { return Object()->CommonUIProp(OEMCUIP_DOCPROP, nullptr); }},
    };
    for (const auto& [name, call] : calls) {
        SCOPED_TRACE(name);
        ClearLastError();
        EXPECT_EQ(call(), E_FAIL);
        EXPECT_EQ(LastError(), 87u);
    }
}

TEST_F(SettingsHooksTest, CommonUIPropAttachesTheRecordsThePagesEdit) {
    HostPrinter printer(kOnyxPrinter);
    HostDevMode records(kOnyxBlockSize, kOnyxPrinter);
    Defaults(printer.Handle(), records);
    HostOptionItems items;
    OEMCUIPPARAM ui =
        driverhost::CommonUIParams(printer.Handle(), records, items.Items(), items.Count());
    for (DWORD mode : {OEMCUIP_PRNPROP, OEMCUIP_DOCPROP})
        EXPECT_EQ(Object()->CommonUIProp(mode, &ui), S_OK);

    uint8_t speed = 6;
    EXPECT_EQ(Context().AccessValue(kSpeed, &speed, 0, false), 0);
    EXPECT_EQ(BlockByte(records, settings::kLayoutOnyx, kSpeed), 6);
    int16_t copies = 3;
    EXPECT_EQ(Context().AccessValue(3005, &copies, 0, false), 0);
    EXPECT_EQ(records.Public()->dmCopies, 3);
}

TEST_F(SettingsHooksTest, ColourProfileIsNamedForTheDeviceProfileOnly) {
    struct Case {
        const char* name;
        ULONG queryMode;
        ULONG size;
        bool withBuffer;
        HRESULT answer;
        uint32_t lastError;
        const char16_t* profile;
    };
    const Case cases[] = {
        {"64 bytes", QCP_DEVICEPROFILE, 64, true, S_OK, 0, u"OEMPROFILE.icm"},
        {"32 bytes", QCP_DEVICEPROFILE, 32, true, S_OK, 0, u"OEMPROFILE.icm"},
        {"31 bytes", QCP_DEVICEPROFILE, 31, true, E_FAIL, 122, u""},
        {"no buffer", QCP_DEVICEPROFILE, 64, false, E_FAIL, 122, u""},
        {"source profile", 1, 64, true, E_FAIL, 0, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        char16_t profile[32] = {};
        ULONG size = c.size;
        FLONG flags = 0;
        ClearLastError();
        EXPECT_EQ(Object()->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, c.queryMode,
                                              c.withBuffer ? profile : nullptr, &size, &flags),
                  c.answer);
        EXPECT_EQ(LastError(), c.lastError);
        EXPECT_EQ(std::u16string_view(profile), c.profile);
        EXPECT_EQ(size, c.queryMode == QCP_DEVICEPROFILE ? 32u : c.size);
        EXPECT_EQ(flags, c.answer == S_OK ? QCP_PROFILEDISK : 0u);
    }
}

TEST_F(SettingsHooksTest, DriverInterfaceIsKeptFromTheFirstPublication) {
    // The host's interfaces outlive the object that holds them.
    driverhost::RecordingDriverUI refusing(false);
    driverhost::RecordingDriverUI first;
    driverhost::RecordingDriverUI second;
    driverhost::PluginObject object(Library().CreateObject());
    EXPECT_EQ(object->PublishDriverInterface(nullptr), E_FAIL);
    EXPECT_EQ(object->PublishDriverInterface(&refusing), E_FAIL);
    EXPECT_EQ(refusing.References(), 0u);
    EXPECT_EQ(object->PublishDriverInterface(&first), S_OK);
    EXPECT_EQ(object->PublishDriverInterface(&second), S_OK);
    EXPECT_EQ(first.References(), 1u);
    EXPECT_EQ(second.QueryCount(), 0);

    // Held until the object goes.
    object.Reset();
    EXPECT_EQ(first.References(), 0u);
}

TEST_F(SettingsHooksTest, HooksWithoutBehaviourAnswerNotImplemented) {
    const std::pair<const char*, std::function<HRESULT()>> hooks[] = {
        {"DevQueryPrintEx",
         [&] { return Object()->DevQueryPrintEx(nullptr, nullptr, nullptr, nullptr); }},
        {"UpgradePrinter", [&] { return Object()->UpgradePrinter(1, nullptr); }},
        {"PrinterEvent", [&] { return Object()->PrinterEvent(nullptr, 1, 0, 0); }},
        {"DriverEvent", [&] { return Object()->DriverEvent(1, 3, nullptr, 0); }},
        {"FontInstallerDlgProc", [&] { return Object()->FontInstallerDlgProc(nullptr, 0, 0, 0); }},
        {"UpdateExternalFonts",
         [&] { return Object()->UpdateExternalFonts(nullptr, nullptr, nullptr); }},
        {"QueryJobAttributes",
         [&] { return Object()->QueryJobAttributes(nullptr, nullptr, 1, nullptr); }},
        {"HideStandardUI", [&] { return Object()->HideStandardUI(1); }},
        {"DocumentEvent",
         [&] {
             INT result = 0;
             return Object()->DocumentEvent(nullptr, nullptr, 0, 0, nullptr, 0, nullptr, &result);
         }},
    };
    for (const auto& [name, hook] : hooks) {
        SCOPED_TRACE(name);
        EXPECT_EQ(hook(), E_NOTIMPL);
    }
}

}  // namespace
}  // namespace orca::plugin
