#include "qt/qt_window_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void QtWindowFixture::Start(const std::vector<std::string>& answers) {
    dir.WriteRecords(DictionaryFileName, {"ab1de", "apple", "build", "crane", "eerie", "level", "paper", "react",
                                          "slate", "trace"});
    dir.WriteRecords(AnswersFileName, answers);
    application.emplace(*QtTestHost);
    application->Title = "Plimbor";
    application->CreateForm(form);
    form->WordFileDirectory = dir.Path("");
    form->Clock = [] { return 1234u; };
    application->ShowMainForm();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* candidate = dynamic_cast<forms::QtFormWindow*>(widget); candidate && candidate->Form() == form)
            window = candidate;
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

void QtWindowFixture::TearDown() {
    if (form) {
        forms::TCloseAction action = forms::caHide;
        form->FormClose(form, action);
    }
    application.reset();
    QApplication::processEvents();
}

QPoint CellCorner(int row, int column) { return {8 + 16 + 40 * column, 8 + 16 + 40 * row}; }

QPoint KeyCorner(char letter) {
    const int k = letter - 'A';
    return {240 + 16 + 25 * (k % 7), 8 + 16 + 25 * (k / 7)};
}

int InkPixels(const QImage& image, QPoint corner, int size, QRgb fill) {
    int ink = 0;
    for (int y = corner.y() + 4; y < corner.y() + size - 4; ++y)
        for (int x = corner.x() + 4; x < corner.x() + size - 4; ++x) ink += image.pixel(x, y) != fill;
    return ink;
}
