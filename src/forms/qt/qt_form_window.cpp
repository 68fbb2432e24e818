#include "forms/qt/qt_form_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>

#include "forms/dispatcher.h"
#include "forms/qt/qt_canvas.h"

namespace forms {

namespace {

QKeySequence ToKeySequence(TShortCut shortCut) {
    if (shortCut >= VK_F1 && shortCut <= VK_F12) return QKeySequence(Qt::Key_F1 + (shortCut - VK_F1));
    return {};
}

QString FromBytes(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<int>(text.size())); }

// Calls `visit` for every edit on the control, with its place in the client
// area and whether it shows.
template <typename Visit>
void ForEachEdit(const TWinControl& parent, int left, int top, bool shown, Visit&& visit) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* child = parent.Controls(i);
        const int childLeft = left + child->Left();
        const int childTop = top + child->Top();
        const bool childShown = shown && child->Visible();
        if (auto* edit = dynamic_cast<TEdit*>(child))
            visit(*edit, QRect(childLeft, childTop, child->Width(), child->Height()), childShown);
        if (auto* container = dynamic_cast<TWinControl*>(child))
            ForEachEdit(*container, childLeft, childTop, childShown, visit);
    }
}

}  // namespace

QtClientArea::QtClientArea(TForm& form, QWidget* parent) : QWidget(parent), form_(&form) {
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(form.ClientWidth, form.ClientHeight);
}

void QtClientArea::paintEvent(QPaintEvent*) {
    if (!form_) return;
    QPainter painter(this);
    QtCanvas canvas(painter, palette());
    PaintForm(*form_, canvas);
}

QtFormWindow::QtFormWindow(TForm& form)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      form_(&form),
      client_(new QtClientArea(form, this)) {
    setWindowTitle(QString::fromStdString(form.Caption));
    setCentralWidget(client_);
    BuildMenu();
    // The client area has the form's size and the window follows it: the
    // user cannot resize or maximise it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    form.SetView(this);
    SyncEdits();
}

QtFormWindow::~QtFormWindow() {
    if (form_) form_->SetView(nullptr);
}

void QtFormWindow::BuildMenu() {
    if (!form_->Menu) return;
    QMenuBar* bar = menuBar();
    bar->setFocusPolicy(Qt::NoFocus);
    TMenuItem* items = form_->Menu->Items;
    for (int i = 0; i < items->Count(); ++i) {
        TMenuItem* top = items->Items(i);
        QMenu* menu = bar->addMenu(FromBytes(top->Caption));
        for (int j = 0; j < top->Count(); ++j) {
            TMenuItem* item = top->Items(j);
            QAction* action = menu->addAction(FromBytes(item->Caption));
            action->setShortcut(ToKeySequence(item->ShortCut));
            // The action is reached through the window, focus or not.
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
            connect(action, &QAction::triggered, this, [item] { DeliverMenuClick(*item); });
        }
    }
}

QtEdit* QtFormWindow::NativeEdit(const TEdit* edit) const {
    const auto found = edits_.find(edit);
    return found == edits_.end() ? nullptr : found->second;
}

void QtFormWindow::SyncEdits() {
    if (!form_) return;
    ForEachEdit(*form_, 0, 0, true, [this](TEdit& edit, const QRect& area, bool shown) {
        QtEdit*& native = edits_[&edit];
        if (!native) native = new QtEdit(edit, client_);
        native->Sync(area, shown);
    });
}

void QtFormWindow::Repaint() {
    client_->update();
    SyncEdits();
}

void QtFormWindow::Forget(TControl& control) {
    for (auto it = edits_.begin(); it != edits_.end();) {
        if (IsWithin(it->first, &control)) {
            // The widget may be inside its own key handler: delete it later.
            it->second->Detach();
            it->second->deleteLater();
            it = edits_.erase(it);
        } else {
            ++it;
        }
    }
    if (&control == form_) {
        form_ = nullptr;
        client_->FormGone();
        hide();
    }
    client_->update();
}

void QtFormWindow::FocusChanged() {
    if (!form_) return;
    if (QtEdit* native = NativeEdit(dynamic_cast<const TEdit*>(form_->ActiveControl()))) {
        if (!native->hasFocus()) native->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* focused = focusWidget(); focused && focused->hasFocus()) {
        focused->clearFocus();
    }
}

void QtFormWindow::closeEvent(QCloseEvent* event) {
    // The window stays until the program ends; the close handler decides.
    event->ignore();
    if (form_) DeliverClose(*form_);
}

void QtFormWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && form_) DeliverActivate(*form_);
}

}  // namespace forms
