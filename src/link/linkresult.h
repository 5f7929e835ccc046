#pragma once

#include "i18n/language.h"

#include <QMetaType>
#include <QString>

// How a read or write ended, which message the user sees and what the window does next.
struct TLinkResult {
    enum Kind {
        Completed,       // every block moved
        Cancelled,       // the user stopped; no message
        PortFailed,      // the port could not be opened or used; `detail` says why
        NoAnswer,        // no handshake or identification reply
        KeyMismatch,     // the radio did not echo the link key
        ModelRejected,   // the radio reported a model this exchange does not accept
        TransferTimeout, // a block reply or acknowledgement did not come
        LineFailed,      // a line error, a break, or the device went away; `detail` says why
    };
    // What the read or write window does once the message has been shown.
    enum After {
        CloseWindow, // closes itself after a short delay
        StayOpen,    // stays open with its start button disabled; the user closes it
        ReadyAgain,  // stays open, ready to run again (writing several radios)
    };

    Kind kind = Cancelled;
    After after = CloseWindow;
    QString TLanguage::*message = nullptr; // the message to show; none when cancelled
    QString detail;

    bool ok() const { return kind == Completed; }
};
Q_DECLARE_METATYPE(TLinkResult)

// The text to show for a result in the current language: the message, and for a port
// failure the system's reason on a second line. Empty when there is nothing to show.
QString LinkResultText(const TLanguage& language, const TLinkResult& result);
