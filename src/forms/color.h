// Colours and bevels as symbolic values: the program compares these names,
// never what they look like; each host maps them to RGB in one table.
#pragma once

namespace forms {

enum class TColor {
    clBtnFace,
    clBtnShadow,
    clBtnHighlight,
    clBtnText,
    clWindow,
    clWindowText,
    clGreen,   // RGB 0,128,0
    clYellow,  // RGB 255,255,0
};
using enum TColor;

enum class TBevelCut { bvNone, bvLowered, bvRaised };
using enum TBevelCut;

}  // namespace forms
