// Start-up, new games, guesses and the menu commands.
#include "forms/application.h"
#include "game/key_precedence.h"
#include "game/scoring.h"
#include "ui/letter_colors.h"
#include "ui/main_form.h"
#include "wordfiles/ascii_case.h"
#include "wordfiles/dictionary_lookup.h"

using namespace forms;

namespace {

constexpr std::int32_t LastRow = 5;
constexpr std::size_t GuessLength = 5;
const char* const AboutText = "Plimbor 1.0 32-bit";

}  // namespace

void TMainForm::FormShow(TObject*) {
    Random.Seed(Clock());
    BuildBoard();
    if (!OpenGameFile(DictionaryFileName, WordFile, WordCount)) EndWith(Messages::DictionaryOpenFailed);
    if (!OpenGameFile(AnswersFileName, AnswerFile, AnswerCount)) EndWith(Messages::AnswersOpenFailed);
    try {
        NewGame();
    } catch (const EInOutError&) {
        // No answer was drawn: no game may be played until a new game
        // succeeds. The error itself is reported as usual.
        InputEdit->SetEnabled(false);
        throw;
    }
}

void TMainForm::FormClose(TObject*, TCloseAction&) {
    // An error in the first close skips the second; the window closes anyway.
    try {
        CloseWordFile(WordFile);
        CloseWordFile(AnswerFile);
    } catch (...) {
    }
}

bool TMainForm::OpenGameFile(const char* fileName, TWordFile& file, std::int32_t& count) {
    if (WordFileDirectory.empty()) return OpenWordFile(fileName, file, count, *WordFileAccess);
    return OpenWordFileAtPath(WordFileDirectory + fileName, file, count, *WordFileAccess);
}

void TMainForm::EndWith(const TMessageRow& message) {
    ShowMessageRow(message);
    Application->Terminate();
    Abort();
}

void TMainForm::NewGame() {
    GuessRow = 0;
    const std::int32_t index = Random.Below(AnswerCount);
    std::string word;
    if (!ReadWordRecord(AnswerFile, index, word)) EndWith(Messages::AnswersReadFailed);
    Answer = AsciiUpperCase(word);
    InputEdit->SetEnabled(true);
    InputEdit->SetText("");
    RemoveScoredTiles();
    const int keys = KeyboardPanel->ControlCount();
    for (int i = 0; i < keys; ++i)
        if (auto* key = dynamic_cast<TPanel*>(KeyboardPanel->Controls(i))) key->SetColor(clBtnFace);
}

bool TMainForm::IsWord(const std::string& word) {
    const TLookupResult result = ::IsWord(WordFile, WordCount, word);
    if (result == TLookupResult::NoRecord) EndWith(Messages::DictionaryReadFailed);
    return result == TLookupResult::Found;
}

void TMainForm::ScoreGuess(const std::string& guess) {
    const TScoredGuess scored = ScoreLetters(Answer, guess);
    for (int column = 1; column <= static_cast<int>(scored.size()); ++column) {
        const TScoredLetter& letter = scored[column - 1];
        PlaceTile(GuessRow, column, letter.Letter, TileColor(letter.Tile));
        if (letter.KeyRequest != TLetterMark::Plain) ColorKey(letter.Letter, KeyColor(letter.KeyRequest));
    }
    if (guess == Answer) {
        Application->MessageBox(Messages::Praise.at(GuessRow), Messages::WinCaption, Messages::WinFlags);
        InputEdit->SetEnabled(false);
    } else if (GuessRow == LastRow) {
        ShowBox(Messages::LossText(Answer), Messages::LossCaption, Messages::LossFlags);
        InputEdit->SetEnabled(false);
    } else {
        ++GuessRow;
    }
}

void TMainForm::ColorKey(char letter, TColor newColor) {
    const std::string caption(1, letter);
    const int keys = KeyboardPanel->ControlCount();
    for (int i = 0; i < keys; ++i) {
        auto* key = dynamic_cast<TPanel*>(KeyboardPanel->Controls(i));
        if (!key || key->Caption() != caption) continue;
        key->SetColor(KeyColor(KeyMarkAfter(KeyMark(key->Color()), KeyMark(newColor))));
        return;
    }
}

void TMainForm::InputEditKeyPress(TObject*, char& key) {
    if (key != KeyEnter) return;
    const std::string guess = InputEdit->Text();
    if (guess.size() != GuessLength) {
        ShowMessageRow(Messages::WrongLength);
        return;
    }
    if (!IsWord(guess)) {
        ShowBox(Messages::NotAWordText(guess), Messages::NotAWordCaption, Messages::NotAWordFlags);
        return;
    }
    InputEdit->SetText("");
    ScoreGuess(guess);
}

void TMainForm::NewGameMenuItemClick(TObject*) { NewGame(); }

void TMainForm::ExitMenuItemClick(TObject*) { Application->Terminate(); }

void TMainForm::AboutMenuItemClick(TObject*) { Application->ShowAbout(*this, AboutText); }
