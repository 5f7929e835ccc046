#pragma once

#include <QString>

class QTranslator;

// The toolkit's own texts (the Yes and No buttons of a question, the file dialogs) follow
// the language file's "Locale" key. An empty or unknown locale leaves them in English.
class TToolkitTranslation {
public:
    ~TToolkitTranslation();
    void Apply(const QString& locale);

private:
    QTranslator* translator_ = nullptr;
};
