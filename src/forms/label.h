// A label: text on its colour, at its top left.
#pragma once

#include <string>

#include "forms/control.h"

namespace forms {

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 65, 16); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { Update(caption_, value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Update(color_, value); }

private:
    std::string caption_;
    TColor color_ = clBtnFace;
};

}  // namespace forms
