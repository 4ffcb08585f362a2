// SPDX-License-Identifier: Apache-2.0
// The device-capabilities hook: the user-defined paper added after the host's
// own entries, the paper extents of each model, and the stored record's
// collate flag.
#include <algorithm>
#include <array>

#include "plugin_fixture.h"
#include "settings/byte_access.h"
#include "settings/field_map.h"

namespace orca::plugin {
namespace {

using driverhost::HostDevMode;
using driverhost::HostPrinter;

constexpr uint8_t kUnwritten = 0xEE;

class DeviceCapabilitiesTest : public PluginTest {
protected:
    // Calls the hook with the sheet's records of printer and an output of
    // 16 entries of up to 128 bytes, all unwritten.
    HRESULT Capability(HANDLE printer, HostDevMode& records, WORD capability, DWORD oldResult,
                       bool withOutput, DWORD* result) {
        output_.fill(kUnwritten);
        return Object()->DeviceCapabilities(HostUIObject(), printer, nullptr, capability,
                                            withOutput ? output_.data() : nullptr, records.Public(),
                                            records.Private(), oldResult, result);
    }
    static OEMUIOBJ* HostUIObject() { return driverhost::HostUIObject(); }

    // Bytes of the output outside [from, to) are unwritten.
    bool UnwrittenOutside(size_t from, size_t to) const {
        return std::all_of(output_.begin(), output_.begin() + from,
                           [](uint8_t b) { return b == kUnwritten; }) &&
               std::all_of(output_.begin() + to, output_.end(),
                           [](uint8_t b) { return b == kUnwritten; });
    }

    std::array<uint8_t, 16 * 128> output_{};
};

TEST_F(DeviceCapabilitiesTest, UserDefinedPaperFollowsTheHostsEntries) {
    HostPrinter printer(kOrcaPrinter);
    HostDevMode records(kOrcaBlockSize, kOrcaPrinter);
    Defaults(printer.Handle(), records);
    // The document's own custom size: 62.5 mm wide, 40.0 mm long.
    settings::StoreI16(records.Private() + OptionOffset(settings::kLayoutOrca, 3014), 625);
    settings::StoreI16(records.Private() + OptionOffset(settings::kLayoutOrca, 3013), 400);

    DWORD result = 0;
    ASSERT_EQ(Capability(printer.Handle(), records, DC_PAPERS, 3, true, &result), S_OK);
    EXPECT_EQ(result, 4u);
    EXPECT_EQ(settings::LoadU16(output_.data() + 3 * 2), 256);
    EXPECT_TRUE(UnwrittenOutside(6, 8));

    ASSERT_EQ(Capability(printer.Handle(), records, DC_PAPERSIZE, 2, true, &result), S_OK);
    EXPECT_EQ(result, 3u);
    EXPECT_EQ(settings::LoadU32(output_.data() + 2 * 8), 625u);
    EXPECT_EQ(settings::LoadU32(output_.data() + 2 * 8 + 4), 400u);
    EXPECT_TRUE(UnwrittenOutside(16, 24));

    ASSERT_EQ(Capability(printer.Handle(), records, DC_PAPERNAMES, 5, true, &result), S_OK);
    EXPECT_EQ(result, 6u);
    std::u16string name;
    for (size_t i = 0; i < 64; ++i)
        name.push_back(settings::LoadU16(output_.data() + 5 * 128 + 2 * i));
    EXPECT_EQ(name, std::u16string(u"User defined") + std::u16string(52, u'\0'));
    EXPECT_TRUE(UnwrittenOutside(5 * 128, 6 * 128));

    // Counting only.
    for (WORD capability : {DC_PAPERS, DC_PAPERSIZE, DC_PAPERNAMES}) {
        ASSERT_EQ(Capability(printer.Handle(), records, capability, 7, false, &result), S_OK);
        EXPECT_EQ(result, 8u);
    }
}

TEST_F(DeviceCapabilitiesTest, AFailedHostQueryIsPassedOnAndNothingIsWritten) {
    HostPrinter printer(kOrcaPrinter);
    HostDevMode records(kOrcaBlockSize, kOrcaPrinter);
    Defaults(printer.Handle(), records);
    for (WORD capability : {DC_PAPERS, DC_PAPERSIZE, DC_PAPERNAMES, DC_MEDIATYPES}) {
        for (bool withOutput : {true, false}) {
            SCOPED_TRACE(testing::Message() << capability << (withOutput ? " listed" : " counted"));
            DWORD result = 0;
            ASSERT_EQ(
                Capability(printer.Handle(), records, capability, kGdiError, withOutput, &result),
                S_OK);
            EXPECT_EQ(result, kGdiError);
            EXPECT_TRUE(UnwrittenOutside(0, 0));
        }
    }
}

TEST_F(DeviceCapabilitiesTest, MediaTypesGainNothingAndOtherCapabilitiesAreNotHandled) {
    HostPrinter printer(kOrcaPrinter);
    HostDevMode records(kOrcaBlockSize, kOrcaPrinter);
    Defaults(printer.Handle(), records);
    DWORD result = 99;
    // The host's list of 32-bit media-type numbers keeps its own entries.
    ASSERT_EQ(Capability(printer.Handle(), records, DC_MEDIATYPES, 2, true, &result), S_OK);
    EXPECT_EQ(result, 2u);
    EXPECT_TRUE(UnwrittenOutside(0, 0));

    result = 99;
    EXPECT_EQ(Capability(printer.Handle(), records, 6 /* bins */, 2, true, &result), E_NOTIMPL);
    EXPECT_EQ(result, 99u);
    EXPECT_TRUE(UnwrittenOutside(0, 0));
}

TEST_F(DeviceCapabilitiesTest, ExtentsAreThoseOfTheModel) {
    struct Case {
        const char16_t* driver;
        uint16_t widest, longest, narrowest, shortest;
    };
    const Case cases[] = {
        {u"Kestrel(ORCA)", 1038, 10100, 190, 63}, {u"Kestrel(ONYX)", 1040, 9500, 250, 100},
        {u"Heron(ONYX)", 1040, 8320, 160, 100},   {u"Crane", 1080, 10100, 190, 63},
        {u"Generic Laser Driver", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.driver)));
        AddPrinter(u"Model Printer", c.driver);
        HostPrinter printer(u"Model Printer");
        driverhost::PluginObject object(Library().CreateObject());
        HostDevMode records(0, u"Model Printer");
        DWORD result = 0;
        ASSERT_EQ(object->DeviceCapabilities(nullptr, printer.Handle(), nullptr, DC_MAXEXTENT,
                                             nullptr, records.Public(), nullptr, 0, &result),
                  S_OK);
        EXPECT_EQ(result, DWORD{c.widest} | DWORD{c.longest} << 16);
        ASSERT_EQ(object->DeviceCapabilities(nullptr, printer.Handle(), nullptr, DC_MINEXTENT,
                                             nullptr, records.Public(), nullptr, 0, &result),
                  S_OK);
        EXPECT_EQ(result, DWORD{c.narrowest} | DWORD{c.shortest} << 16);
    }
}

TEST_F(DeviceCapabilitiesTest, CollateFlagIsClearedInTheStoredRecord) {
    const uint32_t at = PublicOffset(kFieldsId);
    auto storedFields = [&] {
        return settings::LoadU32(StoredPrinter(kOrcaPrinter).settings.data() + at);
    };
    platform::sim::Printer stored = StoredPrinter(kOrcaPrinter);
    const uint32_t fieldsBefore = settings::LoadU32(stored.settings.data() + at);
    settings::StoreU32(stored.settings.data() + at, fieldsBefore | DM_COLLATE);
    Env().AddPrinter(stored);

    HostPrinter printer(kOrcaPrinter);
    HostDevMode records(kOrcaBlockSize, kOrcaPrinter);
    DWORD result = 0;
    // A caller's record without the flag leaves the stored one alone.
    Capability(printer.Handle(), records, DC_PAPERS, 0, false, &result);
    EXPECT_NE(storedFields() & DM_COLLATE, 0u);

    records.Public()->dmFields |= DM_COLLATE;
    Capability(printer.Handle(), records, DC_PAPERS, 0, false, &result);
    EXPECT_EQ(storedFields() & DM_COLLATE, 0u);
    EXPECT_EQ(storedFields(), fieldsBefore & ~DM_COLLATE);
    EXPECT_NE(records.Public()->dmFields & DM_COLLATE, 0u);
}

TEST_F(DeviceCapabilitiesTest, TheSheetKeepsItsRecordsAfterTheHook) {
    HostPrinter printer(kOrcaPrinter);
    HostDevMode sheet(kOrcaBlockSize, kOrcaPrinter);
    Defaults(printer.Handle(), sheet);
    driverhost::HostOptionItems items;
    OEMCUIPPARAM ui =
        driverhost::CommonUIParams(printer.Handle(), sheet, items.Items(), items.Count());
    ASSERT_EQ(Object()->CommonUIProp(OEMCUIP_DOCPROP, &ui), S_OK);

    DWORD result = 0;
    {
        HostDevMode caller(kOrcaBlockSize, kOrcaPrinter);
        Defaults(printer.Handle(), caller);
        ASSERT_EQ(Capability(printer.Handle(), caller, DC_PAPERSIZE, 0, true, &result), S_OK);
    }
    uint8_t speed = 5;
    ASSERT_EQ(Context().AccessValue(kSpeedId, &speed, 0, false), 0);
    EXPECT_EQ(sheet.Private()[OptionOffset(settings::kLayoutOrca, kSpeedId)], 5);
}

}  // namespace
}  // namespace orca::plugin
