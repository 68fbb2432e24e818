// The one way events reach the program's handlers. Every host calls these,
// so what escapes a handler is reported, and an abort dropped, in one place.
#pragma once

#include "forms/edit.h"
#include "forms/form.h"
#include "forms/menu.h"

namespace forms {

// Runs the edit's OnKeyPress. True when the edit goes on to handle the key
// itself: the handler ran to its end and did not swallow the key.
bool DeliverKeyPress(TEdit& edit, char& key);
void DeliverMenuClick(TMenuItem& item);
// True when an item of the form's menu answers to the shortcut.
bool DeliverShortCut(TForm& form, TShortCut shortCut);
void DeliverClose(TForm& form);
void DeliverActivate(TForm& form);

}  // namespace forms
