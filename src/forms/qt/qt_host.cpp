// The Qt host: the application, the windows of the forms, the loop, and
// message boxes as QMessageBox.
#include "forms/qt/qt_host.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <vector>

#include "forms/form.h"
#include "forms/qt/qt_form_window.h"

namespace forms {

namespace {

QString IconPath(const std::string& resource) { return ":/icons/" + QString::fromStdString(resource) + ".png"; }

QString FromBytes(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<int>(text.size())); }

QMessageBox::Icon ToQtIcon(TMessageIcon icon) {
    switch (icon) {
        case TMessageIcon::Error: return QMessageBox::Critical;
        case TMessageIcon::Warning: return QMessageBox::Warning;
        case TMessageIcon::Information: return QMessageBox::Information;
        case TMessageIcon::Question: return QMessageBox::Question;
        case TMessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

class QtHost final : public THost {
public:
    QtHost(int& argc, char** argv) : application_(argc, argv) {
        // Only the program's terminate request ends the loop, not the last
        // window, which may be a box, closing.
        QApplication::setQuitOnLastWindowClosed(false);
        if (QFile::exists(IconPath("MAINICON"))) QApplication::setWindowIcon(QIcon(IconPath("MAINICON")));
    }

    ~QtHost() override {
        for (const QPointer<QtFormWindow>& window : windows_) delete window.data();
    }

    void ShowForm(TForm& form) override {
        QtFormWindow* window = WindowOf(&form);
        if (!window) {
            window = new QtFormWindow(form);
            windows_.push_back(window);
            window->adjustSize();
            // Centred once, when first shown; later showings keep its place.
            if (const QScreen* screen = QGuiApplication::primaryScreen()) {
                const QRect available = screen->availableGeometry();
                window->move(available.center() - QPoint(window->width() / 2, window->height() / 2));
            }
        }
        window->show();
        window->activateWindow();
    }

    void RunLoop() override {
        if (!quitPosted_) {
            loopRunning_ = true;
            QApplication::exec();
            loopRunning_ = false;
        }
        // The quit is taken: a later loop runs until a quit is posted again.
        quitPosted_ = false;
    }

    void PostQuit() override {
        quitPosted_ = true;
        // Asked outside the loop, Qt's exit would also end every modal box
        // shown before the loop starts; the flag alone keeps the loop from
        // starting.
        if (loopRunning_) QCoreApplication::exit(0);
    }

    int MessageBox(const std::string& text, const std::string& caption, TMessageFlags flags) override {
        ShowBox(ToQtIcon(IconOfFlags(flags)), text, caption, {});
        return IDOK;
    }

    void ShowPlainMessage(const std::string& text, const std::string& caption) override {
        ShowBox(QMessageBox::NoIcon, text, caption, {});
    }

    void ShowAbout(TForm& owner, const std::string& text, const std::string& iconResource) override {
        ShowBox(QMessageBox::NoIcon, text, "About " + text, QPixmap(IconPath(iconResource)), WindowOf(&owner));
    }

private:
    QtFormWindow* WindowOf(const TForm* form) const {
        for (const QPointer<QtFormWindow>& window : windows_)
            if (window && window->Form() == form) return window;
        return nullptr;
    }

    // The window a box belongs to: the main window once it is on screen.
    QWidget* BoxOwner() const {
        for (const QPointer<QtFormWindow>& window : windows_)
            if (window && window->isVisible()) return window;
        return nullptr;
    }

    // Modal to the whole program: every window takes no input until it is
    // dismissed.
    void ShowBox(QMessageBox::Icon icon, const std::string& text, const std::string& caption, const QPixmap& pixmap,
                 QWidget* owner = nullptr) {
        QMessageBox box(icon, FromBytes(caption), FromBytes(text), QMessageBox::Ok, owner ? owner : BoxOwner());
        box.setTextFormat(Qt::PlainText);
        if (!pixmap.isNull()) box.setIconPixmap(pixmap);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }

    QApplication application_;
    std::vector<QPointer<QtFormWindow>> windows_;
    bool quitPosted_ = false;
    bool loopRunning_ = false;
};

}  // namespace

std::unique_ptr<THost> CreateQtHost(int& argc, char** argv) { return std::make_unique<QtHost>(argc, argv); }

}  // namespace forms
