#include "linkdialog.h"

#include "exchange.h"
#include "linkdriver.h"

#include "i18n/language.h"
#include "i18n/msgbox.h"
#include "i18n/okcancel.h"
#include "i18n/translate.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TLinkDialog::TLinkDialog(TCore& core, const TLanguage& messages, const QString& languageFile,
                         std::unique_ptr<TExchange> exchange, const QString& name,
                         const QString& caption, QWidget* parent)
    : QDialog(parent), core_(core), messages_(messages), languageFile_(languageFile) {
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const int blocks = exchange->TotalBlocks();
    driver_ = new TLinkDriver(std::move(exchange), this);

    pBar_ = new QProgressBar(this);
    pBar_->setObjectName(QStringLiteral("pBar"));
    pBar_->setRange(0, blocks);
    pBar_->setValue(0);
    const TOkCancelButtons buttons = MakeOkCancelButtons(this);
    btnOk_ = buttons.ok;
    btnCancel_ = buttons.cancel;
    // until the port is open there is nothing to start
    btnOk_->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->setSpacing(18);
    layout->addWidget(pBar_);
    layout->addLayout(buttons.row);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));

    closeTime_.setObjectName(QStringLiteral("CloseTime"));
    closeTime_.setSingleShot(true);
    closeTime_.setInterval(linktime::CloseDelay);

    connect(btnOk_, &QPushButton::clicked, this, &TLinkDialog::btnOkClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(&closeTime_, &QTimer::timeout, this, &TLinkDialog::CloseTimeTimer);
    connect(driver_, &TLinkDriver::progress, this, [this](int done, int total) {
        pBar_->setRange(0, total);
        pBar_->setValue(done);
    });
    connect(driver_, &TLinkDriver::finished, this, &TLinkDialog::linkFinished);
}

TLinkDialog::~TLinkDialog() = default;

void TLinkDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TLinkDialog::FormShow() {
    if (core_.All.LanguageIndex > 0) TranslateForm(this, languageFile_, false);
    // the port opens once the window is on screen, so that a message about it has a
    // window to stand over
    QTimer::singleShot(0, this, &TLinkDialog::OpenRadioPort);
}

void TLinkDialog::OpenRadioPort() {
    if (!isVisible()) return;
    // on failure the driver has already given its result, and the window closes
    if (driver_->Open()) btnOk_->setEnabled(true);
}

void TLinkDialog::btnOkClick() {
    if (driver_->IsRunning()) return;
    btnOk_->setEnabled(false);
    pBar_->setValue(0);
    runStarting();
    driver_->Start();
}

void TLinkDialog::linkFinished(const TLinkResult& result) {
    // a cancelled run belongs to a window that is already closing
    if (result.kind == TLinkResult::Cancelled) return;
    if (result.ok()) pBar_->setValue(pBar_->maximum());
    runEnded(result);
    const QString text = LinkResultText(messages_, result);
    if (!text.isEmpty()) ShowMessage(messages_.Confirmation, text, msgbox::Information);
    switch (result.after) {
    case TLinkResult::CloseWindow:
        closeResult_ = result.ok() ? Accepted : Rejected;
        closeTime_.start();
        break;
    case TLinkResult::StayOpen:
        btnOk_->setEnabled(false);
        break;
    case TLinkResult::ReadyAgain:
        pBar_->setValue(0);
        btnOk_->setEnabled(true);
        break;
    }
}

void TLinkDialog::runEnded(const TLinkResult&) {}

void TLinkDialog::CloseTimeTimer() {
    done(closeResult_);
}

void TLinkDialog::done(int result) {
    closeTime_.stop();
    // no end frame: the radio gives up on its own
    if (driver_->IsRunning()) driver_->Cancel();
    driver_->Close();
    QDialog::done(result);
}
