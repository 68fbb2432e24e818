#include "forms/dispatcher.h"

#include "forms/application.h"

namespace forms {

bool DeliverKeyPress(TEdit& edit, char& key) {
    const bool completed = Application->Dispatch([&] {
        if (edit.OnKeyPress) edit.OnKeyPress(&edit, key);
    });
    return completed && key != 0;
}

void DeliverMenuClick(TMenuItem& item) {
    Application->Dispatch([&] {
        if (item.OnClick) item.OnClick(&item);
    });
}

bool DeliverShortCut(TForm& form, TShortCut shortCut) {
    TMenuItem* item = form.Menu ? form.Menu->Items->FindShortCut(shortCut) : nullptr;
    if (!item) return false;
    DeliverMenuClick(*item);
    return true;
}

void DeliverClose(TForm& form) {
    Application->Dispatch([&] { form.Close(); });
}

void DeliverActivate(TForm& form) {
    Application->Dispatch([&] { form.Activated(); });
}

}  // namespace forms
