#include "qt_support/message_boxes.h"

#include <QPushButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

std::vector<TSeenBox> AnsweringBoxes(const std::function<void()>& action, TBoxAnswer answer,
                                     const std::function<void()>& whileUp) {
    std::vector<TSeenBox> seen;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        seen.push_back({box->windowTitle(), box->text(), box->icon(), box->iconPixmap().toImage(),
                        box->windowModality() == Qt::ApplicationModal,
                        box->buttons().size() == 1 && ok && box->defaultButton() == ok && box->escapeButton() == ok,
                        box->parentWidget()});
        if (whileUp) whileUp();
        if (answer == TBoxAnswer::ClickOk && ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            box->close();
    });
    timer.start();
    action();
    timer.stop();
    return seen;
}
