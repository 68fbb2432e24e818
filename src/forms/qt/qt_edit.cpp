#include "forms/qt/qt_edit.h"

#include <QKeyEvent>
#include <QPointer>

#include "forms/dispatcher.h"
#include "forms/form.h"
#include "forms/qt/qt_palette.h"

namespace forms {

namespace {

Qt::Key KeyOfCharacter(char key) {
    switch (key) {
        case KeyBackspace: return Qt::Key_Backspace;
        case KeyEnter: return Qt::Key_Return;
        default: return Qt::Key_unknown;  // the box inserts the key's text
    }
}

}  // namespace

QValidator::State QtTypedCharacterValidator::validate(QString& input, int&) const {
    for (QChar& c : input) {
        if (c.unicode() > 0xFF) return Invalid;
        const char typed = edit_.TypedCharacter(static_cast<char>(c.unicode()));
        if (typed == 0) return Invalid;
        c = QChar(static_cast<unsigned char>(typed));
    }
    return Acceptable;
}

QtEdit::QtEdit(TEdit& edit, QWidget* parent) : QLineEdit(parent), edit_(&edit) {
    setValidator(new QtTypedCharacterValidator(edit, this));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (edit_) edit_->SetText(text.toLatin1().toStdString());
    });
}

void QtEdit::Detach() {
    edit_ = nullptr;
    setValidator(nullptr);
    hide();
}

void QtEdit::Sync(const QRect& area, bool shown) {
    if (!edit_) return;
    if (geometry() != area) setGeometry(area);
    setFrame(edit_->BorderStyle != bsNone);
    setFont(ToQFont(edit_->Font()));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ToQColor(edit_->Color, colours));
    colours.setColor(QPalette::Text, ToQColor(edit_->Font().Color, colours));
    setPalette(colours);
    setMaxLength(edit_->MaxLength > 0 ? edit_->MaxLength : 32767);
    const QString text = QString::fromLatin1(edit_->Text().data(), static_cast<int>(edit_->Text().size()));
    if (this->text() != text) setText(text);
    setEnabled(edit_->Enabled());
    setVisible(shown);
}

void QtEdit::keyPressEvent(QKeyEvent* event) {
    // What reaches the handler is the one byte the key types, if any: not
    // Delete, which edits, nor an Alt combination, which belongs to the menu.
    char key = 0;
    bool types = false;
    if (event->key() == Qt::Key_Delete || (event->modifiers() & Qt::AltModifier)) {
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        key = KeyEnter;
        types = true;
    } else if (const QString text = event->text(); text.size() == 1 && text[0].unicode() <= 0xFF) {
        key = static_cast<char>(text[0].unicode());
        types = true;
    }
    if (types && edit_) {
        const char typed = key;
        const QPointer<QtEdit> alive(this);
        const bool goOn = DeliverKeyPress(*edit_, key);
        if (!alive || !edit_) return;
        if (!goOn) {
            event->accept();
            return;
        }
        if (key != typed) {
            // The handler put another key in the typed one's place.
            QKeyEvent replacement(QEvent::KeyPress, KeyOfCharacter(key), Qt::NoModifier,
                                  QString(QChar(static_cast<unsigned char>(key))));
            QLineEdit::keyPressEvent(&replacement);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void QtEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (edit_)
        if (TForm* form = edit_->ParentForm()) form->SetActiveControl(edit_);
}

}  // namespace forms
