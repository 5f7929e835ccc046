#include "readexchange.h"

#include "model/imagedefaults.h"

#include <algorithm>

TReadExchange::TReadExchange(TCore& core, const QString& portName) : TExchange(core, portName) {}

bool TReadExchange::modelAccepted(const QString& code) const {
    return core_.MacList.ChannelCountOf(code) != 0;
}

void TReadExchange::identificationAccepted(const QString& code) {
    reportedCode_ = code;
    phase_ = Phase::Transfer;
    blockAddress_ = -wire::BlockBytes;
    receivedCount_ = 0;
    sendAck();
}

void TReadExchange::sendAck() {
    ackPhase_ = true;
    expect(1);
    sendThenArm(wire::Single(wire::Ack), TLinkTimer::Try, linktime::TransferReply);
}

void TReadExchange::transferReply() {
    if (ackPhase_) {
        if (receivedByte(0) != wire::Ack) return;
        stopTimer(TLinkTimer::Try);
        blockAddress_ += wire::BlockBytes;
        ackPhase_ = false;
        if (blockAddress_ < addr::ImageSize) {
            expect(wire::ReadReplyLength);
            sendThenArm(wire::ReadRequest(blockAddress_), TLinkTimer::Try, linktime::TransferReply);
        } else {
            sendEndThenFinish(TLinkResult::Completed);
        }
        return;
    }
    // a block reply: its first four bytes are the radio's business
    stopTimer(TLinkTimer::Try);
    constexpr int dataAt = wire::ReadReplyLength - wire::BlockBytes;
    for (int i = 0; i < wire::BlockBytes; ++i)
        image_[size_t(receivedCount_ + i)] = receivedByte(dataAt + i);
    receivedCount_ += wire::BlockBytes;
    progress(receivedCount_ / wire::BlockBytes);
    sendAck();
}

void TReadExchange::lineError(const QString& reason) {
    flushBuffers();
    if (retryArmed_) {
        retryArmed_ = false;
        failWhen(TLinkTimer::Restart, linktime::Restart, std::nullopt);
    } else {
        failWhen(TLinkTimer::Try, linktime::TransferReply, TLinkResult::LineFailed, reason);
    }
}

void TReadExchange::completed() {
    TALL& all = core_.All;
    all.image = image_;
    core_.ApplyModel(reportedCode_, image_[addr::BandCode], true);
    NormaliseImage(core_);
    all.Changed = true;
}

TLinkResult::After TReadExchange::afterResult(TLinkResult::Kind kind) const {
    // an unknown model leaves the window open so the user can read what happened
    return kind == TLinkResult::ModelRejected ? TLinkResult::StayOpen : TLinkResult::CloseWindow;
}
