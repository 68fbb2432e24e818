#include "forms/control.h"

#include <algorithm>

#include "forms/form.h"

namespace forms {

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetBounds(int left, int top, int width, int height) { Update(bounds_, TRect{left, top, width, height}); }

void TControl::SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
void TControl::SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
void TControl::SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
void TControl::SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) {
        // Leaving the screen: the form must forget this control and show
        // what lay below it.
        if (TForm* form = ParentForm()) form->ControlLeaving(*this);
        std::erase(parent_->controls_, this);
        parent_ = nullptr;
    }
    if (parent) {
        parent_ = parent;
        parent->controls_.push_back(this);
        if (ParentFont) font_ = parent->Font();
    }
    Changed();
}

void TControl::SetVisible(bool value) { Update(visible_, value); }

void TControl::SetEnabled(bool value) { Update(enabled_, value); }

void TControl::SetFont(const TFont& font) {
    ParentFont = false;
    Update(font_, font);
}

TForm* TControl::ParentForm() const {
    const TControl* control = this;
    while (control->parent_) control = control->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(control));
}

void TControl::Changed() {
    if (TForm* form = ParentForm()) form->ControlChanged(*this);
}

TWinControl::~TWinControl() {
    // Children this control does not own outlive it; they just lose their place.
    while (!controls_.empty()) controls_.back()->SetParent(nullptr);
}

}  // namespace forms
