// The whole game on the headless host, over word files made per test.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/headless/headless_host.h"
#include "support/recording_files.h"
#include "support/temp_dir.h"
#include "ui/main_form.h"

class GameFixture : public ::testing::Test {
protected:
    // Sorted, as a dictionary must be; "ab1de" lets a digit be scored.
    std::vector<std::string> dictionary = {"ab1de", "apple", "build", "crane", "eerie",
                                           "level", "paper", "react", "slate", "trace"};
    std::vector<std::string> answers = {"crane"};
    std::uint32_t seed = 4'321'000;

    TempDir dir;
    forms::THeadlessHost host;
    RecordingFiles files;
    std::optional<forms::TApplication> application;
    TMainForm* form = nullptr;

    void WriteWordFiles();
    // Writes the word files unless a test already did, then starts the
    // program as its entry point would.
    void Start();
    void TearDown() override;

    void Guess(const std::string& word) { host.Type(word + "\r"); }

    // The scored tiles of a row, left to right.
    std::vector<forms::TPanel*> ScoredRow(int row) const;
    int ScoredTileCount() const;
    int EmptyTileCount() const;
    // Each scored tile of the row as g (green), y (yellow) or . (no colour).
    std::string RowColours(int row) const;
    std::string RowLetters(int row) const;
    forms::TPanel* Key(char letter) const { return form->LetterKeys.at(letter - 'A'); }
    // Keys A to Z as g, y, s (shadow) or . (no news).
    std::string KeyColours() const;

    bool filesWritten_ = false;
};

std::string ColourCode(forms::TColor color);
