// Start-up, new games, the menu commands and shutdown.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "ui/game_fixture.h"

namespace {

using namespace forms;

using StartUpTest = GameFixture;

TRecordedBox Box(TPresenter presenter, std::string text, std::string caption, TMessageFlags flags) {
    return {presenter, std::move(text), std::move(caption), flags, false};
}

TEST_F(StartUpTest, AFirstGameIsOnBeforeTheWindowShows) {
    host.OnBox = [](const TRecordedBox& box) { ADD_FAILURE() << box.Text; };
    Start();
    EXPECT_EQ(host.Shown, form);
    EXPECT_EQ(host.LoopsRun, 1);
    EXPECT_EQ(files.PathsOpened, (std::vector<std::string>{dir.Path("WORDLIST.DCT"), dir.Path("ANSWERS.DCT")}));
    EXPECT_EQ(files.RecordsRead, std::vector<std::int64_t>{0}) << "one read draws the first answer";
    EXPECT_EQ(form->CurrentAnswer(), "CRANE");
    EXPECT_EQ(form->CurrentGuessRow(), 0);
    EXPECT_TRUE(form->InputEdit->Enabled());
    EXPECT_EQ(KeyColours(), std::string(26, '.'));
}

TEST_F(StartUpTest, FatalWordFileFailuresEndTheProgramBeforeTheWindowShows) {
    const struct {
        const char* name;
        bool dictionary, answers;
        std::vector<std::string> answerWords;
        TRecordedBox box;
        std::size_t opensTried;
    } cases[] = {
        {"no dictionary", false, true, {"crane"},
         Box(TPresenter::ApplicationMessageBox, "Could not open word dictionary.", "Catastrophic Error", 16), 1},
        {"no answers", true, false, {"crane"},
         Box(TPresenter::ApplicationMessageBox, "Could not open answers dictionary.", "Catastrophic Error", 16), 2},
        {"empty answers", true, true, {},
         Box(TPresenter::PlainMessage, "Error: Did not read any records from answer list.", "Plimbor", 0), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir caseDir;
        if (c.dictionary) caseDir.WriteRecords(DictionaryFileName, dictionary);
        if (c.answers) caseDir.WriteRecords(AnswersFileName, c.answerWords);
        THeadlessHost caseHost;
        RecordingFiles caseFiles;
        TApplication caseApplication(caseHost);
        caseApplication.Title = "Plimbor";
        TMainForm* caseForm = nullptr;
        caseApplication.CreateForm(caseForm);
        caseForm->WordFileDirectory = caseDir.Path("");
        caseForm->WordFileAccess = &caseFiles;
        caseApplication.Run();

        EXPECT_EQ(caseHost.Boxes, std::vector<TRecordedBox>{c.box});
        EXPECT_EQ(caseHost.Shown, nullptr) << "the window is never shown";
        EXPECT_EQ(caseHost.LoopsRun, 0);
        EXPECT_EQ(caseHost.QuitsPosted, 1);
        EXPECT_EQ(caseFiles.PathsOpened.size(), c.opensTried) << "after a missing dictionary the answers file is not looked for";
        EXPECT_EQ(caseForm->OverallPanel->ControlCount(), 30) << "the board was built first";
        EXPECT_TRUE(caseForm->CurrentAnswer().empty());
        TCloseAction action = caHide;
        caseForm->FormClose(caseForm, action);
    }
}

TEST_F(StartUpTest, NewGameMidGameClearsTheBoardAndKeysWithoutAWord) {
    answers = {"crane", "slate", "trace"};
    Start();
    Guess("REACT");
    Guess("EERIE");
    ASSERT_EQ(ScoredTileCount(), 10);
    form->InputEdit->SetText("BUI");
    ASSERT_TRUE(host.PressShortCut(VK_F2));
    EXPECT_EQ(form->CurrentGuessRow(), 0);
    EXPECT_EQ(ScoredTileCount(), 0);
    EXPECT_EQ(EmptyTileCount(), 30);
    EXPECT_EQ(KeyColours(), std::string(26, '.'));
    EXPECT_EQ(form->InputEdit->Text(), "");
    EXPECT_TRUE(form->InputEdit->Enabled());
    EXPECT_TRUE(host.Boxes.empty()) << "no question, and the old answer is not shown";
}

TEST_F(StartUpTest, NewGameAfterAFinishedGameEnablesTheInputWithoutTheFocus) {
    Start();
    Guess("CRANE");
    ASSERT_FALSE(form->InputEdit->Enabled());
    ASSERT_EQ(form->ActiveControl(), nullptr);
    host.Click(*form->NewGameMenuItem);
    EXPECT_TRUE(form->InputEdit->Enabled());
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(ScoredTileCount(), 0);
}

TEST_F(StartUpTest, AnswersAreUpperCasedForAsciiLettersOnly) {
    answers = {std::string("cR4n\xe9", 5)};
    Start();
    EXPECT_EQ(form->CurrentAnswer(), std::string("CR4N\xe9", 5));
}

TEST_F(StartUpTest, OneRecordGivesEveryGameTheSameAnswer) {
    answers = {"slate"};
    Start();
    for (int i = 0; i < 5; ++i) {
        host.PressShortCut(VK_F2);
        EXPECT_EQ(form->CurrentAnswer(), "SLATE");
    }
}

TEST_F(StartUpTest, TheSameMomentOfDayDrawsTheSameAnswers) {
    std::vector<std::string> many;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'd'; ++b) many.push_back(std::string{a, b, 'x', 'y', 'z'});
    auto drawn = [&](std::uint32_t moment) {
        TempDir runDir;
        runDir.WriteRecords(DictionaryFileName, dictionary);
        runDir.WriteRecords(AnswersFileName, many);
        THeadlessHost runHost;
        TApplication runApplication(runHost);
        TMainForm* runForm = nullptr;
        runApplication.CreateForm(runForm);
        runForm->WordFileDirectory = runDir.Path("");
        runForm->Clock = [moment] { return moment; };
        runApplication.Run();
        std::vector<std::string> answers{runForm->CurrentAnswer()};
        for (int i = 0; i < 15; ++i) {
            runHost.PressShortCut(VK_F2);
            answers.push_back(runForm->CurrentAnswer());
        }
        TCloseAction action = caHide;
        runForm->FormClose(runForm, action);
        return answers;
    };
    const auto first = drawn(45'296'789);
    EXPECT_EQ(drawn(45'296'789), first);
    EXPECT_NE(drawn(45'296'790), first);
    EXPECT_GT(std::set<std::string>(first.begin(), first.end()).size(), 5u) << "answers vary from game to game";
}

TEST_F(StartUpTest, AnAnswerReadErrorMidGameIsReportedAndTheGameGoesOn) {
    Start();
    Guess("REACT");
    files.FailReadsWith = EIO;
    host.PressShortCut(VK_F2);
    files.FailReadsWith.reset();
    ASSERT_EQ(host.Boxes.size(), 1u);
    EXPECT_EQ(host.Boxes[0].Caption, "Plimbor");
    EXPECT_EQ(host.Boxes[0].Flags, MB_ICONERROR);
    EXPECT_EQ(host.Boxes[0].Text.back(), '.');
    EXPECT_FALSE(application->Terminated());
    EXPECT_EQ(form->CurrentGuessRow(), 0);
    EXPECT_EQ(form->CurrentAnswer(), "CRANE");
    EXPECT_EQ(ScoredTileCount(), 5) << "the rest of the new game never ran";
}

TEST_F(StartUpTest, AnAnswerReadErrorAtStartUpLeavesNoGameToPlayUntilNewGame) {
    WriteWordFiles();
    files.FailReadsWith = EIO;
    Start();
    files.FailReadsWith.reset();
    ASSERT_EQ(host.Boxes.size(), 1u);
    EXPECT_EQ(host.Boxes[0].Flags, MB_ICONERROR);
    EXPECT_EQ(host.Shown, form) << "the window shows all the same";
    EXPECT_FALSE(form->InputEdit->Enabled()) << "no answer was drawn, so no guess is taken";
    host.PressShortCut(VK_F2);
    EXPECT_TRUE(form->InputEdit->Enabled());
    EXPECT_EQ(form->CurrentAnswer(), "CRANE");
}

TEST_F(StartUpTest, ClosingTheWindowClosesTheDictionaryThenTheAnswers) {
    Start();
    host.CloseWindow();
    EXPECT_FALSE(form->WordFilesOpen());
    EXPECT_EQ(files.Closes, 2);
    EXPECT_TRUE(application->Terminated());
    EXPECT_TRUE(host.Boxes.empty());
}

TEST_F(StartUpTest, AFailedCloseIsDroppedAndSkipsTheSecond) {
    Start();
    files.FailClosesWith = EIO;
    host.CloseWindow();
    EXPECT_EQ(files.Closes, 1);
    EXPECT_TRUE(host.Boxes.empty());
    EXPECT_TRUE(application->Terminated());
}

TEST_F(StartUpTest, ExitOnlyAsksTheProgramToEnd) {
    Start();
    host.Click(*form->ExitMenuItem);
    EXPECT_TRUE(application->Terminated());
    EXPECT_EQ(host.QuitsPosted, 1);
    EXPECT_TRUE(form->WordFilesOpen()) << "the close handler does not run";
}

TEST_F(StartUpTest, AboutShowsTheProgramAndChangesNothing) {
    Start();
    Guess("REACT");
    form->InputEdit->SetText("AB");
    const std::string keys = KeyColours();
    host.Click(*form->AboutMenuItem);
    ASSERT_EQ(host.Boxes.size(), 1u);
    EXPECT_EQ(host.Boxes[0].Presenter, TPresenter::About);
    EXPECT_EQ(host.Boxes[0].Text, "Plimbor 1.0 32-bit");
    EXPECT_EQ(host.AboutIcons, std::vector<std::string>{"MAINICON"});
    EXPECT_EQ(KeyColours(), keys);
    EXPECT_EQ(ScoredTileCount(), 5);
    EXPECT_EQ(form->InputEdit->Text(), "AB");
    EXPECT_EQ(form->CurrentGuessRow(), 1);
}

}  // namespace
