#include "toolkittranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

TToolkitTranslation::~TToolkitTranslation() {
    if (translator_) QCoreApplication::removeTranslator(translator_);
    delete translator_;
}

void TToolkitTranslation::Apply(const QString& locale) {
    if (translator_) {
        QCoreApplication::removeTranslator(translator_);
        delete translator_;
        translator_ = nullptr;
    }
    if (locale.isEmpty()) return;
    auto* translator = new QTranslator;
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    translator_ = translator;
}
