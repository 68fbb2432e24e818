#include "game/key_precedence.h"

TLetterMark KeyMarkAfter(TLetterMark current, TLetterMark request) {
    if (current == TLetterMark::Plain || request == TLetterMark::Absent ||
        (current == TLetterMark::Yellow && request == TLetterMark::Green))
        return request;
    return current;
}
