#pragma once

#include "link/exchange.h"
#include "radioresponder.h"

#include <QList>
#include <array>
#include <deque>
#include <functional>
#include <optional>

// Drives an exchange the way the driver does, but on a virtual clock and with a radio
// made of a function, so a test runs a whole read in microseconds and knows exactly when
// each frame went out.
class TScriptedLink {
public:
    // What the radio does on hearing one frame.
    struct Answer {
        QByteArray bytes;
        bool lineError = false; // then the line reports an error (a break, a pulled cable)
    };
    using Radio = std::function<Answer(const QByteArray& frame, qint64 nowMs)>;

    struct Sent {
        qint64 at;
        QByteArray bytes;
    };

    explicit TScriptedLink(TExchange& exchange) : exchange_(exchange) {}

    Radio radio;
    bool byteByByte = true; // each answer arrives one byte at a time
    bool drains = true;     // the port reports that each frame has left

    // Feeds events until the exchange finishes, `until` holds, or nothing is left to do.
    void Run(const std::function<bool()>& until = {});
    void Start() { apply(exchange_.Start()); }
    void Cancel() { apply(exchange_.Cancel()); }
    void PortFailed(const QString& reason) { apply(exchange_.PortFailed(reason)); }
    void Deliver(const QByteArray& bytes) { apply(exchange_.BytesArrived(bytes)); }
    void LineError() { apply(exchange_.LineError(QStringLiteral("break"))); }

    qint64 now = 0;
    std::optional<TLinkResult> result;
    qint64 finishedAt = -1;
    QList<Sent> sent;
    QList<qint64> flushes;
    QList<int> progress; // blocks done, in order
    int progressTotal = 0;
    QByteArray logged;
    // Frames that went out, without their times.
    QList<QByteArray> frames() const;
    int count(const QByteArray& frame) const { return frames().count(frame); }

private:
    void apply(const TLinkActions& actions);

    TExchange& exchange_;
    std::deque<std::function<TLinkActions()>> events_;
    std::array<std::optional<qint64>, LinkTimerCount> deadlines_{};
};

// The virtual radio's own logic as a scripted radio: it forgets a half-done exchange
// after 400 ms of silence, and a line break or a vanishing device is a line error.
TScriptedLink::Radio RadioOf(TRadioResponder& responder);
