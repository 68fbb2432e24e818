#include "forms/edit.h"

#include "forms/form.h"

namespace forms {

void TEdit::SetEnabled(bool value) {
    TWinControl::SetEnabled(value);
    if (!value) {
        if (TForm* form = ParentForm(); form && form->ActiveControl() == this) form->SetActiveControl(nullptr);
    }
}

char TEdit::TypedCharacter(char key) const {
    const auto byte = static_cast<unsigned char>(key);
    if (byte < 32 || byte == 127) return 0;
    if (CharCase == ecUpperCase && key >= 'a' && key <= 'z') return static_cast<char>(key - ('a' - 'A'));
    return key;
}

void TEdit::DefaultKeyPress(char key) {
    if (key == KeyBackspace) {
        if (!text_.empty()) SetText(text_.substr(0, text_.size() - 1));
        return;
    }
    const char typed = TypedCharacter(key);
    if (typed != 0 && !IsFull()) SetText(text_ + typed);
}

}  // namespace forms
