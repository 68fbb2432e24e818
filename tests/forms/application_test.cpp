// The application object: showing the main form, the terminate request,
// the presenters and the report of what escapes a handler.
#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/dispatcher.h"
#include "forms/form.h"
#include "forms/headless/headless_host.h"

namespace {

using namespace forms;

class ApplicationTest : public ::testing::Test {
protected:
    THeadlessHost host;
    TApplication application{host};
    TForm* form = nullptr;
    std::vector<std::string> events;

    void SetUp() override {
        application.Title = "Plimbor";
        application.CreateForm(form);
        form->OnShow = [this](TObject*) { events.push_back("show"); };
        form->OnClose = [this](TObject*, TCloseAction& action) {
            EXPECT_EQ(action, caHide);
            events.push_back("close");
        };
    }
};

TEST_F(ApplicationTest, RunShowsTheMainFormAfterItsShowHandlerThenRunsTheLoop) {
    form->OnShow = [this](TObject* sender) {
        EXPECT_EQ(sender, form);
        EXPECT_EQ(host.Shown, nullptr) << "the handler runs before the window shows";
        events.push_back("show");
    };
    application.Run();
    EXPECT_EQ(events, std::vector<std::string>{"show"});
    EXPECT_EQ(host.Shown, form);
    EXPECT_EQ(host.LoopsRun, 1);
}

TEST_F(ApplicationTest, ATerminateRequestInTheShowHandlerKeepsTheWindowHidden) {
    form->OnShow = [this](TObject*) {
        application.Terminate();
        events.push_back("after terminate");
    };
    application.Run();
    EXPECT_EQ(events, std::vector<std::string>{"after terminate"}) << "the request only posts the quit";
    EXPECT_EQ(host.Shown, nullptr);
    EXPECT_EQ(host.LoopsRun, 0);
    EXPECT_EQ(host.QuitsPosted, 1);
}

TEST_F(ApplicationTest, AnErrorInTheShowHandlerIsReportedAndTheWindowShowsAllTheSame) {
    form->OnShow = [](TObject*) { throw std::runtime_error("I/O error 5: Input/output error"); };
    application.Run();
    ASSERT_EQ(host.Boxes.size(), 1u);
    EXPECT_EQ(host.Boxes[0], (TRecordedBox{TPresenter::ApplicationMessageBox, "I/O error 5: Input/output error.",
                                           "Plimbor", MB_ICONERROR, false}));
    EXPECT_EQ(host.Shown, form);
}

TEST_F(ApplicationTest, EscapedErrorsAreReportedAbortsAreDroppedAndTheProgramGoesOn) {
    EXPECT_FALSE(application.Dispatch([] { throw std::runtime_error("boom"); }));
    EXPECT_FALSE(application.Dispatch([] { Abort(); }));
    EXPECT_TRUE(application.Dispatch([] {}));
    ASSERT_EQ(host.Boxes.size(), 1u);
    EXPECT_EQ(host.Boxes[0].Text, "boom.");
    EXPECT_EQ(host.Boxes[0].Caption, "Plimbor");
    EXPECT_EQ(host.Boxes[0].Flags, MB_ICONERROR);
    EXPECT_FALSE(application.Terminated());
}

TEST_F(ApplicationTest, ClosingTheMainFormRunsItsCloseHandlerAndEndsTheProgram) {
    application.Run();
    host.CloseWindow();
    EXPECT_EQ(events, (std::vector<std::string>{"show", "close"}));
    EXPECT_TRUE(application.Terminated());
    EXPECT_EQ(host.QuitsPosted, 1);

    TForm* other = nullptr;
    application.CreateForm(other);
    DeliverClose(*other);
    EXPECT_EQ(host.QuitsPosted, 1) << "only the main form ends the program";
}

TEST_F(ApplicationTest, ACloseHandlerCanRefuse) {
    form->OnClose = [](TObject*, TCloseAction& action) { action = caNone; };
    application.Run();
    host.CloseWindow();
    EXPECT_FALSE(application.Terminated());
}

TEST_F(ApplicationTest, ThePresentersCarryTitleCaptionAndFlags) {
    application.MessageBox("text", "caption", MB_ICONWARNING);
    application.ShowMessage("plain");
    application.ShowAbout(*form, "about");
    EXPECT_EQ(host.Boxes, (std::vector<TRecordedBox>{
                              {TPresenter::ApplicationMessageBox, "text", "caption", MB_ICONWARNING, false},
                              {TPresenter::PlainMessage, "plain", "Plimbor", 0, false},
                              {TPresenter::About, "about", "", 0, false},
                          }));
    EXPECT_EQ(host.AboutIcons, std::vector<std::string>{"MAINICON"});
}

TEST_F(ApplicationTest, ShortcutsReachTheirMenuItems) {
    auto* menu = new TMainMenu(form);
    auto* game = new TMenuItem(form);
    auto* newGame = new TMenuItem(form);
    newGame->ShortCut = VK_F2;
    int clicks = 0;
    newGame->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, newGame);
        ++clicks;
    };
    menu->Items->Add(game);
    game->Add(newGame);
    form->Menu = menu;
    application.Run();
    EXPECT_TRUE(host.PressShortCut(VK_F2));
    EXPECT_FALSE(host.PressShortCut(VK_F1));
    EXPECT_EQ(clicks, 1);
}

TEST(MessageFlagsTest, FlagsPickTheIcon) {
    EXPECT_EQ(IconOfFlags(MB_ICONERROR), TMessageIcon::Error);
    EXPECT_EQ(IconOfFlags(MB_ICONWARNING), TMessageIcon::Warning);
    EXPECT_EQ(IconOfFlags(MB_ICONINFORMATION), TMessageIcon::Information);
    EXPECT_EQ(IconOfFlags(MB_OK), TMessageIcon::None);
}

}  // namespace
