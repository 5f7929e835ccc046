#pragma once

#include "model/tall.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// The language dialog: the user picks one of the configured languages by its display
// name. Created for one use; the caller reads LanguageChanged() afterwards and, when it is
// set, reloads the message texts and retranslates its windows.
class TfSetLanguage : public QDialog {
    Q_OBJECT
public:
    // `displayNames` and `languages` are the two lists of the configuration file, read
    // afresh for each use. A language without a display name shows its file name.
    TfSetLanguage(TALL& all, const QStringList& displayNames, const QStringList& languages,
                  QWidget* parent = nullptr);

    bool LanguageChanged() const { return changed_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnOkClick();

    TALL& all_;
    QStringList displayNames_;
    QStringList languages_;
    bool changed_ = false;
    QLabel* lbName_;
    QComboBox* cbLanguage_;
    QListWidget* language_;
    QPushButton* btnOk_;
    QPushButton* btnCancel_;
};
