// Every message the program shows, with its caption, icon and presenter.
#pragma once

#include <array>
#include <string>

#include "forms/host.h"

struct TMessageRow {
    const char* Text;
    const char* Caption;  // the plain dialog takes the application title
    forms::TMessageFlags Flags;
    forms::TPresenter Presenter;  // the application message box or the plain dialog
};

namespace Messages {

using forms::MB_ICONERROR;
using forms::MB_ICONINFORMATION;
using forms::MB_ICONWARNING;

inline constexpr TMessageRow DictionaryOpenFailed{"Could not open word dictionary.", "Catastrophic Error",
                                                  MB_ICONERROR, forms::TPresenter::ApplicationMessageBox};
inline constexpr TMessageRow AnswersOpenFailed{"Could not open answers dictionary.", "Catastrophic Error",
                                               MB_ICONERROR, forms::TPresenter::ApplicationMessageBox};
inline constexpr TMessageRow AnswersReadFailed{"Error: Did not read any records from answer list.", "", 0,
                                               forms::TPresenter::PlainMessage};
inline constexpr TMessageRow DictionaryReadFailed{"Error: Did not read any records from dictionary.", "", 0,
                                                  forms::TPresenter::PlainMessage};
inline constexpr TMessageRow WrongLength{"Guesses must be 5 letters.", "Bad Guess", MB_ICONWARNING,
                                         forms::TPresenter::ApplicationMessageBox};

inline constexpr const char* NotAWordCaption = "Bad Guess";
inline constexpr forms::TMessageFlags NotAWordFlags = MB_ICONWARNING;

// The praise for a win, by the row of the winning guess.
inline constexpr std::array<const char*, 6> Praise = {"Genius", "Magnificent", "Impressive",
                                                      "Splendid", "Great", "Phew"};
inline constexpr const char* WinCaption = "Hurravo";
inline constexpr forms::TMessageFlags WinFlags = MB_ICONINFORMATION;

inline constexpr const char* LossCaption = "Game Over";
inline constexpr forms::TMessageFlags LossFlags = MB_ICONINFORMATION;

// "ABCDE" is not a word in the dictionary.
std::string NotAWordText(const std::string& guess);
// Sorry, the word was "CRANE".
std::string LossText(const std::string& answer);

}  // namespace Messages

// Shows a message of fixed text through its presenter.
void ShowMessageRow(const TMessageRow& row);

// Shows a text composed at run time in the application message box.
void ShowBox(std::string msg, const char* caption, forms::TMessageFlags flags);
