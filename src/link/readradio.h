#pragma once

#include "linkdialog.h"

class QPlainTextEdit;

// Program > Read From Radio. Reads the radio's whole image; only a complete read replaces
// the document (image, model and band, changed flag set), and the main window then
// rebuilds its views. Every byte the radio sent is kept, in hex, in a log the user never
// sees (`mr`), for a developer looking at a misbehaving radio.
class TfReadRadio : public TLinkDialog {
    Q_OBJECT
public:
    TfReadRadio(TCore& core, const TLanguage& messages, const QString& languageFile,
                QWidget* parent = nullptr);

    // The read finished and the document now holds the radio's image.
    bool ReadComplete() const { return readComplete_; }

protected:
    void runStarting() override;
    void runEnded(const TLinkResult& result) override;

private:
    QPlainTextEdit* mr_;
    bool readComplete_ = false;
};
