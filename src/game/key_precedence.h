// Which news a letter key keeps: a request wins over no news, absence
// always wins, and green wins over yellow.
#pragma once

#include "game/letter_mark.h"

// `current` is Plain for a key with no news yet; `request` is Green,
// Yellow or Absent. Returns the key's mark afterwards.
TLetterMark KeyMarkAfter(TLetterMark current, TLetterMark request);
