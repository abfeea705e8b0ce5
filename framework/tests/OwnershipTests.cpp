// Owners free what they own; parents only draw what they hold.
#include "FormTest.h"

#include "framework/widgets/CustomEdit.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/Shape.h"

#include <string>
#include <vector>

namespace fwtest {

using guitest::FormTest;
using guitest::ScreenPixel;
namespace {

using fw::TComponent;

std::vector<std::string> destroyed;

// A component that notes its name when it is destroyed.
template <class T> struct Counted : T {
    Counted(TComponent* owner, const std::string& name) : T(owner) { this->SetName(name); }
    ~Counted() override { destroyed.push_back(this->Name()); }
};

class OwnershipTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        destroyed.clear();
    }
};

TEST_F(OwnershipTest, OwnerFreesWhatItOwnsNewestFirstAndDeep) {
    auto* root = new Counted<TComponent>(nullptr, "root");
    auto* first = new Counted<TComponent>(root, "first");
    new Counted<TComponent>(first, "grandchild");
    new Counted<TComponent>(root, "second");
    EXPECT_EQ(root->ComponentCount(), 2);
    TComponent::Free(root);
    EXPECT_EQ(destroyed, (std::vector<std::string>{"root", "second", "first", "grandchild"}));
}

TEST_F(OwnershipTest, FreeTakesTheComponentOutOfItsOwner) {
    auto* root = new Counted<TComponent>(nullptr, "root");
    auto* first = new Counted<TComponent>(root, "first");
    auto* second = new Counted<TComponent>(root, "second");
    TComponent::Free(first);
    EXPECT_EQ(destroyed, std::vector<std::string>{"first"});
    ASSERT_EQ(root->ComponentCount(), 1);
    EXPECT_EQ(root->Component(0), second);
    EXPECT_EQ(root->FindComponent("first"), nullptr);
    TComponent::Free(root); // "first" must not go a second time
    EXPECT_EQ(destroyed, (std::vector<std::string>{"first", "root", "second"}));
}

TEST_F(OwnershipTest, FreedParentLeavesItsChildrenWholeAndDetached) {
    // Owned by the form, drawn on the panel.
    auto* edit = new Counted<fw::TCustomEdit>(form, "edit");
    auto* shape = new Counted<fw::TShape>(form, "shape");
    auto* panel = new Counted<fw::TPanel>(form, "panel");
    panel->SetParent(form);
    edit->SetParent(panel);
    shape->SetParent(panel);
    ShowForm();
    edit->SetText("kept");
    HWND editWindow = edit->Handle();

    TComponent::Free(panel);
    EXPECT_EQ(destroyed, std::vector<std::string>{"panel"});
    EXPECT_TRUE(form->Controls().empty());
    EXPECT_EQ(edit->Parent(), nullptr);
    EXPECT_EQ(shape->Parent(), nullptr);
    EXPECT_FALSE(edit->HandleAllocated());
    EXPECT_FALSE(IsWindow(editWindow));

    // The detached edit still works once it is placed again.
    edit->SetParent(form);
    shape->SetParent(form);
    EXPECT_TRUE(IsChild(form->Handle(), edit->Handle()));
    EXPECT_EQ(edit->Text(), "kept");
    guitest::Type(edit->Handle(), L"!");
    EXPECT_EQ(edit->Text(), "!kept");
}

TEST_F(OwnershipTest, FreedControlLeavesItsParentsLists) {
    auto* panel = Add<fw::TPanel>(form, 0, 0, 200, 100);
    auto* edit = Add<fw::TCustomEdit>(panel, 0, 0, 80, 21);
    auto* shape = Add<fw::TShape>(panel, 100, 0, 20, 20);
    ShowForm();
    HWND editWindow = edit->Handle();
    TComponent::Free(edit);
    TComponent::Free(shape);
    EXPECT_TRUE(panel->Controls().empty());
    EXPECT_TRUE(panel->TabList().empty());
    EXPECT_FALSE(IsWindow(editWindow));
    guitest::Pump(); // the panel repaints without them
}

TEST_F(OwnershipTest, FormFreesItsControlsWhateverTheirCreationOrder) {
    // The child is created before its parent, so the form deletes the parent first.
    auto* edit = new Counted<fw::TCustomEdit>(form, "edit");
    auto* panel = new Counted<fw::TPanel>(form, "panel");
    panel->SetParent(form);
    edit->SetParent(panel);
    (new Counted<fw::TShape>(form, "shape"))->SetParent(panel);
    ShowForm();
    TComponent::Free(form);
    form = nullptr;
    EXPECT_EQ(destroyed, (std::vector<std::string>{"shape", "panel", "edit"}));
}

} // namespace
} // namespace fwtest
