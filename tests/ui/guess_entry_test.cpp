// Guesses from the keyboard to the board: refusals, scoring, keys, outcomes.
#include <gtest/gtest.h>

#include <cerrno>

#include "ui/game_fixture.h"

namespace {

using namespace forms;

using GuessEntryTest = GameFixture;

TEST_F(GuessEntryTest, AGuessOfTheWrongLengthIsRefusedAndKept) {
    Start();
    for (const char* typed : {"", "CRAN"}) {
        SCOPED_TRACE(typed);
        host.Boxes.clear();
        form->InputEdit->SetText(typed);
        host.PressKey(KeyEnter);
        EXPECT_EQ(host.Boxes, (std::vector<TRecordedBox>{{TPresenter::ApplicationMessageBox,
                                                          "Guesses must be 5 letters.", "Bad Guess", 48, true}}));
        EXPECT_EQ(form->InputEdit->Text(), typed);
    }
    EXPECT_EQ(ScoredTileCount(), 0);
    EXPECT_TRUE(files.RecordsRead.size() == 1) << "no lookup was made";
}

TEST_F(GuessEntryTest, AGuessOutsideTheDictionaryIsQuotedAsTypedAndKept) {
    Start();
    for (const char* typed : {"ZZZZZ", "AB2DE", "CR NE"}) {
        SCOPED_TRACE(typed);
        host.Boxes.clear();
        form->InputEdit->SetText(typed);
        host.PressKey(KeyEnter);
        const std::string text = std::string("\"") + typed + "\" is not a word in the dictionary.";
        EXPECT_EQ(host.Boxes, (std::vector<TRecordedBox>{{TPresenter::ApplicationMessageBox, text, "Bad Guess", 48, true}}));
        EXPECT_EQ(text.size(), 40u);
        EXPECT_EQ(form->InputEdit->Text(), typed);
    }
    EXPECT_EQ(ScoredTileCount(), 0);
    EXPECT_EQ(form->CurrentGuessRow(), 0);
}

TEST_F(GuessEntryTest, AnAcceptedGuessEmptiesTheBoxThenFillsTheRowAndTheKeys) {
    Start();
    Guess("react");
    EXPECT_TRUE(host.Boxes.empty()) << "a wrong guess in the first rows shows nothing";
    EXPECT_EQ(form->InputEdit->Text(), "");
    EXPECT_TRUE(form->InputEdit->Enabled());
    EXPECT_EQ(RowLetters(0), "REACT");
    EXPECT_EQ(RowColours(0), "yygy.");
    //          ABCDEFGHIJKLMNOPQRSTUVWXYZ
    EXPECT_EQ(KeyColours(), "g.y.y............y.s......");
    EXPECT_EQ(form->CurrentGuessRow(), 1);

    Guess("EERIE");
    EXPECT_EQ(RowLetters(1), "EERIE");
    EXPECT_EQ(RowColours(1), "..y.g");
    EXPECT_EQ(KeyColours(), "g.y.g...s........y.s......") << "E yellow then green";
}

TEST_F(GuessEntryTest, KeysKeepTheBestNewsWithinAGame) {
    const struct {
        std::vector<const char*> guesses;
        char letter;
        char colour;
    } cases[] = {
        {{"REACT", "CRANE"}, 'R', 'g'},   // yellow, then green
        {{"TRACE", "REACT"}, 'R', 'g'},   // green stays green
        {{"LEVEL"}, 'L', 's'},            // shadow asked twice
        {{"LEVEL"}, 'E', 'y'},            // one E in the answer: the second E asks nothing
        {{"SLATE", "BUILD"}, 'O', '.'},   // never guessed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letter);
        if (form) {
            host.PressShortCut(VK_F2);
            host.ClickInto(*form->InputEdit);
        } else {
            Start();
        }
        for (const char* guess : c.guesses) Guess(guess);
        EXPECT_EQ(ColourCode(Key(c.letter)->Color())[0], c.colour);
    }
}

TEST_F(GuessEntryTest, CharactersWithoutAKeyChangeNoKey) {
    Start();
    Guess("AB1DE");
    EXPECT_EQ(RowColours(0), "y...g");
    EXPECT_EQ(KeyColours(), "ys.sg.....................");
    EXPECT_EQ(RowLetters(0), "AB1DE");
}

TEST_F(GuessEntryTest, TheRightWordWinsWithThePraiseOfItsRow) {
    const char* praise[] = {"Genius", "Magnificent", "Impressive", "Splendid", "Great", "Phew"};
    const char* misses[] = {"APPLE", "BUILD", "LEVEL", "PAPER", "SLATE"};
    Start();
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        host.PressShortCut(VK_F2);
        host.ClickInto(*form->InputEdit);
        host.Boxes.clear();
        for (int i = 0; i < row; ++i) Guess(misses[i]);
        ASSERT_TRUE(host.Boxes.empty());
        host.OnBox = [&](const TRecordedBox&) {
            EXPECT_EQ(RowColours(row), "ggggg") << "the row is on the board while the box is up";
            EXPECT_TRUE(form->InputEdit->Enabled()) << "the box comes first";
        };
        Guess("CRANE");
        host.OnBox = nullptr;
        EXPECT_EQ(host.Boxes, (std::vector<TRecordedBox>{{TPresenter::ApplicationMessageBox, praise[row], "Hurravo", 64, true}}));
        EXPECT_FALSE(form->InputEdit->Enabled());
        EXPECT_EQ(form->CurrentGuessRow(), row);
        Guess("CRANE");
        EXPECT_EQ(host.Boxes.size(), 1u) << "a finished game takes no guess";
    }
}

TEST_F(GuessEntryTest, TheSixthMissLosesAndShowsTheAnswer) {
    Start();
    for (const char* miss : {"APPLE", "BUILD", "LEVEL", "PAPER", "SLATE"}) Guess(miss);
    ASSERT_TRUE(host.Boxes.empty());
    host.OnBox = [&](const TRecordedBox&) { EXPECT_EQ(RowLetters(5), "TRACE"); };
    Guess("TRACE");
    EXPECT_EQ(host.Boxes, (std::vector<TRecordedBox>{{TPresenter::ApplicationMessageBox,
                                                      "Sorry, the word was \"CRANE\".", "Game Over", 64, true}}));
    EXPECT_EQ(host.Boxes[0].Text.size(), 28u);
    EXPECT_FALSE(form->InputEdit->Enabled());
    EXPECT_EQ(form->CurrentGuessRow(), 5);
    EXPECT_EQ(ScoredTileCount(), 30);
}

TEST_F(GuessEntryTest, TheSameWrongGuessTwiceGetsTheSameColours) {
    Start();
    Guess("TRACE");
    Guess("TRACE");
    EXPECT_EQ(RowColours(0), ".ggyg");
    EXPECT_EQ(RowColours(1), RowColours(0));
}

TEST_F(GuessEntryTest, AShortAnswerCanOnlyBeLost) {
    answers = {"cr"};
    Start();
    ASSERT_EQ(form->CurrentAnswer(), "CR");
    for (const char* guess : {"CRANE", "CRANE", "CRANE", "CRANE", "CRANE"}) Guess(guess);
    EXPECT_EQ(RowColours(0), "gg...");
    EXPECT_TRUE(host.Boxes.empty());
    Guess("CRANE");
    ASSERT_EQ(host.Boxes.size(), 1u);
    EXPECT_EQ(host.Boxes[0].Text, "Sorry, the word was \"CR\".");
}

TEST_F(GuessEntryTest, ADictionaryWithoutRecordsEndsTheProgramAtTheFirstLookup) {
    dictionary = {};
    Start();
    ASSERT_TRUE(host.Boxes.empty()) << "an empty dictionary opens";
    Guess("CRANE");
    EXPECT_EQ(host.Boxes, (std::vector<TRecordedBox>{{TPresenter::PlainMessage,
                                                      "Error: Did not read any records from dictionary.", "Plimbor", 0, true}}));
    EXPECT_TRUE(application->Terminated());
    EXPECT_EQ(ScoredTileCount(), 0) << "the guess is not scored";
    EXPECT_EQ(form->InputEdit->Text(), "CRANE");
}

TEST_F(GuessEntryTest, AReadErrorInTheLookupIsReportedAndTheGameGoesOn) {
    Start();
    Guess("REACT");
    form->InputEdit->SetText("CRANE");
    files.FailReadsWith = EIO;
    host.PressKey(KeyEnter);
    files.FailReadsWith.reset();
    ASSERT_EQ(host.Boxes.size(), 1u);
    EXPECT_EQ(host.Boxes[0].Caption, "Plimbor");
    EXPECT_EQ(host.Boxes[0].Flags, MB_ICONERROR);
    EXPECT_NE(host.Boxes[0].Text.find(std::to_string(EIO)), std::string::npos) << host.Boxes[0].Text;
    EXPECT_FALSE(application->Terminated());
    EXPECT_EQ(form->InputEdit->Text(), "CRANE");
    EXPECT_EQ(ScoredTileCount(), 5);
    host.PressKey(KeyEnter);
    EXPECT_EQ(RowColours(1), "ggggg");
}

}  // namespace
