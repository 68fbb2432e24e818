// A host without a display, for tests: it records every box and answers it
// at once, runs events synchronously and lets tests drive the forms.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/host.h"

namespace forms {

class TEdit;
class TMenuItem;

struct TRecordedBox {
    TPresenter Presenter;
    std::string Text;
    std::string Caption;
    TMessageFlags Flags = 0;
    bool MainFormShowing = false;  // whether the main window was on screen then
    bool operator==(const TRecordedBox&) const = default;
};

class THeadlessHost : public THost, private TFormView {
public:
    ~THeadlessHost() override;

    void ShowForm(TForm& form) override;
    void RunLoop() override { ++LoopsRun; }
    void PostQuit() override { ++QuitsPosted; }
    int MessageBox(const std::string& text, const std::string& caption, TMessageFlags flags) override;
    void ShowPlainMessage(const std::string& text, const std::string& caption) override;
    void ShowAbout(TForm& owner, const std::string& text, const std::string& iconResource) override;

    // Driving the shown form as a player would.
    void PressKey(char key);  // to the control with the focus, if it takes keys
    void Type(const std::string& keys);
    bool PressShortCut(TShortCut shortCut);
    void Click(TMenuItem& item);
    // A click into a control gives it the focus, if it takes it.
    void ClickInto(TControl& control);
    void CloseWindow();

    std::vector<TRecordedBox> Boxes;
    // Runs while a box is up, before it is answered: what the player sees then.
    std::function<void(const TRecordedBox&)> OnBox;
    std::vector<std::string> AboutIcons;
    TForm* Shown = nullptr;
    int TimesShown = 0;
    int LoopsRun = 0;
    int QuitsPosted = 0;
    int Repaints = 0;

private:
    void Repaint() override { ++Repaints; }
    void Forget(TControl& control) override;
    void FocusChanged() override {}
    void Record(TPresenter presenter, const std::string& text, const std::string& caption, TMessageFlags flags);
};

}  // namespace forms
