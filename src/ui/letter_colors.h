// The colours that show the game's marks on tiles and keys.
#pragma once

#include <optional>

#include "forms/color.h"
#include "game/letter_mark.h"

// A tile's colour for its mark; none for a plain tile, which keeps its face.
std::optional<forms::TColor> TileColor(TLetterMark mark);
forms::TColor KeyColor(TLetterMark mark);
TLetterMark KeyMark(forms::TColor color);
