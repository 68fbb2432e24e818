// What a platform does for the forms library: windows, the loop, the boxes.
// Hosts deliver every event through the dispatcher, never to a handler.
#pragma once

#include <string>

#include "forms/message_flags.h"

namespace forms {

class TForm;

// The kinds of modal box the program can show.
enum class TPresenter { ApplicationMessageBox, PlainMessage, About };

class THost {
public:
    virtual ~THost() = default;

    // Puts the form on the screen, centred the first time.
    virtual void ShowForm(TForm& form) = 0;
    // Handles events until the posted quit is taken.
    virtual void RunLoop() = 0;
    // Asks the loop to end when it next runs; returns at once.
    virtual void PostQuit() = 0;

    // Modal boxes: every window of the program takes no input while one is up.
    virtual int MessageBox(const std::string& text, const std::string& caption, TMessageFlags flags) = 0;
    virtual void ShowPlainMessage(const std::string& text, const std::string& caption) = 0;
    virtual void ShowAbout(TForm& owner, const std::string& text, const std::string& iconResource) = 0;
};

}  // namespace forms
