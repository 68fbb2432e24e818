// One form on the screen: a fixed-size window with the menu bar above a
// client area that the library paints, and native edits on top of it.
#pragma once

#include <QMainWindow>
#include <map>

#include "forms/form.h"
#include "forms/qt/qt_edit.h"

namespace forms {

class QtClientArea final : public QWidget {
public:
    QtClientArea(TForm& form, QWidget* parent);
    void FormGone() { form_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TForm* form_;
};

class QtFormWindow final : public QMainWindow, private TFormView {
public:
    explicit QtFormWindow(TForm& form);
    ~QtFormWindow() override;

    TForm* Form() const { return form_; }
    QtClientArea* ClientArea() const { return client_; }
    // The native edit that stands for `edit`, if it is on this form.
    QtEdit* NativeEdit(const TEdit* edit) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Repaint() override;
    void Forget(TControl& control) override;
    void FocusChanged() override;

    void BuildMenu();
    // Gives every TEdit on the form its native edit, in place and in step.
    void SyncEdits();

    TForm* form_;
    QtClientArea* client_;
    std::map<const TEdit*, QtEdit*> edits_;
};

}  // namespace forms
