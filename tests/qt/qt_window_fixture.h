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
#include "qt_support/message_boxes.h"
#include "support/temp_dir.h"
#include "ui/main_form.h"

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
};

// Client-area corner of the board cell and of a letter key.
QPoint CellCorner(int row, int column);
QPoint KeyCorner(char letter);
// How many pixels of the square differ from `fill`: a caption's ink.
int InkPixels(const QImage& image, QPoint corner, int size, QRgb fill);
