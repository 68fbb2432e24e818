#include "ui/messages.h"

#include <cstring>
#include <memory>

#include "forms/application.h"

namespace Messages {

std::string NotAWordText(const std::string& guess) { return "\"" + guess + "\" is not a word in the dictionary."; }

std::string LossText(const std::string& answer) { return "Sorry, the word was \"" + answer + "\"."; }

}  // namespace Messages

void ShowMessageRow(const TMessageRow& row) {
    if (row.Presenter == forms::TPresenter::PlainMessage)
        forms::Application->ShowMessage(row.Text);
    else
        forms::Application->MessageBox(row.Text, row.Caption, row.Flags);
}

void ShowBox(std::string msg, const char* caption, forms::TMessageFlags flags) {
    // The box takes a zero-terminated text; the buffer is sized from the
    // message and released on every path.
    const auto buffer = std::make_unique<char[]>(msg.size() + 1);
    std::memcpy(buffer.get(), msg.c_str(), msg.size() + 1);
    forms::Application->MessageBox(buffer.get(), caption, flags);
}
