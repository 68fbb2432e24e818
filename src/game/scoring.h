// The colours of a guess: a pure function of the answer and the guess.
#pragma once

#include <array>
#include <string>

#include "game/letter_mark.h"

struct TScoredLetter {
    char Letter;
    TLetterMark Tile;        // Plain, Green or Yellow
    TLetterMark KeyRequest;  // Plain (no request), Green, Yellow or Absent
    bool operator==(const TScoredLetter&) const = default;
};

using TScoredGuess = std::array<TScoredLetter, 5>;

// Scores a five-character guess. An answer shorter than five characters
// has nothing at its missing places: they match no guessed letter.
TScoredGuess ScoreLetters(const std::string& answer, const std::string& guess);
