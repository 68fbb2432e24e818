// Controls and their parents: a parent lists its children in attach order,
// a later child drawn above an earlier one.
#pragma once

#include <vector>

#include "forms/component.h"
#include "forms/font.h"

namespace forms {

class TWinControl;
class TForm;

enum class TBorderStyle { bsNone, bsSingle, bsDialog };
using enum TBorderStyle;

struct TRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const TRect&) const = default;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width; }
    int Height() const { return bounds_.Height; }
    const TRect& BoundsRect() const { return bounds_; }
    void SetLeft(int value);
    void SetTop(int value);
    void SetWidth(int value);
    void SetHeight(int value);
    void SetBounds(int left, int top, int width, int height);

    TWinControl* Parent() const { return parent_; }
    // Detaches from the old parent and attaches last to the new one, taking
    // its font if this control follows its parent's font.
    void SetParent(TWinControl* parent);

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool value);

    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    bool ParentFont = true;

    virtual bool CanTakeFocus() const { return false; }

    // The form this control shows on, if it is attached to one.
    TForm* ParentForm() const;

protected:
    // Tells the form's view that something it shows has changed.
    void Changed();
    // Setting a property to the value it has changes nothing and repaints nothing.
    template <typename T>
    void Update(T& property, const T& value) {
        if (property == value) return;
        property = value;
        Changed();
    }

private:
    friend class TWinControl;
    TRect bounds_;
    TWinControl* parent_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    TFont font_;
};

class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }

private:
    friend class TControl;
    std::vector<TControl*> controls_;
};

}  // namespace forms
