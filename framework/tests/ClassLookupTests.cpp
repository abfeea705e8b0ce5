// Classes and handlers found by name, and objects asked what class they are:
// what layouts and forms rely on to build and bind their components.
#include "framework/loading/ClassRegistry.h"
#include "framework/loading/HandlerTable.h"
#include "framework/widgets/MainMenu.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/Shape.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace fwtest {
namespace {

using fw::As;

TEST(ClassLookupTest, AnObjectIsOfItsClassAndItsBasesOnly) {
    auto panel = std::make_unique<fw::TPanel>(nullptr);
    auto shape = std::make_unique<fw::TShape>(nullptr);
    auto menu = std::make_unique<fw::TMainMenu>(nullptr);
    fw::TComponent* objects[] = {panel.get(), shape.get(), menu.get()};
    struct Case {
        bool (*is)(fw::TComponent*);
        bool panel, shape, menu;
    } cases[] = {
        {[](fw::TComponent* c) { return As<fw::TPanel>(c) != nullptr; }, true, false, false},
        {[](fw::TComponent* c) { return As<fw::TWinControl>(c) != nullptr; }, true, false, false},
        {[](fw::TComponent* c) { return As<fw::TGraphicControl>(c) != nullptr; }, false, true,
         false},
        {[](fw::TComponent* c) { return As<fw::TShape>(c) != nullptr; }, false, true, false},
        {[](fw::TComponent* c) { return As<fw::TControl>(c) != nullptr; }, true, true, false},
        {[](fw::TComponent* c) { return As<fw::TMainMenu>(c) != nullptr; }, false, false, true},
        {[](fw::TComponent* c) { return As<fw::TMenuItem>(c) != nullptr; }, false, false, false},
        {[](fw::TComponent* c) { return As<fw::TComponent>(c) != nullptr; }, true, true, true},
        {[](fw::TComponent* c) { return As<const fw::TPersistent>(c) != nullptr; }, true, true,
         true},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cases[i].is(objects[0]), cases[i].panel);
        EXPECT_EQ(cases[i].is(objects[1]), cases[i].shape);
        EXPECT_EQ(cases[i].is(objects[2]), cases[i].menu);
    }
    // The object itself, at the address of the class asked for.
    EXPECT_EQ(As<fw::TWinControl>(objects[0]), static_cast<fw::TWinControl*>(panel.get()));
    EXPECT_EQ(As<fw::TPanel>(static_cast<fw::TComponent*>(nullptr)), nullptr);
}

constexpr fw::ClassInfo kFirst[] = {fw::Class<fw::TPanel>("TLookupThing", "")};
constexpr fw::PropertyDef kDerivedProperties[] = {fw::Custom("Extra", nullptr)};
constexpr fw::ClassInfo kSecond[] = {
    fw::Class<fw::TShape>("TLookupThing", ""),
    fw::Class<fw::TShape>("TLookupDerived", "TLookupThing", kDerivedProperties)};

TEST(ClassLookupTest, ClassesAreFoundByNameInAnyCaseAndTheLastRegisteredWins) {
    fw::ClassRegistry& registry = fw::ClassRegistry::Instance();
    registry.Register(kFirst);
    EXPECT_EQ(registry.Find("tlookupthing"), &kFirst[0]);
    registry.Register(kSecond);
    EXPECT_EQ(registry.Find("TLOOKUPTHING"), &kSecond[0]);
    EXPECT_EQ(registry.FindProperty(kSecond[1], "extra"), &kDerivedProperties[0]);
    EXPECT_EQ(registry.FindProperty(kSecond[1], "Missing"), nullptr);
    // Taking back the first registration leaves the one that replaced it.
    registry.Unregister(kFirst);
    EXPECT_EQ(registry.Find("TLookupThing"), &kSecond[0]);
    registry.Unregister(kSecond);
    EXPECT_EQ(registry.Find("TLookupThing"), nullptr);
    EXPECT_EQ(registry.Find("TLookupDerived"), nullptr);
    EXPECT_NE(registry.Find("tpanel"), nullptr);
}

TEST(ClassLookupTest, HandlersAreFoundByNameInAnyCaseAndTheLastAddedWins) {
    fw::HandlerTable handlers;
    std::string ran;
    handlers.Add("FormCreate", fw::TNotifyEvent([&](fw::TComponent*) { ran = "first"; }));
    handlers.Add("Other", fw::TNotifyEvent([&](fw::TComponent*) { ran = "other"; }));
    handlers.Add("FORMCREATE", fw::TNotifyEvent([&](fw::TComponent*) { ran = "second"; }));
    const fw::AnyHandler* found = handlers.Find("formcreate");
    ASSERT_NE(found, nullptr);
    std::get<fw::TNotifyEvent> (*found)(nullptr);
    EXPECT_EQ(ran, "second");
    EXPECT_EQ(handlers.Find("FormClose"), nullptr);
}

} // namespace
} // namespace fwtest
