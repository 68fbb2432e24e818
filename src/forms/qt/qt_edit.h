// The native line edit that stands for one TEdit.
#pragma once

#include <QLineEdit>
#include <QValidator>

#include "forms/edit.h"

namespace forms {

// Lets through only what the edit takes, as the edit turns it.
class QtTypedCharacterValidator final : public QValidator {
public:
    QtTypedCharacterValidator(const TEdit& edit, QObject* parent) : QValidator(parent), edit_(edit) {}
    State validate(QString& input, int& position) const override;

private:
    const TEdit& edit_;
};

class QtEdit final : public QLineEdit {
public:
    QtEdit(TEdit& edit, QWidget* parent);

    TEdit* Edit() const { return edit_; }
    // The TEdit is going away: this widget must not reach it any more.
    void Detach();
    // Brings the widget in line with the TEdit.
    void Sync(const QRect& geometry, bool shown);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    TEdit* edit_;
};

}  // namespace forms
