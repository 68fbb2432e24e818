// A one-line edit box: the only kind of control that takes the keyboard focus.
#pragma once

#include <functional>
#include <string>

#include "forms/control.h"

namespace forms {

enum class TEditCharCase { ecNormal, ecUpperCase };
using enum TEditCharCase;

// The typed character by reference: a handler may swallow it by setting 0.
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;

inline constexpr char KeyEnter = 13;
inline constexpr char KeyBackspace = 8;

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 121, 23); }

    const std::string& Text() const { return text_; }
    void SetText(const std::string& value) { Update(text_, value); }
    int MaxLength = 0;  // 0: no limit
    TEditCharCase CharCase = ecNormal;
    TBorderStyle BorderStyle = bsSingle;
    TColor Color = clWindow;
    TKeyPressEvent OnKeyPress;

    bool CanTakeFocus() const override { return Enabled() && Visible(); }
    // Disabling takes the focus away; enabling does not give it back.
    void SetEnabled(bool value) override;

    // The box's own handling of a typed character, after OnKeyPress.
    void DefaultKeyPress(char key);
    // What a typed character becomes in the box, or 0 when the box takes
    // no such character. Every host applies this one rule.
    char TypedCharacter(char key) const;
    bool IsFull() const { return MaxLength > 0 && static_cast<int>(text_.size()) >= MaxLength; }

private:
    std::string text_;
};

}  // namespace forms
