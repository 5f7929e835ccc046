#pragma once

#include "exchange.h"

#include "model/image.h"

// Reads the radio's whole image, 54 blocks of 8 bytes, each answered and acknowledged.
// The blocks are collected apart from the document; only a complete read copies them
// into the state, applies the model and band the radio reported, normalises the image
// and sets the changed flag. A failure or a cancel leaves the document as it was.
//
// The first line error of a run starts the read over, silently, half a second later;
// the next one fails it.
class TReadExchange : public TExchange {
public:
    TReadExchange(TCore& core, const QString& portName);
    explicit TReadExchange(TCore& core) : TReadExchange(core, core.All.PortName) {}

    int TotalBlocks() const override { return addr::ImageSize / wire::BlockBytes; }
    bool CanStartAgain() const override { return false; }
    // The model code the radio reported, once its identification was accepted.
    const QString& ReportedModelCode() const { return reportedCode_; }

protected:
    bool modelAccepted(const QString& code) const override;
    void identificationAccepted(const QString& code) override;
    bool endFrameOnKeyMismatch() const override { return true; }
    void transferReply() override;
    void lineError(const QString& reason) override;
    void completed() override;
    bool logsBytes() const override { return true; }
    TLinkResult::After afterResult(TLinkResult::Kind kind) const override;
    QString TLanguage::*completedMessage() const override { return &TLanguage::ReadOk; }
    int drainCap() const override { return linktime::ReadDrainCap; }

private:
    void sendAck();

    Image image_{};
    int receivedCount_ = 0;
    bool ackPhase_ = false;
    bool retryArmed_ = true;
    QString reportedCode_;
};
