// A top-level window: its client area holds the controls, a host shows it.
#pragma once

#include <functional>
#include <string>

#include "forms/control.h"
#include "forms/menu.h"

namespace forms {

class TEdit;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using enum TCloseAction;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

// What a host puts on the screen for a form, told of every change.
class TFormView {
public:
    virtual ~TFormView() = default;
    virtual void Repaint() = 0;
    // The control, and everything on it, is about to leave the form.
    virtual void Forget(TControl& control) = 0;
    virtual void FocusChanged() = 0;
};

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    std::string Caption;
    int ClientWidth = 0;
    int ClientHeight = 0;
    TColor Color = clBtnFace;
    TBorderStyle BorderStyle = bsSingle;
    bool CanMaximize = false;
    TMainMenu* Menu = nullptr;
    TNotifyEvent OnShow;
    TCloseEvent OnClose;

    // The control with the keyboard focus, if any.
    TControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TControl* control);

    // The window became the active one: the focus goes to the first control
    // that takes it.
    void Activated();
    // A close request: OnClose decides, and closing the main form ends the
    // application.
    void Close();

    // The host's view of this form; null while nothing shows it.
    void SetView(TFormView* view) { view_ = view; }
    TFormView* View() const { return view_; }

    void ControlChanged(TControl& control);
    void ControlLeaving(TControl& control);

private:
    TFormView* view_ = nullptr;
    TControl* activeControl_ = nullptr;
};

// True when `control` is `ancestor` or lies on it.
bool IsWithin(const TControl* control, const TControl* ancestor);

}  // namespace forms
