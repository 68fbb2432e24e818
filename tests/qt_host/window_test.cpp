// The window of a form: its size, place, menu and closing, the loop, and
// what is left of it when the form is freed.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "qt_host/qt_host_fixture.h"

namespace {

using namespace forms;
using QtHostWindowTest = QtHostFixture;

TEST_F(QtHostWindowTest, TheClientAreaHasTheFormsSizeBelowTheMenuAndCannotBeResized) {
    Show();
    EXPECT_EQ(window->windowTitle(), "Host Test");
    EXPECT_EQ(window->ClientArea()->size(), QSize(457, 282));
    EXPECT_LE(window->menuBar()->geometry().bottom(), window->ClientArea()->geometry().top());
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->ClientArea()->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(window->menuBar()->focusPolicy(), Qt::NoFocus);
}

TEST_F(QtHostWindowTest, TheWindowIsCentredOnlyWhenFirstShown) {
    Show();
    const QPoint centre = window->screen()->availableGeometry().center();
    // The frame is not known before the window shows: it may be off by half of it.
    const QSize frame = window->frameGeometry().size() - window->size();
    EXPECT_LE(std::abs(window->frameGeometry().center().x() - centre.x()), frame.width() / 2 + 1);
    EXPECT_LE(std::abs(window->frameGeometry().center().y() - centre.y()), frame.height() / 2 + 1);

    window->move(10, 20);
    const QPoint moved = window->pos();
    window->hide();
    Show();
    EXPECT_EQ(window->pos(), moved);
}

TEST_F(QtHostWindowTest, TheMenuCarriesAccessKeysShortcutsAndClicks) {
    Show();
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 1);
    EXPECT_EQ(bar[0]->text(), "&Game");
    const QList<QAction*> items = bar[0]->menu()->actions();
    const struct {
        const char* text;
        const char* shortcut;
    } expected[] = {{"&New Game", "F2"}, {"E&xit", ""}};
    ASSERT_EQ(items.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(items[i]->text(), expected[i].text);
        EXPECT_EQ(items[i]->shortcut().toString(QKeySequence::NativeText), expected[i].shortcut);
    }

    QTest::keyClick(window, Qt::Key_F2);
    EXPECT_EQ(form->NewGameClicks, 1) << "the shortcut, with the edit focused";
    items[0]->trigger();
    EXPECT_EQ(form->NewGameClicks, 2);

    // The access keys: Alt+G opens the menu, N chooses New Game.
    QTest::keyClick(window, Qt::Key_G, Qt::AltModifier);
    QMenu* game = bar[0]->menu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return game->isVisible(); }, 30000));
    QTest::keyClick(game, Qt::Key_N);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->NewGameClicks == 3; }, 30000));
    EXPECT_EQ(form->Edit->Text(), "") << "none of these keys types anything";
}

TEST_F(QtHostWindowTest, ClosingRunsOnCloseWhichDecides) {
    Show();
    const struct {
        TCloseAction action;
        bool ends;
    } cases[] = {{caNone, false}, {caHide, true}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.ends);
        form->CloseAction = row.action;
        window->close();
        EXPECT_EQ(application.Terminated(), row.ends);
        EXPECT_TRUE(window->isVisible()) << "the window goes when the program ends";
    }
    EXPECT_EQ(form->Closes, 2);
}

// A timer that dies with the test, unlike a single shot that has not fired.
void After(QTimer& timer, int milliseconds, const std::function<void()>& action) {
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, action);
    timer.start(milliseconds);
}

TEST_F(QtHostWindowTest, TheLoopRunsUntilAQuitIsPostedAndTakesIt) {
    // A quit posted before the loop ends it before it starts.
    bool handledAnEvent = false;
    QTimer early;
    After(early, 0, [&] { handledAnEvent = true; });
    QtTestHost->PostQuit();
    QtTestHost->RunLoop();
    EXPECT_FALSE(handledAnEvent);
    early.stop();

    // That quit taken, closing the main window ends the next loop from inside it.
    bool closedInLoop = false;
    QTimer close;
    After(close, 0, [&] {
        closedInLoop = true;
        if (QtFormWindow* shown = WindowOf(*form)) shown->close();
    });
    // Should the close not end the loop, the test fails rather than hang.
    bool hung = false;
    QTimer guard;
    After(guard, 60000, [&] {
        hung = true;
        QtTestHost->PostQuit();
    });
    application.Run();
    EXPECT_TRUE(closedInLoop);
    EXPECT_FALSE(hung);
    EXPECT_EQ(form->Closes, 1);
    EXPECT_TRUE(application.Terminated());
}

TEST_F(QtHostWindowTest, OnlyThePostedQuitEndsTheLoop) {
    QtTestHost->PostQuit();
    QtTestHost->RunLoop();  // takes whatever quit an earlier test left

    // With no window on screen, the box is the last window to close.
    // Some turns of the loop later, it must still be running.
    int turnsLeft = 5;
    QTimer box, turn;
    turn.setSingleShot(true);
    QObject::connect(&turn, &QTimer::timeout, [&] {
        if (--turnsLeft > 0)
            turn.start(0);
        else
            QtTestHost->PostQuit();
    });
    After(box, 0, [&] {
        AnsweringBoxes([] { Application->ShowMessage("Error: Did not read any records."); }, TBoxAnswer::CloseWindow);
        turn.start(0);
    });
    bool hung = false;
    QTimer guard;
    After(guard, 60000, [&] {
        hung = true;
        QtTestHost->PostQuit();
    });
    QtTestHost->RunLoop();
    EXPECT_EQ(turnsLeft, 0) << "the loop ended on its own";
    EXPECT_FALSE(hung);
}

TEST_F(QtHostWindowTest, FreeingAFormLeavesItsWindowHiddenAndDeaf) {
    TTestForm* second = nullptr;
    application.CreateForm(second);
    Show(*second);
    QtFormWindow* secondWindow = WindowOf(*second);
    QLineEdit* box = secondWindow->NativeEdit(second->Edit);
    ASSERT_NE(box, nullptr);

    delete second;
    EXPECT_FALSE(secondWindow->isVisible());
    EXPECT_EQ(secondWindow->Form(), nullptr);
    // Nothing may reach the freed form now.
    secondWindow->close();
    QTest::keyClicks(box, "ab");
    secondWindow->ClientArea()->grab();
}

}  // namespace
