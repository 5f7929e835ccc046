#include "writeexchange.h"

#include "model/imagedefaults.h"
#include "model/valuecodecs.h"

TWriteExchange::TWriteExchange(TCore& core, const QString& portName)
    : TExchange(core, portName), clock_([] { return QDateTime::currentDateTime(); }) {}

void TWriteExchange::beginRun() {
    StampModelIdentity(core_);
}

bool TWriteExchange::modelAccepted(const QString& code) const {
    // both built-in models share one code, so the band does not matter here
    return code == core_.All.ModelCode;
}

void TWriteExchange::identificationAccepted(const QString&) {
    // the radio keeps the moment it was accepted for writing, not when the user pressed
    const QString now = DateTimeText(clock_());
    Image& image = core_.All.image;
    DateTimeToBytes(now, std::span(image).subspan(addr::WriteTime, addr::DateTimeFieldSize));
    if (core_.All.FactoryMode)
        DateTimeToBytes(now,
                        std::span(image).subspan(addr::LeaveFactoryTime, addr::DateTimeFieldSize));
    phase_ = Phase::Transfer;
    blockAddress_ = -wire::BlockBytes;
    blockCount_ = 0;
    expect(1);
    sendThenArm(wire::Single(wire::Ack), TLinkTimer::Try, linktime::TransferReply);
}

void TWriteExchange::transferReply() {
    if (receivedByte(0) != wire::Ack) return;
    stopTimer(TLinkTimer::Try);
    blockAddress_ += wire::BlockBytes;
    expect(1);
    if (blockAddress_ < addr::WriteSize) {
        ++blockCount_;
        sendThenArm(wire::WriteFrame(blockAddress_, core_.All.image.data() + blockAddress_),
                    TLinkTimer::Try, linktime::TransferReply);
        progress(blockCount_);
    } else {
        sendEndThenFinish(TLinkResult::Completed);
    }
}

void TWriteExchange::lineError(const QString& reason) {
    finish(TLinkResult::LineFailed, reason);
}

TLinkResult::After TWriteExchange::afterResult(TLinkResult::Kind kind) const {
    switch (kind) {
    case TLinkResult::Completed:
        return TLinkResult::ReadyAgain;
    case TLinkResult::LineFailed:
        // the port may be gone; the user closes the window
        return TLinkResult::StayOpen;
    default:
        return TLinkResult::CloseWindow;
    }
}
