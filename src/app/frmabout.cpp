#include "frmabout.h"

#include "i18n/translate.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace {
constexpr int kTextLeft = 97;
constexpr int kTextWidth = 408 - kTextLeft - 8;

QPixmap applicationIcon() {
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) icon = QIcon(QStringLiteral(":/icons/radio.svg"));
    return icon.pixmap(32, 32);
}
} // namespace

TfFrmAbout::TfFrmAbout(const TALL& all, const QString& languageFile, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      all_(all), languageFile_(languageFile) {
    setObjectName(QStringLiteral("fFrmAbout"));
    setFixedSize(408, 269);
    QFont small = font();
    small.setPixelSize(13);
    setFont(small);

    imApp_ = new QLabel(this);
    imApp_->setObjectName(QStringLiteral("ImApp"));
    imApp_->setGeometry(35, 33, 32, 32);
    imApp_->setPixmap(applicationIcon());
    // the icon keeps its clicks so that they do not reach the window and close it
    imApp_->installEventFilter(this);

    AddLabel(this, "Label1", "1", 10);
    AddLabel(this, "Label2", "2", 32);
    AddLabel(this, "Label3", "3", 54);
    AddLabel(this, "Label8", "4", 76);
    AddLabel(this, "Label4", "5", 99);
    AddLabel(this, "Label9", "6", 120);

    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->hide();
    label5_ = AddLabel(panel1, "Label5", "7", 0);
    label6_ = AddLabel(panel1, "Label6", "8", 0);
    label7_ = AddLabel(panel1, "Label7", "9", 0);

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setGeometry(5, 140, 398, 125);
}

QLabel* TfFrmAbout::AddLabel(QWidget* parent, const char* name, const char* text, int top) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(kTextLeft, top, kTextWidth, 20);
    return label;
}

void TfFrmAbout::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfFrmAbout::FormShow() {
    imApp_->setPixmap(applicationIcon());
    TranslateForm(this, languageFile_, false);
    setWindowTitle(all_.AppTitle);
    memo1_->clear();
    for (const QString& line : {label5_->text(), label6_->text(), QString(), label7_->text()})
        memo1_->appendPlainText(line);
}

void TfFrmAbout::mousePressEvent(QMouseEvent* event) {
    // the labels pass their clicks on to the window
    event->accept();
    reject();
}

bool TfFrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imApp_ && event->type() == QEvent::MouseButtonPress) return true;
    return QDialog::eventFilter(watched, event);
}
