#include "exchange.h"

#include <QRandomGenerator>

TExchange::TExchange(TCore& core, const QString& portName)
    : core_(core), portName_(portName),
      random_([] { return QRandomGenerator::global()->generate(); }) {}

quint32 TExchange::BaudRate() const {
    return core_.All.BaudRate ? core_.All.BaudRate : 9600;
}

TLinkActions TExchange::Start() {
    out_.clear();
    if (IsRunning()) return {};
    if (phase_ == Phase::Finished && !CanStartAgain()) return {};
    beginStart();
    return std::exchange(out_, {});
}

void TExchange::beginStart() {
    stopAllTimers();
    armAfterDrain_.reset();
    finishAfterDrain_.reset();
    failure_.reset();
    failureDetail_.clear();
    rxLength_ = 0;
    required_ = 0;
    progress(0);
    beginRun();
    phase_ = Phase::Starting;
    startStep_ = 0;
    startTimer(TLinkTimer::Pause, linktime::StartPause);
}

TLinkActions TExchange::BytesArrived(const QByteArray& bytes) {
    out_.clear();
    const bool listening = phase_ == Phase::Handshake || phase_ == Phase::IdentPause ||
                           phase_ == Phase::Identification || phase_ == Phase::Transfer;
    if (!listening || bytes.isEmpty()) return {};
    // an answer proves the frame before it has left the port
    if (armAfterDrain_) afterDrain();

    QByteArray stored;
    for (const char b : bytes) {
        if (rxLength_ >= RxCapacity) break;
        rx_[size_t(rxLength_++)] = quint8(b);
        stored.append(b);
    }
    if (logsBytes() && !stored.isEmpty()) {
        auto log = TLinkAction::Of(TLinkAction::LogBytes);
        log.bytes = stored;
        out_ << log;
    }
    // a reply is looked at once per arrival, as soon as it is long enough; bytes beyond
    // it in the same arrival came before the radio heard our next frame and are dropped
    if (rxLength_ >= required_ && rxLength_ < RxCapacity) dispatch();
    return std::exchange(out_, {});
}

void TExchange::dispatch() {
    switch (phase_) {
    case Phase::Handshake: {
        // some radios put one stray byte before their acknowledgement
        const bool acked =
            receivedByte(0) == wire::Ack || (rxLength_ > 1 && receivedByte(1) == wire::Ack);
        if (!acked) return;
        stopTimer(TLinkTimer::Head);
        phase_ = Phase::IdentPause;
        expect(wire::IdentReplyLength);
        startTimer(TLinkTimer::Pause, linktime::IdentPause);
        return;
    }
    case Phase::Identification:
        identificationReply();
        return;
    case Phase::Transfer:
        transferReply();
        return;
    default:
        return;
    }
}

void TExchange::identificationReply() {
    stopTimer(TLinkTimer::Head);
    QString code;
    for (int i = 0; i < 4; ++i)
        code += QChar(receivedByte(wire::IdentModelCode + i));
    const bool keyEchoed = receivedByte(wire::IdentKeyEcho) == wire::SwapNibbles(key_);
    if (!keyEchoed) {
        if (endFrameOnKeyMismatch())
            sendEndThenFinish(TLinkResult::KeyMismatch);
        else
            finish(TLinkResult::KeyMismatch);
    } else if (!modelAccepted(code)) {
        sendEndThenFinish(TLinkResult::ModelRejected);
    } else {
        identificationAccepted(code);
    }
}

TLinkActions TExchange::TimerFired(TLinkTimer timer) {
    out_.clear();
    if (!armed_[size_t(timer)]) return {};
    armed_[size_t(timer)] = false;
    switch (timer) {
    case TLinkTimer::Pause:
        if (phase_ == Phase::Starting && startStep_ == 0) {
            flushBuffers();
            startStep_ = 1;
            startTimer(TLinkTimer::Pause, linktime::FlushPause);
        } else if (phase_ == Phase::Starting) {
            startTimer(TLinkTimer::Head, linktime::HandshakeReply);
            key_ = wire::ChooseLinkKey(portName_, random_);
            phase_ = Phase::Handshake;
            expect(wire::HandshakeReplyLength);
            send(wire::OpeningFrame(key_));
        } else if (phase_ == Phase::IdentPause) {
            phase_ = Phase::Identification;
            sendThenArm(wire::Single(wire::IdentRequest), TLinkTimer::Head,
                        linktime::HandshakeReply);
        }
        break;
    case TLinkTimer::Head:
        // the radio did not answer; give the user time to look at the radio's display
        // before the message covers it
        failWhen(TLinkTimer::MessageDelay, linktime::NoAnswerMessageDelay, TLinkResult::NoAnswer);
        break;
    case TLinkTimer::MessageDelay:
        finish(failure_.value_or(TLinkResult::NoAnswer), failureDetail_);
        break;
    case TLinkTimer::Try:
        if (phase_ == Phase::Failing)
            finish(failure_.value_or(TLinkResult::TransferTimeout), failureDetail_);
        else
            finish(TLinkResult::TransferTimeout);
        break;
    case TLinkTimer::Restart:
        beginStart();
        break;
    case TLinkTimer::DrainCap:
        // the port never said the frame had left; go on as if it had
        afterDrain();
        break;
    }
    return std::exchange(out_, {});
}

TLinkActions TExchange::Drained() {
    out_.clear();
    afterDrain();
    return std::exchange(out_, {});
}

void TExchange::afterDrain() {
    if (armAfterDrain_) {
        stopTimer(TLinkTimer::DrainCap);
        const auto [timer, ms] = *armAfterDrain_;
        armAfterDrain_.reset();
        startTimer(timer, ms);
    } else if (finishAfterDrain_) {
        stopTimer(TLinkTimer::DrainCap);
        const TLinkResult::Kind kind = *finishAfterDrain_;
        finishAfterDrain_.reset();
        if (kind == TLinkResult::Completed) completed();
        finish(kind);
    }
}

TLinkActions TExchange::LineError(const QString& reason) {
    out_.clear();
    // once the end frame is on its way the radio has what it needs
    if (!IsRunning() || phase_ == Phase::Ending) return {};
    lineError(reason);
    return std::exchange(out_, {});
}

TLinkActions TExchange::PortFailed(const QString& reason) {
    out_.clear();
    if (phase_ == Phase::Finished) return {};
    finish(TLinkResult::PortFailed, reason);
    return std::exchange(out_, {});
}

TLinkActions TExchange::Cancel() {
    out_.clear();
    if (phase_ == Phase::Finished) return {};
    finish(TLinkResult::Cancelled);
    return std::exchange(out_, {});
}

void TExchange::send(const QByteArray& frame) {
    auto action = TLinkAction::Of(TLinkAction::Send);
    action.bytes = frame;
    out_ << action;
}

void TExchange::sendThenArm(const QByteArray& frame, TLinkTimer timer, int ms) {
    auto action = TLinkAction::Of(TLinkAction::Send);
    action.bytes = frame;
    action.awaitDrain = true;
    out_ << action;
    armAfterDrain_ = std::pair(timer, ms);
    startTimer(TLinkTimer::DrainCap, drainCap());
}

void TExchange::sendEndThenFinish(TLinkResult::Kind kind) {
    expect(0);
    phase_ = Phase::Ending;
    auto action = TLinkAction::Of(TLinkAction::Send);
    action.bytes = wire::Single(wire::EndCommand);
    action.awaitDrain = true;
    out_ << action;
    armAfterDrain_.reset();
    finishAfterDrain_ = kind;
    startTimer(TLinkTimer::DrainCap, drainCap());
}

void TExchange::startTimer(TLinkTimer timer, int ms) {
    armed_[size_t(timer)] = true;
    auto action = TLinkAction::Of(TLinkAction::StartTimer);
    action.timer = timer;
    action.ms = ms;
    out_ << action;
}

void TExchange::stopTimer(TLinkTimer timer) {
    if (!armed_[size_t(timer)]) return;
    armed_[size_t(timer)] = false;
    auto action = TLinkAction::Of(TLinkAction::StopTimer);
    action.timer = timer;
    out_ << action;
}

void TExchange::stopAllTimers() {
    for (int t = 0; t < LinkTimerCount; ++t)
        stopTimer(TLinkTimer(t));
}

void TExchange::flushBuffers() {
    rxLength_ = 0;
    out_ << TLinkAction::Of(TLinkAction::FlushBuffers);
}

void TExchange::expect(int length) {
    required_ = length;
    rxLength_ = 0;
}

void TExchange::progress(int done) {
    auto action = TLinkAction::Of(TLinkAction::Progress);
    action.done = done;
    action.total = TotalBlocks();
    out_ << action;
}

void TExchange::failWhen(TLinkTimer timer, int ms, std::optional<TLinkResult::Kind> kind,
                         const QString& detail) {
    stopAllTimers();
    armAfterDrain_.reset();
    finishAfterDrain_.reset();
    phase_ = Phase::Failing;
    failure_ = kind;
    failureDetail_ = detail;
    startTimer(timer, ms);
}

void TExchange::finish(TLinkResult::Kind kind, const QString& detail) {
    stopAllTimers();
    armAfterDrain_.reset();
    finishAfterDrain_.reset();
    phase_ = Phase::Finished;
    auto action = TLinkAction::Of(TLinkAction::Finish);
    action.result.kind = kind;
    action.result.detail = detail;
    action.result.after = afterResult(kind);
    switch (kind) {
    case TLinkResult::Completed:
        action.result.message = completedMessage();
        break;
    case TLinkResult::Cancelled:
        break;
    case TLinkResult::PortFailed:
        action.result.message = &TLanguage::PortError;
        break;
    case TLinkResult::ModelRejected:
        action.result.message = &TLanguage::ModError;
        break;
    default:
        action.result.message = &TLanguage::ComError;
        break;
    }
    out_ << action;
}
