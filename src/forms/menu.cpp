#include "forms/menu.h"

namespace forms {

std::string ShortCutToText(TShortCut shortCut) {
    static const char* const functionKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6",
                                               "F7", "F8", "F9", "F10", "F11", "F12"};
    if (shortCut >= VK_F1 && shortCut <= VK_F12) return functionKeys[shortCut - VK_F1];
    return "";
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
    if (shortCut == 0) return nullptr;
    if (ShortCut == shortCut) return this;
    for (TMenuItem* item : items_)
        if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
    return nullptr;
}

TMenuItem* AddMenuItem(TComponent* owner, TMenuItem* parent, const std::string& caption, TNotifyEvent onClick,
                       TShortCut shortCut) {
    auto* item = new TMenuItem(owner);
    item->Caption = caption;
    item->ShortCut = shortCut;
    item->OnClick = std::move(onClick);
    parent->Add(item);
    return item;
}

}  // namespace forms
