// The game's one window: its controls, the board, the game state and every
// handler of the game.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "forms/edit.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/menu.h"
#include "forms/panel.h"
#include "game/random_source.h"
#include "ui/messages.h"
#include "wordfiles/word_file.h"

class TMainForm : public forms::TForm {
public:
    explicit TMainForm(forms::TComponent* owner);

    // Designed controls, owned by the form.
    forms::TPanel* OverallPanel;
    forms::TPanel* RightPanel;
    forms::TPanel* KeyboardPanel;
    std::array<forms::TPanel*, 26> LetterKeys;  // KeyboardA to KeyboardZ
    forms::TLabel* GuessLabel;
    forms::TPanel* InputPanel;
    forms::TEdit* InputEdit;
    forms::TMainMenu* MainMenu;
    forms::TMenuItem* GameMenuItem;
    forms::TMenuItem* NewGameMenuItem;
    forms::TMenuItem* ExitMenuItem;
    forms::TMenuItem* HelpMenuItem;
    forms::TMenuItem* AboutMenuItem;

    // Board operations.
    void BuildBoard();
    void PlaceTile(std::int32_t row, int column, char letter, std::optional<forms::TColor> color);
    void RemoveScoredTiles();

    // Handlers.
    void FormShow(forms::TObject* sender);
    void FormClose(forms::TObject* sender, forms::TCloseAction& action);
    void InputEditKeyPress(forms::TObject* sender, char& key);
    void NewGameMenuItemClick(forms::TObject* sender);
    void ExitMenuItemClick(forms::TObject* sender);
    void AboutMenuItemClick(forms::TObject* sender);

    // Where the word files are found and how the clock is read: beside the
    // executable and the real clock unless a test says otherwise.
    std::string WordFileDirectory;
    os::FileAccess* WordFileAccess = &os::SystemFiles();
    std::function<std::uint32_t()> Clock;

    // The game state, read-only to others.
    std::int32_t CurrentGuessRow() const { return GuessRow; }
    const std::string& CurrentAnswer() const { return Answer; }
    bool WordFilesOpen() const { return WordFile.IsOpen && AnswerFile.IsOpen; }

private:
    void NewGame();
    bool IsWord(const std::string& word);
    void ScoreGuess(const std::string& guess);
    void ColorKey(char letter, forms::TColor newColor);

    bool OpenGameFile(const char* fileName, TWordFile& file, std::int32_t& count);
    // Shows the message, asks the program to end and unwinds the handler:
    // nothing after a fatal word-file failure runs.
    [[noreturn]] void EndWith(const TMessageRow& message);

    std::int32_t GuessRow = 0;
    std::string Answer;
    std::int32_t WordCount = 0;
    std::int32_t AnswerCount = 0;
    TWordFile WordFile;
    TWordFile AnswerFile;
    TRandomSource Random;
};

extern TMainForm* MainForm;
