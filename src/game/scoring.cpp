#include "game/scoring.h"

#include <cstdint>

namespace {

constexpr int WordLength = 5;

// 1-based position of the first `c` in the answer, 0 when there is none.
int FirstPosition(const std::string& answer, char c) {
    for (int i = 0; i < WordLength && i < static_cast<int>(answer.size()); ++i)
        if (answer[i] == c) return i + 1;
    return 0;
}

bool IsExactMatch(const std::string& answer, const std::string& guess, int position) {
    const auto i = static_cast<std::size_t>(position - 1);
    return i < answer.size() && i < guess.size() && guess[i] == answer[i];
}

}  // namespace

TScoredGuess ScoreLetters(const std::string& answer, const std::string& guess) {
    // Each letter's count lives at its first position in the answer: how
    // many of its occurrences are not yet claimed by a green or yellow tile.
    std::uint8_t letterCounts[WordLength + 1] = {};
    for (int i = 1; i <= WordLength && i <= static_cast<int>(answer.size()); ++i)
        ++letterCounts[FirstPosition(answer, answer[i - 1])];
    // Exact matches claim their occurrences first, wherever they stand.
    for (int i = 1; i <= WordLength; ++i)
        if (IsExactMatch(answer, guess, i)) --letterCounts[FirstPosition(answer, answer[i - 1])];

    TScoredGuess scored{};
    for (int j = 1; j <= WordLength; ++j) {
        const char letter = j <= static_cast<int>(guess.size()) ? guess[j - 1] : '\0';
        const int p = FirstPosition(answer, letter);
        TScoredLetter& result = scored[j - 1];
        result.Letter = letter;
        if (IsExactMatch(answer, guess, j)) {
            result.Tile = result.KeyRequest = TLetterMark::Green;
        } else if (p != 0 && letterCounts[p] > 0) {
            result.Tile = result.KeyRequest = TLetterMark::Yellow;
            --letterCounts[p];
        } else if (p != 0) {
            result.Tile = result.KeyRequest = TLetterMark::Plain;
        } else {
            result.Tile = TLetterMark::Plain;
            result.KeyRequest = TLetterMark::Absent;
        }
    }
    return scored;
}
