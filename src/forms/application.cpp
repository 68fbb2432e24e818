#include "forms/application.h"

#include <stdexcept>

#include "forms/form.h"

namespace forms {

TApplication* Application = nullptr;

void Abort() { throw EAbort(); }

TApplication::TApplication(THost& host) : TComponent(nullptr), host_(host) { Application = this; }

TApplication::~TApplication() {
    DestroyComponents();
    if (Application == this) Application = nullptr;
}

void TApplication::Run() {
    ShowMainForm();
    if (!terminated_) host_.RunLoop();
}

void TApplication::ShowMainForm() {
    if (!mainForm_) return;
    Dispatch([this] {
        if (mainForm_->OnShow) mainForm_->OnShow(mainForm_);
    });
    if (!terminated_) host_.ShowForm(*mainForm_);
}

void TApplication::Terminate() {
    terminated_ = true;
    host_.PostQuit();
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, TMessageFlags flags) {
    return host_.MessageBox(text, caption, flags);
}

void TApplication::ShowMessage(const std::string& text) { host_.ShowPlainMessage(text, Title); }

void TApplication::ShowAbout(TForm& owner, const std::string& text) { host_.ShowAbout(owner, text, IconResource); }

void TApplication::ShowException(const std::exception& error) {
    MessageBox(std::string(error.what()) + ".", Title, MB_ICONERROR);
}

bool TApplication::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(std::runtime_error("Unknown error"));
    }
    return false;
}

}  // namespace forms
