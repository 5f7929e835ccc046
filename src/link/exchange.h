#pragma once

#include "linkaction.h"
#include "model/core.h"
#include "protocol.h"

#include <array>
#include <functional>
#include <optional>

// One conversation with the radio, reading or writing, as a state machine. Every event
// (the user starts or cancels, bytes arrive, a timer fires, a frame has left the port,
// the line fails) returns the actions its owner carries out. The machine itself never
// waits, so it runs on the user-interface thread of a window or in the command-line tool,
// and tests drive it byte by byte.
//
// Both directions share the start (pause, flush, pause, opening frame), the handshake
// and the identification reply; the subclasses hold what differs.
class TExchange {
public:
    enum class Phase {
        Ready,          // not started yet
        Starting,       // the pauses before the opening frame
        Handshake,      // opening frame sent, waiting for 0x06
        IdentPause,     // the short pause before the identification request
        Identification, // waiting for the 16-byte identification reply
        Transfer,       // moving blocks
        Ending,         // the end frame is leaving; the result follows
        Failing,        // waiting to report a failure (or, reading, to start over)
        Finished,       // the result has been given
    };

    // `core` must outlive the exchange; the port name picks the link key.
    TExchange(TCore& core, const QString& portName);
    virtual ~TExchange() = default;
    TExchange(const TExchange&) = delete;
    TExchange& operator=(const TExchange&) = delete;

    TLinkActions Start();
    TLinkActions BytesArrived(const QByteArray& bytes);
    TLinkActions TimerFired(TLinkTimer timer);
    TLinkActions Drained();
    TLinkActions LineError(const QString& reason);
    // The port cannot be opened or used; also before the first Start.
    TLinkActions PortFailed(const QString& reason);
    TLinkActions Cancel();

    Phase CurrentPhase() const { return phase_; }
    bool IsRunning() const { return phase_ != Phase::Ready && phase_ != Phase::Finished; }
    const QString& PortName() const { return portName_; }
    quint32 BaudRate() const;
    quint8 LinkKey() const { return key_; }
    virtual int TotalBlocks() const = 0;
    virtual bool CanStartAgain() const = 0;

    // For tests: where the link key of ports other than COM1-COM9 comes from.
    void SetRandom(std::function<quint32()> random) { random_ = std::move(random); }

protected:
    // Start of every run, before anything is sent.
    virtual void beginRun() {}
    virtual bool modelAccepted(const QString& code) const = 0;
    // The identification was accepted; enter the transfer.
    virtual void identificationAccepted(const QString& code) = 0;
    virtual bool endFrameOnKeyMismatch() const = 0;
    // A transfer reply reached the expected length.
    virtual void transferReply() = 0;
    virtual void lineError(const QString& reason) = 0;
    // The last end frame has left; the result is about to be given.
    virtual void completed() {}
    virtual bool logsBytes() const { return false; }
    virtual TLinkResult::After afterResult(TLinkResult::Kind kind) const = 0;
    virtual QString TLanguage::*completedMessage() const = 0;
    virtual int drainCap() const = 0;

    // Helpers for the subclasses.
    void send(const QByteArray& frame);
    // Sends and arms `timer` once the frame has left the port.
    void sendThenArm(const QByteArray& frame, TLinkTimer timer, int ms);
    // Sends the end frame and gives the result once it has left.
    void sendEndThenFinish(TLinkResult::Kind kind);
    void startTimer(TLinkTimer timer, int ms);
    void stopTimer(TLinkTimer timer);
    void stopAllTimers();
    void flushBuffers();
    void expect(int length);
    void progress(int done);
    void finish(TLinkResult::Kind kind, const QString& detail = {});
    // Begins a run from the first pause, as Start does.
    void beginStart();
    // Stops the conversation and reports `kind` when `timer` fires; with no kind the
    // timer starts the run over instead.
    void failWhen(TLinkTimer timer, int ms, std::optional<TLinkResult::Kind> kind,
                  const QString& detail = {});
    quint8 receivedByte(int i) const { return rx_[size_t(i)]; }
    int receivedLength() const { return rxLength_; }

    TCore& core_;
    Phase phase_ = Phase::Ready;
    int blockAddress_ = -wire::BlockBytes;

private:
    void dispatch();
    void identificationReply();
    void afterDrain();

    TLinkActions out_;
    QString portName_;
    std::function<quint32()> random_;
    quint8 key_ = 0;
    int startStep_ = 0;
    // Replies are collected up to 49 bytes; what comes beyond is dropped.
    static constexpr int RxCapacity = 49;
    std::array<quint8, RxCapacity> rx_{};
    int rxLength_ = 0;
    int required_ = 0;
    std::array<bool, LinkTimerCount> armed_{};
    std::optional<std::pair<TLinkTimer, int>> armAfterDrain_;
    std::optional<TLinkResult::Kind> finishAfterDrain_;
    std::optional<TLinkResult::Kind> failure_;
    QString failureDetail_;
};
