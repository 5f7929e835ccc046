#include "setlanguage.h"

#include "languagefile.h"
#include "okcancel.h"
#include "tag.h"
#include "translate.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfSetLanguage::TfSetLanguage(TALL& all, const QStringList& displayNames,
                             const QStringList& languages, QWidget* parent)
    : QDialog(parent), all_(all), displayNames_(displayNames), languages_(languages) {
    setObjectName(QStringLiteral("fSetLanguage"));
    setWindowTitle(QStringLiteral("Language File Setup"));

    lbName_ = new QLabel(QStringLiteral("Language Mode: "), this);
    lbName_->setObjectName(QStringLiteral("lbName"));
    cbLanguage_ = new QComboBox(this);
    cbLanguage_->setObjectName(QStringLiteral("cbLanguage"));
    cbLanguage_->setMinimumWidth(160);
    SetTag(cbLanguage_, tag::NotTranslated);
    lbName_->setBuddy(cbLanguage_);
    // file names, parallel to the selector's entries; never shown
    language_ = new QListWidget(this);
    language_->setObjectName(QStringLiteral("Language"));
    SetTag(language_, tag::NotTranslated);
    language_->hide();
    const TOkCancelButtons buttons = MakeOkCancelButtons(this);
    btnOk_ = buttons.ok;
    btnCancel_ = buttons.cancel;

    auto* row = new QHBoxLayout;
    row->addWidget(lbName_);
    row->addWidget(cbLanguage_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(16);
    layout->addLayout(row);
    layout->addLayout(buttons.row);
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));

    connect(btnOk_, &QPushButton::clicked, this, &TfSetLanguage::btnOkClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TfSetLanguage::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfSetLanguage::FormShow() {
    cbLanguage_->clear();
    language_->clear();
    for (int i = 0; i < languages_.size(); ++i) {
        const QString display = i < displayNames_.size() ? displayNames_[i] : QString();
        cbLanguage_->addItem(display.isEmpty() ? languages_[i] : display);
        language_->addItem(languages_[i]);
    }
    if (all_.LanguageIndex > 0)
        TranslateForm(this, LanguageFilePath(all_.ProgramDir, all_.LanguageName), false);
    // an index the list does not reach selects nothing, and Ok then changes nothing
    cbLanguage_->setCurrentIndex(all_.LanguageIndex < cbLanguage_->count() ? all_.LanguageIndex
                                                                           : -1);
    changed_ = false;
}

void TfSetLanguage::btnOkClick() {
    const int chosen = cbLanguage_->currentIndex();
    if (chosen >= 0 && chosen != all_.LanguageIndex) {
        changed_ = true;
        all_.LanguageName = language_->item(chosen)->text();
        all_.LanguageIndex = chosen;
    }
    accept();
}
