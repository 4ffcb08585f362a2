// SPDX-License-Identifier: Apache-2.0
// The exports, the class factory and the plug-in object's life, driven as a
// host drives them: by name from the loaded library and through the tables.
#include "plugin_fixture.h"

namespace orca::plugin {
namespace {

constexpr CLSID kOtherClass{0x12345678, 0x1111, 0x2222, {1, 2, 3, 4, 5, 6, 7, 8}};

// Anything but null, to see the outputs cleared.
void* const kGarbage = reinterpret_cast<void*>(uintptr_t{0xBAD});

class ObjectLifeTest : public PluginLibraryTest {
protected:
    IClassFactory* NewFactory() {
        void* out = nullptr;
        EXPECT_EQ(Library().DllGetClassObject(kClsidOemUI, kIidClassFactory, &out), S_OK);
        return static_cast<IClassFactory*>(out);
    }
};

TEST_F(ObjectLifeTest, ClassObjectIsHandedOutOnlyForItsClassAndFactoryInterfaces) {
    struct Case {
        const char* name;
        CLSID clsid;
        IID iid;
        HRESULT answer;
    };
    const Case cases[] = {
        {"factory", kClsidOemUI, kIidClassFactory, S_OK},
        {"unknown", kClsidOemUI, kIidUnknown, S_OK},
        {"plug-in interface", kClsidOemUI, kIidPrintOemUI2, E_NOINTERFACE},
        {"other class", kOtherClass, kIidClassFactory, CLASS_E_CLASSNOTAVAILABLE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        void* out = kGarbage;
        EXPECT_EQ(Library().DllGetClassObject(c.clsid, c.iid, &out), c.answer);
        if (c.answer == S_OK) {
            ASSERT_NE(out, nullptr);
            EXPECT_EQ(Library().DllCanUnloadNow(), S_FALSE);
            EXPECT_EQ(static_cast<IUnknown*>(out)->Release(), 0u);
        } else {
            EXPECT_EQ(out, nullptr);
        }
        EXPECT_EQ(Library().DllCanUnloadNow(), S_OK);
    }
    EXPECT_EQ(Library().DllGetClassObject(kClsidOemUI, kIidClassFactory, nullptr), E_POINTER);
}

TEST_F(ObjectLifeTest, FactoryCountsReferencesAndAnswersOnlyItsInterfaces) {
    IClassFactory* factory = NewFactory();
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(factory->AddRef(), 2u);
    EXPECT_EQ(factory->Release(), 1u);

    void* out = kGarbage;
    EXPECT_EQ(factory->QueryInterface(kIidPrintOemUI2, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    ASSERT_EQ(factory->QueryInterface(kIidUnknown, &out), S_OK);
    EXPECT_EQ(out, static_cast<void*>(factory));
    EXPECT_EQ(factory->Release(), 1u);
    EXPECT_EQ(factory->Release(), 0u);
    EXPECT_EQ(Library().DllCanUnloadNow(), S_OK);
}

TEST_F(ObjectLifeTest, CreateInstanceRefusesAggregationAndForeignInterfaces) {
    IClassFactory* factory = NewFactory();
    ASSERT_NE(factory, nullptr);
    void* out = kGarbage;
    EXPECT_EQ(factory->CreateInstance(factory, kIidPrintOemUI2, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);
    out = kGarbage;
    EXPECT_EQ(factory->CreateInstance(nullptr, kIidClassFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, kIidPrintOemUI2, nullptr), E_POINTER);
    factory->Release();
    // The refused object did not outlive the call.
    EXPECT_EQ(Library().DllCanUnloadNow(), S_OK);
}

TEST_F(ObjectLifeTest, ObjectCountsReferencesAndAnswersOnlyItsInterfaces) {
    IClassFactory* factory = NewFactory();
    ASSERT_NE(factory, nullptr);
    for (const IID& iid : {kIidPrintOemUI2, kIidUnknown}) {
        void* out = nullptr;
        ASSERT_EQ(factory->CreateInstance(nullptr, iid, &out), S_OK);
        auto* object = static_cast<IPrintOemUI2*>(out);
        EXPECT_EQ(object->AddRef(), 2u);
        EXPECT_EQ(object->Release(), 1u);
        void* other = kGarbage;
        EXPECT_EQ(object->QueryInterface(kIidClassFactory, &other), E_NOINTERFACE);
        EXPECT_EQ(other, nullptr);
        EXPECT_EQ(object->QueryInterface(kIidPrintOemDriverUI, &other), E_NOINTERFACE);
        ASSERT_EQ(object->QueryInterface(kIidPrintOemUI2, &other), S_OK);
        EXPECT_EQ(other, out);
        EXPECT_EQ(object->Release(), 1u);
        EXPECT_EQ(object->Release(), 0u);
    }
    factory->Release();
}

TEST_F(ObjectLifeTest, ModuleStaysLoadedWhileAFactoryAnObjectOrALockLives) {
    EXPECT_EQ(Library().DllCanUnloadNow(), S_OK);
    IClassFactory* factory = NewFactory();
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(Library().DllCanUnloadNow(), S_FALSE);
    void* out = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, kIidPrintOemUI2, &out), S_OK);
    factory->Release();
    EXPECT_EQ(Library().DllCanUnloadNow(), S_FALSE);
    static_cast<IUnknown*>(out)->Release();
    EXPECT_EQ(Library().DllCanUnloadNow(), S_OK);

    // LockServer(lock) on a fresh factory, which is released at once.
    auto lockServer = [&](BOOL lock) {
        IClassFactory* f = NewFactory();
        EXPECT_EQ(f->LockServer(lock), S_OK);
        f->Release();
        return Library().DllCanUnloadNow();
    };
    EXPECT_EQ(lockServer(1), S_FALSE);
    EXPECT_EQ(lockServer(0), S_OK);
    // An unlock without a lock is ignored, so the next lock still counts.
    EXPECT_EQ(lockServer(0), S_OK);
    EXPECT_EQ(lockServer(1), S_FALSE);
    EXPECT_EQ(lockServer(0), S_OK);
}

}  // namespace
}  // namespace orca::plugin
