#include "forms/headless/headless_host.h"

#include "forms/application.h"
#include "forms/dispatcher.h"
#include "forms/edit.h"

namespace forms {

THeadlessHost::~THeadlessHost() {
    if (Shown && Shown->View() == this) Shown->SetView(nullptr);
}

void THeadlessHost::Forget(TControl& control) {
    if (&control == Shown) Shown = nullptr;
}

void THeadlessHost::ShowForm(TForm& form) {
    Shown = &form;
    ++TimesShown;
    form.SetView(this);
    DeliverActivate(form);
}

void THeadlessHost::Record(TPresenter presenter, const std::string& text, const std::string& caption,
                           TMessageFlags flags) {
    Boxes.push_back({presenter, text, caption, flags, Shown != nullptr});
    if (OnBox) OnBox(Boxes.back());
}

int THeadlessHost::MessageBox(const std::string& text, const std::string& caption, TMessageFlags flags) {
    Record(TPresenter::ApplicationMessageBox, text, caption, flags);
    return IDOK;
}

void THeadlessHost::ShowPlainMessage(const std::string& text, const std::string& caption) {
    Record(TPresenter::PlainMessage, text, caption, 0);
}

void THeadlessHost::ShowAbout(TForm&, const std::string& text, const std::string& iconResource) {
    Record(TPresenter::About, text, "", 0);
    AboutIcons.push_back(iconResource);
}

void THeadlessHost::PressKey(char key) {
    if (!Shown) return;
    auto* edit = dynamic_cast<TEdit*>(Shown->ActiveControl());
    if (!edit || !edit->Enabled()) return;
    if (DeliverKeyPress(*edit, key)) edit->DefaultKeyPress(key);
}

void THeadlessHost::Type(const std::string& keys) {
    for (char key : keys) PressKey(key);
}

bool THeadlessHost::PressShortCut(TShortCut shortCut) { return Shown && DeliverShortCut(*Shown, shortCut); }

void THeadlessHost::Click(TMenuItem& item) { DeliverMenuClick(item); }

void THeadlessHost::ClickInto(TControl& control) {
    if (TForm* form = control.ParentForm(); form && control.CanTakeFocus()) form->SetActiveControl(&control);
}

void THeadlessHost::CloseWindow() {
    if (Shown) DeliverClose(*Shown);
}

}  // namespace forms
