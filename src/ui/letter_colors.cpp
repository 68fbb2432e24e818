#include "ui/letter_colors.h"

using namespace forms;

std::optional<TColor> TileColor(TLetterMark mark) {
    if (mark == TLetterMark::Plain) return std::nullopt;
    return KeyColor(mark);
}

TColor KeyColor(TLetterMark mark) {
    switch (mark) {
        case TLetterMark::Green: return clGreen;
        case TLetterMark::Yellow: return clYellow;
        case TLetterMark::Absent: return clBtnShadow;
        case TLetterMark::Plain: break;
    }
    return clBtnFace;
}

TLetterMark KeyMark(TColor color) {
    switch (color) {
        case clGreen: return TLetterMark::Green;
        case clYellow: return TLetterMark::Yellow;
        case clBtnShadow: return TLetterMark::Absent;
        default: return TLetterMark::Plain;
    }
}
