// A small form with one of each thing the Qt host shows, on the real host
// under the offscreen platform.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <functional>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/edit.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/menu.h"
#include "forms/panel.h"
#include "forms/qt/qt_form_window.h"
#include "forms/qt/qt_host.h"
#include "qt_support/message_boxes.h"


class TTestForm : public forms::TForm {
public:
    explicit TTestForm(forms::TComponent* owner);

    forms::TPanel* Raised;
    forms::TPanel* Lowered;
    forms::TPanel* Yellow;  // with a caption
    forms::TPanel* Under;   // Over lies across its bottom right
    forms::TPanel* Over;
    forms::TLabel* Label;
    forms::TPanel* EditFrame;
    forms::TEdit* Edit;  // upper case, at most 5, frameless, in EditFrame
    forms::TMainMenu* MainMenu;
    forms::TMenuItem* NewGameItem;  // F2
    forms::TMenuItem* ExitItem;

    // What the handlers saw, and what they do.
    std::string KeysSeen;
    std::function<void(char& key)> KeyRule;
    int NewGameClicks = 0;
    bool NewGameThrows = false;
    int Closes = 0;
    forms::TCloseAction CloseAction = forms::caHide;
};

class QtHostFixture : public ::testing::Test {
protected:
    forms::TApplication application{*QtTestHost};
    TTestForm* form = nullptr;
    forms::QtFormWindow* window = nullptr;

    void SetUp() override;
    void TearDown() override;

    // Shows `shown` through the host and waits until its window is active.
    void Show(forms::TForm& shown);
    void Show() { Show(*form); }
    static forms::QtFormWindow* WindowOf(const forms::TForm& shown);

    QImage Grab() const;
    QRgb System(QPalette::ColorRole role) const;

};

// The pixel at a point of the client area, whatever the device pixel ratio.
QRgb PixelAt(const QImage& image, int x, int y);
// Whether some pixel of the area is not `fill`: a caption's ink.
bool HasInk(const QImage& image, const QRect& area, QRgb fill);
