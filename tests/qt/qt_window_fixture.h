// The game in a real Qt window, driven with real key events.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <functional>
#include <optional>

#include "forms/application.h"
#include "forms/qt/qt_form_window.h"
#include "forms/qt/qt_host.h"
#include "support/temp_dir.h"
#include "ui/main_form.h"

extern forms::THost* QtTestHost;

struct TSeenBox {
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    bool HasPixmap = false;
    bool ApplicationModal = false;
    QWidget* Owner = nullptr;
};

class QtWindowFixture : public ::testing::Test {
protected:
    TempDir dir;
    std::optional<forms::TApplication> application;
    TMainForm* form = nullptr;
    forms::QtFormWindow* window = nullptr;

    void Start(const std::vector<std::string>& answers = {"crane"});
    void TearDown() override;

    QLineEdit* Input() const { return window->NativeEdit(form->InputEdit); }
    QImage Grab() const { return window->ClientArea()->grab().toImage(); }
    QRgb System(QPalette::ColorRole role) const { return window->ClientArea()->palette().color(QPalette::Active, role).rgb(); }

    // Runs `action`, answering every message box that comes up with OK;
    // `whileUp` sees the screen while each box is still up.
    std::vector<TSeenBox> AnsweringBoxes(const std::function<void()>& action,
                                         const std::function<void()>& whileUp = {});
};

// Client-area corner of the board cell and of a letter key.
QPoint CellCorner(int row, int column);
QPoint KeyCorner(char letter);
// How many pixels of the square differ from `fill`: a caption's ink.
int InkPixels(const QImage& image, QPoint corner, int size, QRgb fill);
