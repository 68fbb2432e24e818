// The real window: what it shows, pixel by pixel, and how keys, menus and
// boxes reach the game.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "qt/qt_window_fixture.h"

namespace {

const QRgb Green = qRgb(0, 128, 0);
const QRgb Yellow = qRgb(255, 255, 0);

using MainWindowTest = QtWindowFixture;

// A raised bevel is light at the top left and dark at the bottom right; a
// lowered one the other way round.
void ExpectBevel(const QImage& image, QPoint corner, int size, QRgb topLeft, QRgb bottomRight) {
    EXPECT_EQ(image.pixel(corner), topLeft) << corner.x() << "," << corner.y();
    EXPECT_EQ(image.pixel(corner + QPoint(size / 2, 0)), topLeft);
    EXPECT_EQ(image.pixel(corner + QPoint(size - 1, size - 1)), bottomRight);
    EXPECT_EQ(image.pixel(corner + QPoint(0, size - 1) + QPoint(size / 2, 0)), bottomRight);
}

TEST_F(MainWindowTest, TheWindowHasItsSizeTitleAndNoWayToResize) {
    Start();
    EXPECT_EQ(window->windowTitle(), "Plimbor");
    EXPECT_EQ(window->ClientArea()->size(), QSize(457, 282));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_TRUE(Input()->hasFocus());
}

TEST_F(MainWindowTest, TheBoardKeysAndMarginsLookAsDesigned) {
    Start();
    form->PlaceTile(1, 1, 'G', forms::clGreen);
    form->PlaceTile(1, 2, 'Y', forms::clYellow);
    form->PlaceTile(1, 3, 'P', std::nullopt);
    QApplication::processEvents();
    const QImage image = Grab();
    const QRgb light = System(QPalette::Light), dark = System(QPalette::Dark), face = System(QPalette::Button);

    for (QPoint margin : {QPoint(2, 2), QPoint(236, 100), QPoint(450, 278)}) EXPECT_EQ(image.pixel(margin), Green);

    SCOPED_TRACE("an empty tile is sunken, twice");
    ExpectBevel(image, CellCorner(0, 0), 33, dark, light);
    EXPECT_EQ(image.pixel(CellCorner(0, 0) + QPoint(1, 1)), dark);
    EXPECT_EQ(InkPixels(image, CellCorner(0, 0), 33, face), 0);

    const struct {
        int column;
        QRgb fill;
    } scored[] = {{0, Green}, {1, Yellow}, {2, face}};
    for (const auto& tile : scored) {
        SCOPED_TRACE(tile.column);
        ExpectBevel(image, CellCorner(1, tile.column), 33, light, dark);
        EXPECT_EQ(image.pixel(CellCorner(1, tile.column) + QPoint(3, 3)), tile.fill);
        EXPECT_GT(InkPixels(image, CellCorner(1, tile.column), 33, tile.fill), 10) << "its letter shows";
    }

    SCOPED_TRACE("a key is raised outside, lowered inside, with its letter");
    ExpectBevel(image, KeyCorner('A'), 25, light, dark);
    EXPECT_EQ(image.pixel(KeyCorner('A') + QPoint(1, 1)), dark);
    EXPECT_GT(InkPixels(image, KeyCorner('A'), 25, face), 5);
    EXPECT_EQ(InkPixels(image, QPoint(240 + 16 + 125, 24 + 75), 25, face), 0) << "no key after Z";
}

TEST_F(MainWindowTest, TypingIsUpperCaseAndStopsAtFive) {
    Start();
    QTest::keyClick(Input(), Qt::Key_C);
    EXPECT_EQ(form->InputEdit->Text(), "C");
    QTest::keyClicks(Input(), "rane!");
    EXPECT_EQ(Input()->text(), "CRANE");
    EXPECT_EQ(form->InputEdit->Text(), "CRANE");
    QTest::keyClick(Input(), Qt::Key_Backspace);
    EXPECT_EQ(form->InputEdit->Text(), "CRAN");
}

TEST_F(MainWindowTest, TheMenuCarriesAccessKeysAndTheShortcut) {
    Start();
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&Game");
    EXPECT_EQ(bar[1]->text(), "&Help");
    const QList<QAction*> game = bar[0]->menu()->actions();
    ASSERT_EQ(game.size(), 2);
    EXPECT_EQ(game[0]->text(), "&New Game");
    EXPECT_EQ(game[0]->shortcut().toString(), "F2");
    EXPECT_EQ(game[1]->text(), "E&xit");
    EXPECT_EQ(bar[1]->menu()->actions().at(0)->text(), "&About...");

    form->InputEdit->SetText("AB");
    QTest::keyClick(window, Qt::Key_F2);
    EXPECT_EQ(form->InputEdit->Text(), "") << "F2 starts a new game";

    // Alt+G opens the Game menu, N then chooses New Game, X Exit.
    form->InputEdit->SetText("AB");
    QTest::keyClick(window, Qt::Key_G, Qt::AltModifier);
    QApplication::processEvents();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "Alt+G opens the Game menu";
    QTest::keyClick(popup, Qt::Key_N);
    QApplication::processEvents();
    EXPECT_EQ(form->InputEdit->Text(), "");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    QTest::keyClick(window, Qt::Key_G, Qt::AltModifier);
    QApplication::processEvents();
    popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_X);
    QApplication::processEvents();
    EXPECT_TRUE(application->Terminated()) << "E&xit answers to X";
}

TEST_F(MainWindowTest, BoxesAreModalWithTheirCaptionTextAndIcon) {
    Start();
    const auto seen = AnsweringBoxes([&] {
        forms::Application->MessageBox("Could not open word dictionary.", "Catastrophic Error", forms::MB_ICONERROR);
        forms::Application->MessageBox("Guesses must be 5 letters.", "Bad Guess", forms::MB_ICONWARNING);
        forms::Application->ShowMessage("Error: Did not read any records from dictionary.");
        window->menuBar()->actions().at(1)->menu()->actions().at(0)->trigger();
    });
    ASSERT_EQ(seen.size(), 4u);
    const struct {
        const char* title;
        const char* text;
        QMessageBox::Icon icon;
    } expected[] = {
        {"Catastrophic Error", "Could not open word dictionary.", QMessageBox::Critical},
        {"Bad Guess", "Guesses must be 5 letters.", QMessageBox::Warning},
        {"Plimbor", "Error: Did not read any records from dictionary.", QMessageBox::NoIcon},
        {"About Plimbor 1.0 32-bit", "Plimbor 1.0 32-bit", QMessageBox::NoIcon},
    };
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(expected[i].title);
        EXPECT_EQ(seen[i].Title, expected[i].title);
        EXPECT_EQ(seen[i].Text, expected[i].text);
        if (i < 3) {
            EXPECT_EQ(seen[i].Icon, expected[i].icon);
        }
        EXPECT_TRUE(seen[i].ApplicationModal);
        EXPECT_EQ(seen[i].Owner, window);
    }
    EXPECT_FALSE(seen[3].Pixmap.isNull()) << "the About box shows the program's icon";
}

TEST_F(MainWindowTest, ClosingTheWindowClosesTheWordFilesAndEndsTheProgram) {
    Start();
    window->close();
    EXPECT_FALSE(form->WordFilesOpen());
    EXPECT_TRUE(application->Terminated());
}

TEST_F(MainWindowTest, AWholeGameFromTheKeyboard) {
    Start({"crane"});
    const QRgb face = System(QPalette::Button), dark = System(QPalette::Dark);

    EXPECT_TRUE(AnsweringBoxes([&] {
                    QTest::keyClicks(Input(), "react");
                    QTest::keyClick(Input(), Qt::Key_Return);
                }).empty());
    EXPECT_EQ(Input()->text(), "");
    QApplication::processEvents();
    QImage image = Grab();
    const QRgb row0[] = {Yellow, Yellow, Green, Yellow, face};
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(image.pixel(CellCorner(0, column) + QPoint(3, 3)), row0[column]) << column;
        EXPECT_GT(InkPixels(image, CellCorner(0, column), 33, row0[column]), 10) << column;
    }
    const struct {
        char letter;
        QRgb colour;
    } keys[] = {{'R', Yellow}, {'E', Yellow}, {'A', Green}, {'C', Yellow}, {'T', dark}, {'S', face}};
    for (const auto& key : keys) EXPECT_EQ(image.pixel(KeyCorner(key.letter) + QPoint(3, 3)), key.colour) << key.letter;

    QImage duringBox;
    const auto seen = AnsweringBoxes(
        [&] {
            QTest::keyClicks(Input(), "crane");
            QTest::keyClick(Input(), Qt::Key_Return);
        },
        TBoxAnswer::ClickOk, [&] { duringBox = Grab(); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Title, "Hurravo");
    EXPECT_EQ(seen[0].Text, "Magnificent");
    EXPECT_EQ(seen[0].Icon, QMessageBox::Information);
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(duringBox.pixel(CellCorner(1, column) + QPoint(3, 3)), Green) << "the row shows while the box is up";
    EXPECT_EQ(duringBox.pixel(KeyCorner('R') + QPoint(3, 3)), Green);
    EXPECT_FALSE(Input()->isEnabled());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F2);
    QApplication::processEvents();
    image = Grab();
    EXPECT_TRUE(Input()->isEnabled());
    EXPECT_EQ(image.pixel(CellCorner(0, 0)), dark) << "the board is empty again";
    EXPECT_EQ(image.pixel(CellCorner(1, 0) + QPoint(3, 3)), face);
    EXPECT_EQ(image.pixel(KeyCorner('R') + QPoint(3, 3)), face);
}

}  // namespace
