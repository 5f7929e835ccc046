#pragma once

#include <QString>

// The message texts of the current language. Each is read from a key of the language
// file's "Language" section and falls back to its English text.
class TLanguage {
public:
    QString Confirmation = QStringLiteral("Confirmation");
    QString ExitProgram = QStringLiteral("Do you wish to exit program?");
    QString SaveProgram = QStringLiteral("Do you wish to save the changes?");
    QString Channel = QStringLiteral("Channel");
    QString Info = QStringLiteral(" Information");
    QString OutRange = QStringLiteral("Frequecy is Out of range.");
    QString Caution = QStringLiteral("Caution");
    QString FChBigT = QStringLiteral("Start Channel must less than End Channel!");
    QString Close = QStringLiteral("Closed");
    QString Open = QStringLiteral("Opened");
    QString ComError =
        QStringLiteral("Please check all connections and communication port settings.");
    QString ModError = QStringLiteral("Model Type Wrong.");
    QString PwdError = QStringLiteral("Pass Word Wrong.");
    QString ClearData = QStringLiteral("Do you wish to Clear Data?");
    QString Modforce = QStringLiteral("Do you wish to Force write data?");
    QString All = QStringLiteral("All");
    QString ErrRange = QStringLiteral("The frequecy number come amiss!");
    QString ModelType = QStringLiteral("Model Type");
    QString Frequency = QStringLiteral("Frequency");
    QString ReadOk = QStringLiteral("Reading Completed.");
    QString WriteOk = QStringLiteral("Writing Completed.");
    QString PortError = QStringLiteral("Cannot Open Communication Port.");

    // Key and field of each message, in the order of the language file.
    struct Entry {
        const char* key;
        QString TLanguage::*field;
    };
    static const Entry Entries[22];
};
