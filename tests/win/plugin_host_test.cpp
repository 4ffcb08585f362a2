// SPDX-License-Identifier: Apache-2.0
// ORCAUI.dll driven under Windows as a driver host drives it: the exports and
// the class factory, the settings hooks over printers of the system's spooler,
// the capabilities, the colour profile and the hooks without behaviour (the
// sheets are shown in property_sheet_test.cpp).
#include <algorithm>
#include <cstring>
#include <functional>

#include "host/driver_host/host_settings.h"
#include "host_fixture.h"
#include "platform/platform.h"
#include "platform/spooler.h"
#include "settings/byte_access.h"
#include "settings/field_map.h"

namespace orca::wintest {
namespace {

using namespace orca::plugin;
using driverhost::DevModeParams;
using driverhost::HostDevMode;

constexpr settings::FieldId kSpeed = 2000;
constexpr settings::FieldId kDarkness = 2002;

uint8_t BlockByte(HostDevMode& records, const settings::BlockLayout& layout, settings::FieldId id) {
    return records.Private()[settings::FindRow(layout.fields, id)->offset];
}

bool AllBytesAre(HostDevMode& records, uint8_t value) {
    return std::ranges::all_of(records.PrivateBytes(), [&](uint8_t b) { return b == value; });
}

// The ORCA printer's defaults from object's defaults hook, with btSpeed 7.
void DefaultsWithSpeed7(IPrintOemUI2& object, HANDLE printer, HostDevMode& records) {
    OEMDMPARAM params = DevModeParams(printer, nullptr, &records);
    params.pPublicDMIn = records.Public();
    ASSERT_EQ(object.DevMode(OEMDM_DEFAULT, &params), S_OK);
    records.Private()[settings::FindRow(settings::kLayoutOrca.fields, kSpeed)->offset] = 7;
}

using ExportsTest = WindowsHostTest;

TEST_F(ExportsTest, TheDllExportsTheClassObjectAndTheUnloadQueryOnly) {
    EXPECT_EQ(Module().ExportNames(), "DllCanUnloadNow DllGetClassObject");
    EXPECT_NE(Module().Export(kDllGetClassObjectName), nullptr);
    EXPECT_NE(Module().Export(kDllCanUnloadNowName), nullptr);
}

TEST_F(ExportsTest, ClassObjectIsHandedOutForItsClassOnly) {
    EXPECT_EQ(GetClassObject(kClsidOemUI, kIidClassFactory, nullptr), E_POINTER);
    void* out = this;
    EXPECT_EQ(GetClassObject(kIidPrintOemUI2, kIidClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    out = this;
    EXPECT_EQ(GetClassObject(kClsidOemUI, kIidPrintOemUI2, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);

    ASSERT_EQ(GetClassObject(kClsidOemUI, kIidUnknown, &out), S_OK);
    auto* factory = static_cast<IClassFactory*>(out);
    // Any outer object is refused before it is used.
    auto* outer = reinterpret_cast<IUnknown*>(this);
    void* object = this;
    EXPECT_EQ(factory->CreateInstance(outer, kIidPrintOemUI2, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, kIidClassFactory, &object), E_NOINTERFACE);
    EXPECT_EQ(factory->Release(), 0u);
}

TEST_F(ExportsTest, ModuleStaysLoadedWhileAFactoryAnObjectOrALockLives) {
    EXPECT_EQ(CanUnloadNow(), S_OK);
    void* out = nullptr;
    ASSERT_EQ(GetClassObject(kClsidOemUI, kIidClassFactory, &out), S_OK);
    auto* factory = static_cast<IClassFactory*>(out);
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    void* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, kIidPrintOemUI2, &object), S_OK);
    EXPECT_EQ(factory->LockServer(1), S_OK);
    factory->Release();
    static_cast<IUnknown*>(object)->Release();
    EXPECT_EQ(CanUnloadNow(), S_FALSE);  // the lock

    ASSERT_EQ(GetClassObject(kClsidOemUI, kIidClassFactory, &out), S_OK);
    factory = static_cast<IClassFactory*>(out);
    EXPECT_EQ(factory->LockServer(0), S_OK);
    factory->Release();
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

using HooksTest = WindowsHostTest;

TEST_F(HooksTest, GetInfoAnswersSignatureAndVersionAndSetsTheThreadsLastError) {
    struct Case {
        const char* name;
        DWORD mode;
        DWORD size;
        HRESULT answer;
        uint32_t lastError;
        DWORD needed;
        const char* bytes;  // the buffer's first four bytes afterwards
    };
    const Case cases[] = {
        {"signature", OEMGI_GETSIGNATURE, 4, S_OK, 0, 4, "ZORV"},
        {"version", OEMGI_GETVERSION, 8, S_OK, 0, 4, "\x01\0\0\0"},
        {"short buffer", OEMGI_GETSIGNATURE, 2, E_FAIL, 122, 4, "----"},
        {"publisher", OEMGI_GETPUBLISHERINFO, 4, E_FAIL, 50, 0, "----"},
        {"interface version", OEMGI_GETINTERFACEVERSION, 4, E_FAIL, 87, 99, "----"},
    };
    PluginObject object = CreateObject();
    ASSERT_NE(object, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        char buffer[8] = {'-', '-', '-', '-', '-', '-', '-', '-'};
        DWORD needed = 99;
        SetLastError(0);
        EXPECT_EQ(object->GetInfo(c.mode, buffer, c.size, &needed), c.answer);
        EXPECT_EQ(LastError(), c.lastError);
        EXPECT_EQ(needed, c.needed);
        EXPECT_EQ(std::memcmp(buffer, c.bytes, 4), 0);
    }
}

TEST_F(HooksTest, SizeIsThatOfTheModelTheDriversMapNames) {
    struct Case {
        const char16_t* printer;
        DWORD size;
    };
    for (const Case& c : {Case{kOrcaPrinter, kOrcaBlockSize}, Case{kOnyxPrinter, kOnyxBlockSize},
                          Case{kUnknownPrinter, 0}}) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.printer)));
        OpenedPrinter printer(c.printer);
        ASSERT_NE(printer.Handle(), nullptr);
        PluginObject object = CreateObject();
        EXPECT_EQ(PrivateSize(*object, printer.Handle()), c.size);
    }
}

TEST_F(HooksTest, DefaultsWriteTheLanguageAndModelDefaults) {
    struct Case {
        const char16_t* printer;
        DWORD size;
        const settings::BlockLayout& layout;
        uint8_t speed;
        uint8_t darkness;
    };
    const Case cases[] = {
        {kOrcaPrinter, kOrcaBlockSize, settings::kLayoutOrca, 2, 15},
        {kOnyxPrinter, kOnyxBlockSize, settings::kLayoutOnyx, 255, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.printer)));
        OpenedPrinter printer(c.printer);
        PluginObject object = CreateObject();
        HostDevMode records(c.size, c.printer, 0xAB);
        OEMDMPARAM params = DevModeParams(printer.Handle(), nullptr, &records);
        params.pPublicDMIn = records.Public();
        ASSERT_EQ(object->DevMode(OEMDM_DEFAULT, &params), S_OK);
        EXPECT_EQ(settings::LoadU32(records.Private() + settings::kOffsetSize), c.size);
        EXPECT_EQ(settings::LoadU32(records.Private() + settings::kOffsetSignature),
                  settings::kSignature);
        EXPECT_EQ(BlockByte(records, c.layout, kSpeed), c.speed);
        EXPECT_EQ(BlockByte(records, c.layout, kDarkness), c.darkness);
    }

    // An unsupported printer's object writes nothing.
    OpenedPrinter unknown(kUnknownPrinter);
    PluginObject object = CreateObject();
    HostDevMode untouched(kOrcaBlockSize, kUnknownPrinter, 0xAB);
    OEMDMPARAM params = DevModeParams(unknown.Handle(), nullptr, &untouched);
    EXPECT_EQ(object->DevMode(OEMDM_DEFAULT, &params), S_OK);
    EXPECT_TRUE(AllBytesAre(untouched, 0xAB));
}

TEST_F(HooksTest, ConvertAndMergeCarryABlockIntoTheCurrentLayout) {
    OpenedPrinter printer(kOrcaPrinter);
    PluginObject object = CreateObject();
    HostDevMode current(kOrcaBlockSize, kOrcaPrinter);
    DefaultsWithSpeed7(*object, printer.Handle(), current);

    HostDevMode merged(kOrcaBlockSize, u"Merged", 0xAB);
    OEMDMPARAM params = DevModeParams(printer.Handle(), &current, &merged);
    ASSERT_EQ(object->DevMode(OEMDM_MERGE, &params), S_OK);
    EXPECT_EQ(BlockByte(merged, settings::kLayoutOrca, kSpeed), 7);
    EXPECT_EQ(BlockByte(merged, settings::kLayoutOrca, kDarkness), 15);

    // A block of another signature becomes a default block; the public
    // output stays as the host passed it.
    settings::StoreU32(current.Private() + settings::kOffsetSignature, 0x31323334);
    HostDevMode foreign(kOrcaBlockSize, u"Foreign", 0xAB);
    params = DevModeParams(printer.Handle(), &current, &foreign);
    ASSERT_EQ(object->DevMode(OEMDM_CONVERT, &params), S_OK);
    EXPECT_EQ(settings::LoadU32(foreign.Private() + settings::kOffsetSignature),
              settings::kSignature);
    EXPECT_EQ(BlockByte(foreign, settings::kLayoutOrca, kSpeed), 1);
    EXPECT_EQ(std::u16string_view(foreign.Public()->dmDeviceName), u"Foreign");

    // A record missing: nothing is done.
    HostDevMode missing(kOrcaBlockSize, u"Missing", 0xAB);
    params = DevModeParams(printer.Handle(), &current, &missing);
    params.pPublicDMIn = nullptr;
    EXPECT_EQ(object->DevMode(OEMDM_MERGE, &params), S_OK);
    EXPECT_TRUE(AllBytesAre(missing, 0xAB));

    // Bad modes are refused with invalid parameter.
    for (DWORD mode : {0u, 5u}) {
        SetLastError(0);
        EXPECT_EQ(object->DevMode(mode, &params), E_FAIL);
        EXPECT_EQ(LastError(), 87u);
    }
}

TEST_F(HooksTest, MergeReadsNoMoreThanTheHostHoldsOfABlockThatLiesAboutItsSize) {
    OpenedPrinter printer(kOrcaPrinter);
    PluginObject object = CreateObject();
    HostDevMode current(kOrcaBlockSize, kOrcaPrinter);
    DefaultsWithSpeed7(*object, printer.Handle(), current);

    // The output block right behind the input, as the heap may place them: a
    // block of 0xAB bytes becomes a default block; one that claims 0x7FFFFFFF
    // bytes and records of 0xFFFF bytes keeps what the host holds of it.
    for (bool foreign : {true, false}) {
        SCOPED_TRACE(foreign ? "0xAB bytes" : "lying sizes");
        driverhost::BackToBackRecords records(false, 0, kOrcaBlockSize, kOrcaBlockSize);
        std::ranges::copy(current.PrivateBytes(), records.PrivateIn());
        if (foreign) {
            std::fill_n(records.PrivateIn(), kOrcaBlockSize, 0xAB);
        } else {
            settings::StoreU32(records.PrivateIn() + settings::kOffsetSize, 0x7FFFFFFF);
            settings::StoreU16(records.PrivateIn() + settings::kOffsetBarcodeRecordSize, 0xFFFF);
        }
        HostDevMode publicOut(0, u"Merged");
        OEMDMPARAM params = records.Params(printer.Handle(), publicOut.Public());
        ASSERT_EQ(object->DevMode(OEMDM_MERGE, &params), S_OK);
        const uint8_t* out = records.PrivateOut().data();
        EXPECT_EQ(settings::LoadU32(out + settings::kOffsetSize), kOrcaBlockSize);
        EXPECT_EQ(settings::LoadU16(out + settings::kOffsetBarcodeRecordSize), 144);
        EXPECT_EQ(out[settings::FindRow(settings::kLayoutOrca.fields, kSpeed)->offset],
                  foreign ? 1 : 7);
    }
}

TEST_F(HooksTest, DeviceCapabilitiesAddTheUserDefinedPaperAndTheModelsExtents) {
    OpenedPrinter printer(kOrcaPrinter);
    PluginObject object = CreateObject();
    HostDevMode records(kOrcaBlockSize, kOrcaPrinter);
    DWORD result = 0;

    char16_t names[6][kPaperNameUnits] = {};
    ASSERT_EQ(object->DeviceCapabilities(nullptr, printer.Handle(), nullptr, DC_PAPERNAMES, names,
                                         records.Public(), nullptr, 5, &result),
              S_OK);
    EXPECT_EQ(result, 6u);
    EXPECT_EQ(std::u16string_view(names[5]), u"User defined");

    WORD papers[3] = {};
    ASSERT_EQ(object->DeviceCapabilities(nullptr, printer.Handle(), nullptr, DC_PAPERS, papers,
                                         records.Public(), nullptr, 2, &result),
              S_OK);
    EXPECT_EQ(result, 3u);
    EXPECT_EQ(papers[2], 256);

    ASSERT_EQ(object->DeviceCapabilities(nullptr, printer.Handle(), nullptr, DC_MAXEXTENT, nullptr,
                                         records.Public(), nullptr, 0, &result),
              S_OK);
    EXPECT_EQ(result, DWORD{1038} | DWORD{10100} << 16);
    ASSERT_EQ(object->DeviceCapabilities(nullptr, printer.Handle(), nullptr, DC_MINEXTENT, nullptr,
                                         records.Public(), nullptr, 0, &result),
              S_OK);
    EXPECT_EQ(result, DWORD{190} | DWORD{63} << 16);

    result = 77;
    EXPECT_EQ(object->DeviceCapabilities(nullptr, printer.Handle(), nullptr, 1, nullptr,
                                         records.Public(), nullptr, 0, &result),
              E_NOTIMPL);
    EXPECT_EQ(result, 77u);
}

// The host's own query failed: its answer is passed on and the caller's
// buffer, sized for no entries, stays untouched.
TEST_F(HooksTest, DeviceCapabilitiesPassAFailedHostQueryOn) {
    OpenedPrinter printer(kOrcaPrinter);
    PluginObject object = CreateObject();
    HostDevMode records(kOrcaBlockSize, kOrcaPrinter);
    for (WORD capability : {DC_PAPERS, DC_PAPERSIZE, DC_PAPERNAMES}) {
        for (bool withOutput : {true, false}) {
            SCOPED_TRACE(testing::Message() << capability << (withOutput ? " listed" : " counted"));
            char16_t output[kPaperNameUnits] = {u'x'};
            DWORD result = 0;
            ASSERT_EQ(object->DeviceCapabilities(nullptr, printer.Handle(), nullptr, capability,
                                                 withOutput ? output : nullptr, records.Public(),
                                                 nullptr, kGdiError, &result),
                      S_OK);
            EXPECT_EQ(result, 0xFFFFFFFFu);
            EXPECT_EQ(output[0], u'x');
        }
    }
}

TEST_F(HooksTest, CollateFlagIsClearedInTheSpoolersStoredRecord) {
    constexpr size_t kFieldsAt = 72;  // dmFields
    platform::Spooler& spooler = *platform::Current().spooler;
    OpenedPrinter printer(kOnyxPrinter);
    auto handle = static_cast<platform::PrinterHandle>(printer.Handle());
    auto storedFields = [&] {
        platform::PrinterInfo2 info;
        EXPECT_TRUE(platform::ReadPrinterInfo2(spooler, handle, &info));
        return settings::LoadU32(info.devMode.data() + kFieldsAt);
    };
    platform::PrinterInfo2 info;
    ASSERT_TRUE(platform::ReadPrinterInfo2(spooler, handle, &info));
    const uint32_t fieldsBefore = settings::LoadU32(info.devMode.data() + kFieldsAt);
    settings::StoreU32(info.devMode.data() + kFieldsAt, fieldsBefore | DM_COLLATE);
    ASSERT_TRUE(spooler.SetInfo2(handle, info));

    PluginObject object = CreateObject();
    HostDevMode records(kOnyxBlockSize, kOnyxPrinter);
    DWORD result = 0;
    ASSERT_EQ(object->DeviceCapabilities(nullptr, printer.Handle(), nullptr, DC_PAPERS, nullptr,
                                         records.Public(), nullptr, 0, &result),
              S_OK);
    EXPECT_NE(storedFields() & DM_COLLATE, 0u) << "the caller's record has no collate flag";

    records.Public()->dmFields |= DM_COLLATE;
    ASSERT_EQ(object->DeviceCapabilities(nullptr, printer.Handle(), nullptr, DC_PAPERS, nullptr,
                                         records.Public(), nullptr, 0, &result),
              S_OK);
    EXPECT_EQ(storedFields(), fieldsBefore & ~DM_COLLATE);
    EXPECT_NE(records.Public()->dmFields & DM_COLLATE, 0u);
}

TEST_F(HooksTest, ColourProfileIsNamedForTheDeviceProfileOnly) {
    PluginObject object = CreateObject();
    char16_t profile[32] = {};
    ULONG size = sizeof(profile);
    FLONG flags = 0;
    EXPECT_EQ(object->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, QCP_DEVICEPROFILE,
                                        profile, &size, &flags),
              S_OK);
    EXPECT_EQ(std::u16string_view(profile), u"OEMPROFILE.icm");
    EXPECT_EQ(size, 32u);
    EXPECT_EQ(flags, QCP_PROFILEDISK);

    size = 31;
    SetLastError(0);
    EXPECT_EQ(object->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, QCP_DEVICEPROFILE,
                                        profile, &size, &flags),
              E_FAIL);
    EXPECT_EQ(LastError(), 122u);
    EXPECT_EQ(size, 32u);
    EXPECT_EQ(
        object->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, 1, profile, &size, &flags),
        E_FAIL);
}

TEST_F(HooksTest, HooksWithoutBehaviourAnswerNotImplemented) {
    PluginObject object = CreateObject();
    const std::pair<const char*, std::function<HRESULT()>> hooks[] = {
        {"DevQueryPrintEx",
         [&] { return object->DevQueryPrintEx(nullptr, nullptr, nullptr, nullptr); }},
        {"UpgradePrinter", [&] { return object->UpgradePrinter(1, nullptr); }},
        {"PrinterEvent", [&] { return object->PrinterEvent(nullptr, 1, 0, 0); }},
        {"DriverEvent", [&] { return object->DriverEvent(1, 3, nullptr, 0); }},
        {"FontInstallerDlgProc", [&] { return object->FontInstallerDlgProc(nullptr, 0, 0, 0); }},
        {"UpdateExternalFonts",
         [&] { return object->UpdateExternalFonts(nullptr, nullptr, nullptr); }},
        {"QueryJobAttributes",
         [&] { return object->QueryJobAttributes(nullptr, nullptr, 1, nullptr); }},
        {"HideStandardUI", [&] { return object->HideStandardUI(1); }},
        {"DocumentEvent",
         [&] {
             INT result = 0;
             return object->DocumentEvent(nullptr, nullptr, 0, 0, nullptr, 0, nullptr, &result);
         }},
    };
    for (const auto& [name, hook] : hooks) {
        SCOPED_TRACE(name);
        EXPECT_EQ(hook(), E_NOTIMPL);
    }
}

}  // namespace
}  // namespace orca::wintest
