#include "i18n/msgbox.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Presses one button of the message box as soon as it shows, and notes what it showed.
struct Presser {
    QMessageBox::StandardButton press;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;

    void arm() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            for (QAbstractButton* b : box->buttons())
                buttons << box->standardButton(b);
            box->button(press)->click();
        });
    }
};

} // namespace

class MsgBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void realBox_data();
    void realBox();
    void responderAnswersInstead();
};

void MsgBoxTest::realBox_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttonCount");
    QTest::addColumn<int>("result");
    QTest::newRow("kind 1: OK gives 1")
        << 1 << int(QMessageBox::Ok) << int(QMessageBox::Information) << 1 << 1;
    QTest::newRow("kind 2: Yes gives 6")
        << 2 << int(QMessageBox::Yes) << int(QMessageBox::Question) << 2 << 6;
    QTest::newRow("kind 2: No gives 7")
        << 2 << int(QMessageBox::No) << int(QMessageBox::Question) << 2 << 7;
}

void MsgBoxTest::realBox() {
    QFETCH(int, kind);
    QFETCH(int, press);
    QFETCH(int, icon);
    QFETCH(int, buttonCount);
    QFETCH(int, result);
    Presser presser{QMessageBox::StandardButton(press)};
    presser.arm();
    QCOMPARE(ShowMessage(QStringLiteral("Confirmation"),
                         QStringLiteral("Do you wish to exit program?"), kind),
             result);
    QCOMPARE(presser.title, QStringLiteral("Confirmation"));
    QCOMPARE(presser.text, QStringLiteral("Do you wish to exit program?"));
    QCOMPARE(int(presser.icon), icon);
    QCOMPARE(presser.buttons.size(), buttonCount);
}

void MsgBoxTest::responderAnswersInstead() {
    struct : TMessageResponder {
        QStringList asked;
        int Answer(const QString& title, const QString& text, int kind) override {
            asked << QStringLiteral("%1|%2|%3").arg(title, text).arg(kind);
            return msgbox::No;
        }
    } responder;
    SetMessageResponder(&responder);
    QCOMPARE(ShowMessage(QStringLiteral("Caution"), QStringLiteral("Frequecy is Out of range."), 2),
             msgbox::No);
    SetMessageResponder(nullptr);
    QCOMPARE(responder.asked, QStringList{QStringLiteral("Caution|Frequecy is Out of range.|2")});
}

QTEST_MAIN(MsgBoxTest)
#include "tst_msgbox.moc"
