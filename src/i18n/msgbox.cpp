#include "msgbox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
TMessageResponder* gResponder = nullptr;
}

void SetMessageResponder(TMessageResponder* responder) {
    gResponder = responder;
}

int ShowMessage(const QString& title, const QString& text, int kind) {
    if (gResponder) return gResponder->Answer(title, text, kind);
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = QApplication::activeWindow();
    if (kind == msgbox::Question) {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? msgbox::Yes : msgbox::No;
    }
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.exec();
    return msgbox::Ok;
}
