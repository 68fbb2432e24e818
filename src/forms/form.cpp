#include "forms/form.h"

#include "forms/application.h"

namespace forms {

TForm::TForm(TComponent* owner) : TWinControl(owner) {}

TForm::~TForm() {
    // The view may outlive the form: it must let go of it now.
    if (view_) view_->Forget(*this);
    view_ = nullptr;
    activeControl_ = nullptr;
    DestroyComponents();
}

bool IsWithin(const TControl* control, const TControl* ancestor) {
    for (; control; control = control->Parent())
        if (control == ancestor) return true;
    return false;
}

namespace {

TControl* FirstFocusable(const TWinControl& parent) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* child = parent.Controls(i);
        if (!child->Visible()) continue;
        if (child->CanTakeFocus()) return child;
        if (auto* container = dynamic_cast<TWinControl*>(child))
            if (TControl* found = FirstFocusable(*container)) return found;
    }
    return nullptr;
}

}  // namespace

void TForm::SetActiveControl(TControl* control) {
    if (control == activeControl_) return;
    activeControl_ = control;
    if (view_) view_->FocusChanged();
}

void TForm::Activated() {
    if (activeControl_ && activeControl_->CanTakeFocus()) return;
    SetActiveControl(FirstFocusable(*this));
}

void TForm::Close() {
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action != caNone && Application && Application->MainForm() == this) Application->Terminate();
}

void TForm::ControlChanged(TControl&) {
    if (view_) view_->Repaint();
}

void TForm::ControlLeaving(TControl& control) {
    if (IsWithin(activeControl_, &control)) SetActiveControl(nullptr);
    if (view_) view_->Forget(control);
}

}  // namespace forms
