#pragma once

#include "linkresult.h"

#include <QByteArray>
#include <QList>

// The timers an exchange uses. Each is one-shot: when it fires it is no longer armed.
enum class TLinkTimer {
    Pause,        // the fixed pauses before the opening frame and the identification request
    Head,         // reply timeout of the handshake and identification
    Try,          // reply timeout of the block transfer
    Restart,      // the read's silent restart after its first line error
    MessageDelay, // the pause before a "no answer" message
    DrainCap,     // the longest wait for a frame to leave the port
};
constexpr int LinkTimerCount = 6;

// What an exchange asks its owner to do, in order.
struct TLinkAction {
    enum Kind {
        Send,         // `bytes` to the radio; with `awaitDrain` the owner reports Drained()
                      // once they have left the port
        FlushBuffers, // discard whatever is queued in either direction
        StartTimer,   // arm `timer` for `ms`
        StopTimer,    // disarm `timer`
        Progress,     // `done` of `total` blocks moved
        LogBytes,     // `bytes` just received, for the read window's log
        Finish,       // the exchange ended with `result`
    };

    Kind kind = Send;
    QByteArray bytes;
    bool awaitDrain = false;
    TLinkTimer timer = TLinkTimer::Pause;
    int ms = 0;
    int done = 0;
    int total = 0;
    TLinkResult result;

    static TLinkAction Of(Kind kind) {
        TLinkAction action;
        action.kind = kind;
        return action;
    }
};

using TLinkActions = QList<TLinkAction>;
