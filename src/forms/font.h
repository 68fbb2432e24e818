// A font as the program names it; hosts pick the face that stands in for it.
#pragma once

#include <string>

#include "forms/color.h"

namespace forms {

struct TFont {
    std::string Name = "System";
    int Height = -13;  // negative: the character height in pixels
    TColor Color = clWindowText;
    bool Bold = false;

    bool operator==(const TFont&) const = default;
};

}  // namespace forms
