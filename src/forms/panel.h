// A panel: bevels, a fill colour and a centred caption.
#pragma once

#include <string>

#include "forms/control.h"

namespace forms {

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { Update(caption_, value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Update(color_, value); }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value) { Update(bevelOuter_, value); }
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value) { Update(bevelInner_, value); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value) { Update(bevelWidth_, value); }

private:
    std::string caption_;
    // A panel keeps its own colour whatever its parent's is.
    TColor color_ = clBtnFace;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
};

}  // namespace forms
