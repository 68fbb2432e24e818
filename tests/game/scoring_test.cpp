// Tile colours and key requests of a guess, from the answer alone.
#include "game/scoring.h"

#include <gtest/gtest.h>

namespace {

// One character a position: g green, y yellow, . plain.
std::string Tiles(const TScoredGuess& scored) {
    std::string tiles;
    for (const TScoredLetter& letter : scored)
        tiles += letter.Tile == TLetterMark::Green ? 'g' : letter.Tile == TLetterMark::Yellow ? 'y' : '.';
    return tiles;
}

// One character a position: g green, y yellow, s shadow (absent), . none.
std::string Requests(const TScoredGuess& scored) {
    std::string requests;
    for (const TScoredLetter& letter : scored) {
        switch (letter.KeyRequest) {
            case TLetterMark::Green: requests += 'g'; break;
            case TLetterMark::Yellow: requests += 'y'; break;
            case TLetterMark::Absent: requests += 's'; break;
            case TLetterMark::Plain: requests += '.'; break;
        }
    }
    return requests;
}

TEST(ScoringTest, TilesAndKeyRequestsOfAGuess) {
    const struct {
        const char* answer;
        const char* guess;
        const char* tiles;
        const char* requests;
    } cases[] = {
        {"CRANE", "EERIE", "..y.g", "..ysg"},
        {"HOTEL", "LEVEL", "...gg", "..sgg"},
        {"SPEED", "EERIE", "yy...", "yyss."},
        {"APPLE", "PAPER", "yygy.", "yygys"},
        {"TOAST", "TATTY", "gyy..", "gyy.s"},
        {"ROBOT", "FLOOR", "..ygy", "ssygy"},
        {"SPEED", "DEEPS", "yygyy", "yygyy"},
        {"CRANE", "CRANE", "ggggg", "ggggg"},
        {"CRANE", "BUILT", ".....", "sssss"},
        {"CRANE", "crane", ".....", "sssss"},  // no case folding
        {"LLAMA", "LOLLY", "g.y..", "gsy.s"},
        // An answer shorter than five has nothing at its missing places.
        {"AB", "ABCDE", "gg...", "ggsss"},
        {"AB", "BAAAA", "yy...", "yy..."},
        {"", "CRANE", ".....", "sssss"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.answer) + " / " + c.guess);
        const TScoredGuess scored = ScoreLetters(c.answer, c.guess);
        EXPECT_EQ(Tiles(scored), c.tiles);
        EXPECT_EQ(Requests(scored), c.requests);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(scored[i].Letter, c.guess[i]);
    }
}

}  // namespace
