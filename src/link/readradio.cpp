#include "readradio.h"

#include "linkdriver.h"
#include "protocol.h"
#include "readexchange.h"

#include <QPlainTextEdit>

TfReadRadio::TfReadRadio(TCore& core, const TLanguage& messages, const QString& languageFile,
                         QWidget* parent)
    : TLinkDialog(core, messages, languageFile, std::make_unique<TReadExchange>(core),
                  QStringLiteral("fReadRadio"), QStringLiteral("Read data From radio"), parent) {
    mr_ = new QPlainTextEdit(this);
    mr_->setObjectName(QStringLiteral("mr"));
    mr_->setReadOnly(true);
    mr_->hide();
    connect(&Driver(), &TLinkDriver::received, this,
            [this](const QByteArray& bytes) { mr_->appendPlainText(wire::HexLogLine(bytes)); });
}

void TfReadRadio::runStarting() {
    mr_->clear();
    readComplete_ = false;
}

void TfReadRadio::runEnded(const TLinkResult& result) {
    readComplete_ = result.ok();
}
