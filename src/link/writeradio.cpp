#include "writeradio.h"

#include "writeexchange.h"

#include <QPushButton>

TfWriteRadio::TfWriteRadio(TCore& core, const TLanguage& messages, const QString& languageFile,
                           QWidget* parent)
    : TLinkDialog(core, messages, languageFile, std::make_unique<TWriteExchange>(core),
                  QStringLiteral("fWriteRadio"), QStringLiteral("Write data to radio"), parent) {}

void TfWriteRadio::runEnded(const TLinkResult& result) {
    // the radio stopped answering mid-write: Ok comes back at once, for the moment
    // before the window closes itself
    if (result.kind == TLinkResult::TransferTimeout) btnOk_->setEnabled(true);
}
