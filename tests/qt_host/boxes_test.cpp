// The host's boxes: modal over the shown window, with their caption, text,
// icon and one OK button; and the report of an error no handler caught.
#include <QTest>

#include "qt_host/qt_host_fixture.h"

namespace {

using namespace forms;
using QtHostBoxesTest = QtHostFixture;

void ExpectModalWithOneOk(const TSeenBox& box, QWidget* owner) {
    EXPECT_TRUE(box.ApplicationModal);
    EXPECT_TRUE(box.OneOkButton);
    EXPECT_EQ(box.Owner, owner);
}

TEST_F(QtHostBoxesTest, MessageBoxesCarryCaptionTextAndIcon) {
    Show();
    const struct {
        const char* what;
        std::function<int()> show;
        const char* title;
        const char* text;
        QMessageBox::Icon icon;
    } cases[] = {
        {"error", [] { return Application->MessageBox("Could not open.", "Catastrophic Error", MB_ICONERROR); },
         "Catastrophic Error", "Could not open.", QMessageBox::Critical},
        {"warning", [] { return Application->MessageBox("Guesses must be 5 letters.", "Bad Guess", MB_ICONWARNING); },
         "Bad Guess", "Guesses must be 5 letters.", QMessageBox::Warning},
        {"information", [] { return Application->MessageBox("Magnificent", "Hurravo", MB_ICONINFORMATION); },
         "Hurravo", "Magnificent", QMessageBox::Information},
        {"no icon", [] { return Application->MessageBox("<b>as typed</b>", "Plain", MB_OK); }, "Plain",
         "<b>as typed</b>", QMessageBox::NoIcon},
        {"the plain dialog, captioned with the title",
         [] {
             Application->ShowMessage("Error: Did not read any records.");
             return IDOK;
         },
         "Plimbor Test", "Error: Did not read any records.", QMessageBox::NoIcon},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        int result = 0;
        const auto seen = AnsweringBoxes([&] { result = row.show(); });
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].Title, row.title);
        EXPECT_EQ(seen[0].Text, row.text);
        EXPECT_EQ(seen[0].Icon, row.icon);
        ExpectModalWithOneOk(seen[0], window);
        EXPECT_EQ(result, IDOK);
    }
}

TEST_F(QtHostBoxesTest, TheAboutBoxShowsTheProgramsIcon) {
    Show();
    const auto seen = AnsweringBoxes([&] { Application->ShowAbout(*form, "Plimbor 1.0 32-bit"); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Text, "Plimbor 1.0 32-bit");
    const QImage icon(":/icons/MAINICON.png");
    ASSERT_FALSE(icon.isNull()) << "the executable holds the icon";
    EXPECT_EQ(seen[0].Pixmap.convertToFormat(QImage::Format_RGB32), icon.convertToFormat(QImage::Format_RGB32));
    ExpectModalWithOneOk(seen[0], window);
}

TEST_F(QtHostBoxesTest, ABoxBeforeAnyWindowShowsHasNoOwner) {
    const auto seen = AnsweringBoxes([] { Application->MessageBox("Could not open.", "Catastrophic Error", MB_ICONERROR); });
    ASSERT_EQ(seen.size(), 1u);
    ExpectModalWithOneOk(seen[0], nullptr);
}

TEST_F(QtHostBoxesTest, AnErrorEscapingAHandlerIsReportedAndTheProgramGoesOn) {
    Show();
    form->NewGameThrows = true;
    for (int click = 1; click <= 2; ++click) {
        SCOPED_TRACE(click);
        const auto seen = AnsweringBoxes([&] { QTest::keyClick(window, Qt::Key_F2); });
        EXPECT_EQ(form->NewGameClicks, click);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].Text, "boom.");
        EXPECT_EQ(seen[0].Title, "Plimbor Test");
        EXPECT_EQ(seen[0].Icon, QMessageBox::Critical);
        // As the desktop does once the box is gone; the offscreen platform does not.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window, 30000));
    }
}

}  // namespace
