// The edit box: typing, the key-press event, and the keyboard focus.
#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/dispatcher.h"
#include "forms/edit.h"
#include "forms/form.h"
#include "forms/headless/headless_host.h"
#include "forms/panel.h"

namespace {

using namespace forms;

class EditTest : public ::testing::Test {
protected:
    THeadlessHost host;
    TApplication application{host};
    TForm* form = nullptr;
    TEdit* edit = nullptr;
    std::string seen;

    void SetUp() override {
        application.CreateForm(form);
        auto* frame = new TPanel(form);
        frame->SetParent(form);
        edit = new TEdit(form);
        edit->CharCase = ecUpperCase;
        edit->MaxLength = 5;
        edit->OnKeyPress = [this](TObject* sender, char& key) {
            EXPECT_EQ(sender, edit);
            seen += key;
        };
        edit->SetParent(frame);
        host.ShowForm(*form);
    }
};

TEST_F(EditTest, TypedLettersBecomeUpperCaseUpToTheLimit) {
    host.Type("crane!");
    EXPECT_EQ(edit->Text(), "CRANE");
    EXPECT_EQ(seen, "crane!") << "the handler sees each key as typed";
    host.Type("\b\b7 ");
    EXPECT_EQ(edit->Text(), "CRA7 ");
    host.Type("\r");
    EXPECT_EQ(edit->Text(), "CRA7 ") << "Enter types nothing";
    EXPECT_EQ(seen.back(), KeyEnter);
}

TEST_F(EditTest, AHandlerCanSwallowAKeyAndAFailedHandlerStopsIt) {
    edit->OnKeyPress = [](TObject*, char& key) {
        if (key == 'x') key = 0;
        if (key == 'q') throw std::runtime_error("no q here");
    };
    host.Type("axqb");
    EXPECT_EQ(edit->Text(), "AB");
    ASSERT_EQ(host.Boxes.size(), 1u);
    EXPECT_EQ(host.Boxes[0].Text, "no q here.");
}

TEST_F(EditTest, FocusComesWithActivationAndGoesWhenDisabled) {
    EXPECT_EQ(form->ActiveControl(), edit) << "showing activates the window";
    edit->SetEnabled(false);
    EXPECT_EQ(form->ActiveControl(), nullptr);
    host.Type("abc");
    EXPECT_EQ(edit->Text(), "") << "a disabled box takes no keys";
    edit->SetEnabled(true);
    EXPECT_EQ(form->ActiveControl(), nullptr) << "enabling does not give the focus back";
    DeliverActivate(*form);
    EXPECT_EQ(form->ActiveControl(), edit);
}

TEST_F(EditTest, FreeingTheFocusedBoxTakesTheFocusAway) {
    delete edit;
    EXPECT_EQ(form->ActiveControl(), nullptr);
    host.Type("abc");  // must not reach the freed box
}

}  // namespace
