#pragma once

#include "radioresponder.h"

#include <QString>
#include <deque>
#include <functional>

// The virtual radio on a pseudo-terminal: the program opens the terminal's device as its
// serial port. With wire pacing every byte takes as long as it would at 9600 baud 8N2 in
// both directions: a frame the program sends is heard byte by byte at line speed and the
// radio's answer leaves byte by byte at line speed.
class TPtyRadio {
public:
    struct Options {
        bool wire = false;
        int quietMs = 400; // the radio forgets a half-done exchange after this much silence
        std::function<void(const Image&)> exchangeEnded;
        std::function<void(const QString&)> log;
    };

    TPtyRadio(TRadioResponder& responder, Options options);
    ~TPtyRadio();

    // Opens the pseudo-terminal; false with `error` set when the system refuses.
    bool Open(QString& error);
    QString DevicePath() const { return path_; }
    // Answers until `stop` returns true or the radio vanishes. Returns false on an I/O error.
    bool Run(const std::function<bool()>& stop);

private:
    using Clock = long long; // nanoseconds, monotonic
    static Clock now();
    void heard(Clock at);
    void sendDue(Clock at);
    void sendBreak();
    void vanish();

    TRadioResponder& responder_;
    Options options_;
    int master_ = -1;
    int keepSlave_ = -1; // keeps the terminal alive between the program's opens
    QString path_;
    struct Timed {
        Clock at;
        int byte; // 0-255, or Break
    };
    static constexpr int Break = -1;
    std::deque<Timed> incoming_;
    std::deque<Timed> outgoing_;
    Clock lastHeard_ = 0;
    Clock lastSent_ = 0;
    Clock lastActivity_ = 0;
    bool vanished_ = false;
};
