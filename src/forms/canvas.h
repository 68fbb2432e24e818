// The little a host must draw for the forms library to paint its controls.
#pragma once

#include <string>

#include "forms/control.h"

namespace forms {

enum class TTextPlacement {
    Centred,  // clipped to the rectangle
    TopLeft,  // a label's: the whole text shows, as if the label fitted it
};

class TCanvas {
public:
    virtual ~TCanvas() = default;
    virtual void FillRect(const TRect& rect, TColor color) = 0;
    // Text without a background of its own.
    virtual void DrawText(const TRect& rect, const std::string& text, const TFont& font,
                          TTextPlacement placement) = 0;
};

// Paints the form's client area and every visible control on it, each
// child above the ones attached before it. Edit boxes get their frame and
// fill only: the host shows its own native edit on top.
void PaintForm(const TForm& form, TCanvas& canvas);

}  // namespace forms
