// The application object: title, forms, the loop, the terminate request, the
// presenters of messages and the report of an error that escapes a handler.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "forms/component.h"
#include "forms/host.h"

namespace forms {

class TForm;

// The silent error: it unwinds a handler and the dispatcher drops it.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};
[[noreturn]] void Abort();

class TApplication : public TComponent {
public:
    explicit TApplication(THost& host);
    ~TApplication() override;

    std::string Title;
    // The program's icon, by the name of its resource.
    std::string IconResource = "MAINICON";

    // Creates a form owned by the application; the first becomes the main form.
    template <typename TFormClass>
    void CreateForm(TFormClass*& reference) {
        auto* form = new TFormClass(this);
        reference = form;
        if (!mainForm_) mainForm_ = form;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form (running its OnShow first) and runs the loop until
    // the terminate request is taken. When OnShow already asked to
    // terminate, the form is never shown.
    void Run();
    // The first half of Run: OnShow, then the form on screen unless OnShow
    // asked to terminate.
    void ShowMainForm();
    void Terminate();
    bool Terminated() const { return terminated_; }

    int MessageBox(const std::string& text, const std::string& caption, TMessageFlags flags);
    // A box captioned with the title, without an icon, with one OK button.
    void ShowMessage(const std::string& text);
    void ShowAbout(TForm& owner, const std::string& text);
    // The report of an error that no handler caught.
    void ShowException(const std::exception& error);

    // Runs a handler: what escapes it is reported, an abort is dropped.
    // True when the handler ran to its end.
    bool Dispatch(const std::function<void()>& handler);

    THost& Host() const { return host_; }

private:
    THost& host_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

// The one application of the program, while it exists.
extern TApplication* Application;

}  // namespace forms
