// The main menu: items with '&' access keys, shortcuts and click events.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/component.h"

namespace forms {

using TNotifyEvent = std::function<void(TObject* sender)>;

// A shortcut is a Windows virtual-key code; 0 is none.
using TShortCut = int;
inline constexpr TShortCut VK_F1 = 112;
inline constexpr TShortCut VK_F2 = 113;
inline constexpr TShortCut VK_F12 = 123;

// "F2" for VK_F2: the text a menu shows at the right of the item.
std::string ShortCutToText(TShortCut shortCut);

class TMenuItem : public TComponent {
public:
    using TComponent::TComponent;

    std::string Caption;
    TShortCut ShortCut = 0;
    TNotifyEvent OnClick;

    void Add(TMenuItem* item) { items_.push_back(item); }
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(index); }
    // The first item, this one or below, that answers to the shortcut.
    TMenuItem* FindShortCut(TShortCut shortCut);

private:
    std::vector<TMenuItem*> items_;
};

// Creates an item owned by `owner` and adds it last under `parent`.
TMenuItem* AddMenuItem(TComponent* owner, TMenuItem* parent, const std::string& caption, TNotifyEvent onClick = {},
                       TShortCut shortCut = 0);

class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner) : TComponent(owner), Items(new TMenuItem(this)) {}
    TMenuItem* const Items;  // the invisible root; its items form the menu bar
};

}  // namespace forms
