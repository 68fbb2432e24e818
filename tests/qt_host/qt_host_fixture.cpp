#include "qt_host/qt_host_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

using namespace forms;

namespace {

TPanel* NewPanel(TForm& form, TWinControl* parent, TRect bounds, TBevelCut outer, TColor colour = clBtnFace) {
    auto* panel = new TPanel(&form);
    panel->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    panel->SetBevelOuter(outer);
    panel->SetColor(colour);
    panel->SetParent(parent);
    return panel;
}

}  // namespace

TTestForm::TTestForm(TComponent* owner) : TForm(owner) {
    Caption = "Host Test";
    ClientWidth = 457;
    ClientHeight = 282;
    Color = clGreen;
    SetFont(TFont{"System", -13, clWindowText, false});
    OnClose = [this](TObject*, TCloseAction& action) {
        ++Closes;
        action = CloseAction;
    };

    Raised = NewPanel(*this, this, {8, 8, 100, 50}, bvRaised);
    Lowered = NewPanel(*this, this, {120, 8, 100, 50}, bvLowered);
    Yellow = NewPanel(*this, this, {8, 70, 100, 40}, bvRaised, clYellow);
    Yellow->SetCaption("W");
    Under = NewPanel(*this, this, {240, 8, 60, 60}, bvNone);
    Over = NewPanel(*this, this, {270, 38, 60, 60}, bvNone, clYellow);

    Label = new TLabel(this);
    Label->SetBounds(8, 130, 60, 16);
    Label->SetCaption("Guess:");
    Label->SetParent(this);

    EditFrame = NewPanel(*this, this, {240, 216, 177, 33}, bvLowered, clWindow);
    Edit = new TEdit(this);
    Edit->SetBounds(8, 8, 145, 17);
    Edit->BorderStyle = bsNone;
    Edit->CharCase = ecUpperCase;
    Edit->MaxLength = 5;
    Edit->OnKeyPress = [this](TObject*, char& key) {
        KeysSeen += key;
        if (KeyRule) KeyRule(key);
    };
    Edit->SetParent(EditFrame);

    MainMenu = new TMainMenu(this);
    TMenuItem* game = AddMenuItem(this, MainMenu->Items, "&Game");
    NewGameItem = AddMenuItem(
        this, game, "&New Game",
        [this](TObject*) {
            ++NewGameClicks;
            if (NewGameThrows) throw std::runtime_error("boom");
        },
        VK_F2);
    ExitItem = AddMenuItem(this, game, "E&xit", [](TObject*) { Application->Terminate(); });
    Menu = MainMenu;
}

void QtHostFixture::SetUp() {
    application.Title = "Plimbor Test";
    application.CreateForm(form);
}

void QtHostFixture::TearDown() {
    // What the test left pending runs while its forms still live.
    QApplication::processEvents();
}

forms::QtFormWindow* QtHostFixture::WindowOf(const TForm& shown) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* candidate = dynamic_cast<QtFormWindow*>(widget); candidate && candidate->Form() == &shown)
            return candidate;
    return nullptr;
}

void QtHostFixture::Show(TForm& shown) {
    QtTestHost->ShowForm(shown);
    QtFormWindow* shownWindow = WindowOf(shown);
    ASSERT_NE(shownWindow, nullptr);
    if (&shown == form) window = shownWindow;
    ASSERT_TRUE(QTest::qWaitForWindowActive(shownWindow, 30000));
}

QImage QtHostFixture::Grab() const { return window->ClientArea()->grab().toImage(); }

QRgb QtHostFixture::System(QPalette::ColorRole role) const {
    return window->ClientArea()->palette().color(QPalette::Active, role).rgb();
}

QRgb PixelAt(const QImage& image, int x, int y) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio)) | 0xFF000000u;
}

bool HasInk(const QImage& image, const QRect& area, QRgb fill) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (PixelAt(image, x, y) != fill) return true;
    return false;
}
