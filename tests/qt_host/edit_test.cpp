// The native box over an edit: real key events reach the key handler, the
// text follows the edit's rule, and the focus follows the forms library.
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "forms/dispatcher.h"
#include "qt_host/qt_host_fixture.h"

namespace {

using namespace forms;
using QtHostEditTest = QtHostFixture;

QLineEdit* BoxOf(const QtFormWindow& window, const TEdit& edit) { return window.NativeEdit(&edit); }

TEST_F(QtHostEditTest, TheBoxLiesOverTheEditAndFollowsIt) {
    Show();
    QLineEdit* box = BoxOf(*window, *form->Edit);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->geometry(), QRect(248, 224, 145, 17)) << "inside its panel, in client coordinates";
    EXPECT_FALSE(box->hasFrame());
    EXPECT_EQ(box->maxLength(), 5);

    form->Edit->SetText("ABC");
    EXPECT_EQ(box->text(), "ABC");
    form->EditFrame->SetVisible(false);
    EXPECT_FALSE(box->isVisible()) << "hidden with its parent";
    form->EditFrame->SetVisible(true);
    EXPECT_TRUE(box->isVisible());
}

TEST_F(QtHostEditTest, KeysReachTheHandlerAsTypedAndTheBoxAsTheEditTakesThem) {
    Show();
    const struct {
        const char* what;
        const char* keys;
        std::function<void(char&)> rule;
        const char* text;
    } cases[] = {
        {"letters become upper case up to the limit", "crane!", {}, "CRANE"},
        {"Enter reaches the handler and types nothing", "ab\r", {}, "AB"},
        {"Backspace takes a letter back", "abc\bd", {}, "ABD"},
        {"a swallowed key stays out", "axb", [](char& key) { if (key == 'x') key = 0; }, "AB"},
        {"a replaced key types its replacement", "ab", [](char& key) { if (key == 'a') key = 'e'; }, "EB"},
    };
    QLineEdit* box = BoxOf(*window, *form->Edit);
    ASSERT_NE(box, nullptr);
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        form->Edit->SetText("");
        form->KeysSeen.clear();
        form->KeyRule = row.rule;
        QTest::keyClicks(box, row.keys);
        EXPECT_EQ(form->KeysSeen, row.keys) << "the handler sees each key as typed";
        EXPECT_EQ(form->Edit->Text(), row.text);
        EXPECT_EQ(box->text().toStdString(), row.text);
    }

    // Keys that type nothing reach the box alone.
    form->Edit->SetText("AB");
    form->KeysSeen.clear();
    form->KeyRule = {};
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(form->KeysSeen, "");
    EXPECT_EQ(form->Edit->Text().substr(0, 1), "B") << "Delete still edits";
}

TEST_F(QtHostEditTest, FocusComesWithActivationAndClicksAndGoesWhenDisabled) {
    Show();
    QLineEdit* box = BoxOf(*window, *form->Edit);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->hasFocus()) << "activation focuses the first edit";
    EXPECT_EQ(form->ActiveControl(), form->Edit);

    form->Edit->SetEnabled(false);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(box->hasFocus());
    EXPECT_EQ(form->ActiveControl(), nullptr);

    form->Edit->SetEnabled(true);
    EXPECT_TRUE(box->isEnabled());
    EXPECT_FALSE(box->hasFocus()) << "enabling does not give the focus back";
    EXPECT_EQ(form->ActiveControl(), nullptr);

    DeliverActivate(*form);
    EXPECT_TRUE(box->hasFocus());

    form->SetActiveControl(nullptr);
    EXPECT_FALSE(box->hasFocus());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(form->ActiveControl(), form->Edit) << "a click gives the form's focus too";
}

TEST_F(QtHostEditTest, AnEditThatLeavesTheFormTakesItsBoxAlong) {
    Show();
    QPointer<QLineEdit> old = BoxOf(*window, *form->Edit);
    ASSERT_FALSE(old.isNull());
    // Moved in the middle of its own key press.
    form->KeyRule = [this](char& key) {
        if (key == 'z') form->Edit->SetParent(form->Raised);
    };
    QTest::keyClicks(old, "az");
    EXPECT_EQ(form->Edit->Text(), "A") << "the key that moved it types nothing";
    QLineEdit* moved = BoxOf(*window, *form->Edit);
    ASSERT_NE(moved, nullptr);
    EXPECT_NE(moved, old.data());
    EXPECT_EQ(moved->geometry(), QRect(16, 16, 145, 17));
    EXPECT_EQ(moved->text(), "A");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull()) << "the old box is freed";

    delete form->Raised;  // it does not own the edit, which is left without a parent
    EXPECT_EQ(BoxOf(*window, *form->Edit), nullptr);
    EXPECT_EQ(form->ActiveControl(), nullptr);
}

}  // namespace
