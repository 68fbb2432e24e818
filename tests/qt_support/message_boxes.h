// The Qt host every Qt test shares, and a way to see and answer the boxes
// that come up while a test acts.
#pragma once

#include <QImage>
#include <QMessageBox>
#include <functional>
#include <vector>

#include "forms/qt/qt_host.h"

extern forms::THost* QtTestHost;

struct TSeenBox {
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QImage Pixmap;
    bool ApplicationModal = false;
    bool OneOkButton = false;  // the only button, both default and Esc
    QWidget* Owner = nullptr;
};

enum class TBoxAnswer { ClickOk, CloseWindow };

// Runs `action`, answering every box that comes up meanwhile with OK, or
// closing it as its title bar would; `whileUp` sees the screen while each
// box is still up.
std::vector<TSeenBox> AnsweringBoxes(const std::function<void()>& action, TBoxAnswer answer = TBoxAnswer::ClickOk,
                                     const std::function<void()>& whileUp = {});
