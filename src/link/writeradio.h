#pragma once

#include "linkdialog.h"

// Program > Write To Radio. Writes the document's image to the radio. After a completed
// write the window stays open with Ok ready again, so a dealer can program one radio
// after another with the same image.
class TfWriteRadio : public TLinkDialog {
    Q_OBJECT
public:
    TfWriteRadio(TCore& core, const TLanguage& messages, const QString& languageFile,
                 QWidget* parent = nullptr);

protected:
    void runEnded(const TLinkResult& result) override;
};
