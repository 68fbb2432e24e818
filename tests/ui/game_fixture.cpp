#include "ui/game_fixture.h"

using namespace forms;

std::string ColourCode(TColor color) {
    switch (color) {
        case clGreen: return "g";
        case clYellow: return "y";
        case clBtnShadow: return "s";
        case clBtnFace: return ".";
        default: return "?";
    }
}

void GameFixture::WriteWordFiles() {
    dir.WriteRecords(DictionaryFileName, dictionary);
    dir.WriteRecords(AnswersFileName, answers);
    filesWritten_ = true;
}

void GameFixture::Start() {
    if (!filesWritten_) WriteWordFiles();
    application.emplace(host);
    application->Title = "Plimbor";
    application->CreateForm(form);
    form->WordFileDirectory = dir.Path("");
    form->WordFileAccess = &files;
    form->Clock = [this] { return seed; };
    application->Run();
}

void GameFixture::TearDown() {
    if (form) {
        TCloseAction action = caHide;
        form->FormClose(form, action);
    }
}

std::vector<TPanel*> GameFixture::ScoredRow(int row) const {
    std::vector<TPanel*> tiles;
    for (int i = 0; i < form->OverallPanel->ControlCount(); ++i) {
        auto* tile = dynamic_cast<TPanel*>(form->OverallPanel->Controls(i));
        if (tile && tile->Tag == 40 && tile->Top() == 16 + 40 * row) tiles.push_back(tile);
    }
    return tiles;
}

int GameFixture::ScoredTileCount() const {
    int count = 0;
    for (int i = 0; i < form->OverallPanel->ControlCount(); ++i) count += form->OverallPanel->Controls(i)->Tag == 40;
    return count;
}

int GameFixture::EmptyTileCount() const { return form->OverallPanel->ControlCount() - ScoredTileCount(); }

std::string GameFixture::RowColours(int row) const {
    std::string colours;
    for (TPanel* tile : ScoredRow(row)) colours += ColourCode(tile->Color());
    return colours;
}

std::string GameFixture::RowLetters(int row) const {
    std::string letters;
    for (TPanel* tile : ScoredRow(row)) letters += tile->Caption();
    return letters;
}

std::string GameFixture::KeyColours() const {
    std::string colours;
    for (TPanel* key : form->LetterKeys) colours += ColourCode(key->Color());
    return colours;
}
