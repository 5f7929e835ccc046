#pragma once

#include "exchange.h"

#include <QDateTime>

// Writes the document's image to the radio: 0x000-0x19F in 52 blocks of 8 bytes, each
// answered with 0x06. The leave-factory time field is never sent. Each run stamps the
// model identity into the image first, and the write time once the radio has been
// accepted; nothing else of the document changes and the changed flag stays as it is.
// After a completed write the same exchange can run again for the next radio.
class TWriteExchange : public TExchange {
public:
    TWriteExchange(TCore& core, const QString& portName);
    explicit TWriteExchange(TCore& core) : TWriteExchange(core, core.All.PortName) {}

    int TotalBlocks() const override { return addr::WriteSize / wire::BlockBytes; }
    bool CanStartAgain() const override { return true; }

    // For tests: the clock that gives the write time.
    void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

protected:
    void beginRun() override;
    bool modelAccepted(const QString& code) const override;
    void identificationAccepted(const QString& code) override;
    bool endFrameOnKeyMismatch() const override { return false; }
    void transferReply() override;
    void lineError(const QString& reason) override;
    TLinkResult::After afterResult(TLinkResult::Kind kind) const override;
    QString TLanguage::*completedMessage() const override { return &TLanguage::WriteOk; }
    int drainCap() const override { return linktime::WriteDrainCap; }

private:
    std::function<QDateTime()> clock_;
    int blockCount_ = 0;
};
