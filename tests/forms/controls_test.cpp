// The control tree: defaults, ownership against parenthood, child order,
// and repaints only on real changes.
#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/edit.h"
#include "forms/form.h"
#include "forms/headless/headless_host.h"
#include "forms/panel.h"

namespace {

using namespace forms;

class ControlsTest : public ::testing::Test {
protected:
    THeadlessHost host;
    TApplication application{host};
    TForm* form = nullptr;

    void SetUp() override {
        application.CreateForm(form);
        form->SetFont(TFont{"Courier", -20, clWindowText, true});
        host.ShowForm(*form);
    }
};

TEST_F(ControlsTest, ANewPanelHasTheDefaults) {
    auto* panel = new TPanel(form);
    EXPECT_EQ(panel->BoundsRect(), (TRect{0, 0, 185, 41}));
    EXPECT_EQ(panel->BevelOuter(), bvRaised);
    EXPECT_EQ(panel->BevelInner(), bvNone);
    EXPECT_EQ(panel->BevelWidth(), 1);
    EXPECT_EQ(panel->Color(), clBtnFace);
    EXPECT_EQ(panel->Caption(), "");
    EXPECT_EQ(panel->Tag, 0);
    EXPECT_TRUE(panel->Visible());
    EXPECT_TRUE(panel->Enabled());
    EXPECT_FALSE(panel->CanTakeFocus());
    EXPECT_EQ(panel->Parent(), nullptr);

    form->Color = clGreen;
    panel->SetParent(form);
    EXPECT_EQ(panel->Color(), clBtnFace) << "a panel keeps its colour whatever its parent's";
    EXPECT_EQ(panel->Font(), form->Font()) << "it takes its parent's font once attached";
}

TEST_F(ControlsTest, ChildrenAreListedInAttachOrderAndLeaveWhenFreed) {
    auto* parent = new TPanel(form);
    parent->SetParent(form);
    TPanel* children[4];
    for (auto*& child : children) {
        child = new TPanel(parent);
        child->SetParent(parent);
    }
    ASSERT_EQ(parent->ControlCount(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(parent->Controls(i), children[i]);

    delete children[1];
    ASSERT_EQ(parent->ControlCount(), 3);
    EXPECT_EQ(parent->Controls(0), children[0]);
    EXPECT_EQ(parent->Controls(1), children[2]);
    EXPECT_EQ(parent->Components(1), children[2]) << "freeing also leaves the owner's list";

    children[0]->SetParent(parent);
    EXPECT_EQ(parent->Controls(0), children[0]) << "attaching to the same parent again changes nothing";
    children[0]->SetParent(form);
    children[0]->SetParent(parent);
    EXPECT_EQ(parent->Controls(2), children[0]) << "re-attaching goes to the end, on top";
}

TEST_F(ControlsTest, TheOwnerDestroysWhatItOwnsWhereverItIsAttached) {
    auto* owner = new TPanel(form);
    auto* elsewhere = new TPanel(form);
    elsewhere->SetParent(form);
    auto* owned = new TPanel(owner);
    owned->SetParent(elsewhere);
    ASSERT_EQ(elsewhere->ControlCount(), 1);
    delete owner;
    EXPECT_EQ(elsewhere->ControlCount(), 0);

    // A parent that goes first leaves its children orphaned, not dangling.
    auto* parent = new TPanel(form);
    auto* child = new TPanel(form);
    child->SetParent(parent);
    delete parent;
    EXPECT_EQ(child->Parent(), nullptr);
}

TEST_F(ControlsTest, OnlyRealChangesRepaint) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    const int before = host.Repaints;
    panel->SetColor(clBtnFace);
    panel->SetCaption("");
    panel->SetBounds(0, 0, 185, 41);
    panel->SetBevelOuter(bvRaised);
    EXPECT_EQ(host.Repaints, before);
    panel->SetColor(clYellow);
    EXPECT_EQ(host.Repaints, before + 1);
    panel->SetColor(clYellow);
    EXPECT_EQ(host.Repaints, before + 1);
}

TEST(ShortCutTest, FunctionKeysShowTheirNames) {
    EXPECT_EQ(ShortCutToText(VK_F2), "F2");
    EXPECT_EQ(ShortCutToText(VK_F1), "F1");
    EXPECT_EQ(ShortCutToText(VK_F12), "F12");
    EXPECT_EQ(ShortCutToText(0), "");
}

}  // namespace
