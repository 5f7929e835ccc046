#include "radioresponder.h"

#include "link/protocol.h"

namespace {
const QByteArray kOpening("PROGRAM");
constexpr int kIdentFill = 0xFF;
} // namespace

TRadioResponder::TRadioResponder(const Image& image, const TRadioFaults& faults)
    : image_(image), faults_(faults) {}

void TRadioResponder::Quiet() {
    state_ = State::Idle;
    frame_.clear();
}

TRadioResponder::Output TRadioResponder::Receive(quint8 byte) {
    Output out;
    switch (state_) {
    case State::Idle:
        opening(byte, out);
        break;
    case State::WaitIdentRequest:
        if (byte == wire::IdentRequest) {
            state_ = State::Command;
            frame_.clear();
            out.reply = identification();
        } else if (byte == wire::EndCommand) {
            state_ = State::Idle;
        }
        break;
    case State::Command:
        command(byte, out);
        break;
    case State::Stalled:
        break;
    }
    if (faults_.silent && faulty()) {
        out.reply.clear();
        out.lineBreak = false;
    }
    return out;
}

void TRadioResponder::opening(quint8 byte, Output& out) {
    frame_.append(char(byte));
    if (frame_.size() <= kOpening.size()) {
        // keep the longest tail that can still begin "PROGRAM"
        while (!frame_.isEmpty() && !kOpening.startsWith(frame_))
            frame_.remove(0, 1);
        return;
    }
    key_ = byte;
    frame_.clear();
    ++exchanges_;
    blocks_ = 0;
    state_ = State::WaitIdentRequest;
    out.reply = wire::Single(wire::Ack);
}

QByteArray TRadioResponder::identification() const {
    QByteArray reply;
    reply.append('P');
    const bool otherCode = !faults_.modelCode.isEmpty() && faulty();
    reply.append(otherCode ? faults_.modelCode.toLatin1() : QByteArray(ModelCode));
    reply.append(char(image_[addr::BandCode]));
    quint8 echo = wire::SwapNibbles(key_);
    if (faults_.wrongKey && faulty()) echo = quint8(echo + 1);
    reply.append(char(echo));
    reply.append(wire::IdentReplyLength - reply.size(), char(kIdentFill));
    return reply;
}

bool TRadioResponder::blockFault(Output& out) {
    if (!faulty()) return false;
    if (blocks_ == faults_.stallAfter) {
        state_ = State::Stalled;
        return true;
    }
    if (blocks_ == faults_.breakAfter) {
        out.lineBreak = true;
        state_ = State::Idle;
        frame_.clear();
        return true;
    }
    if (blocks_ == faults_.vanishAfter) {
        out.vanish = true;
        state_ = State::Stalled;
        return true;
    }
    return false;
}

void TRadioResponder::command(quint8 byte, Output& out) {
    if (frame_.isEmpty()) {
        switch (byte) {
        case wire::Ack:
            out.reply = wire::Single(wire::Ack);
            return;
        case wire::EndCommand:
            state_ = State::Idle;
            out.exchangeEnded = true;
            return;
        case wire::ReadCommand:
        case wire::WriteCommand:
            frame_.append(char(byte));
            return;
        default:
            return; // noise between frames
        }
    }
    frame_.append(char(byte));
    const bool reading = quint8(frame_[0]) == wire::ReadCommand;
    const int length = reading ? wire::ReadRequestLength : wire::WriteFrameLength;
    if (frame_.size() < length) return;

    const int address = (quint8(frame_[1]) << 8) | quint8(frame_[2]);
    const QByteArray frame = std::exchange(frame_, {});
    if (blockFault(out)) return;
    ++blocks_;
    const bool inside = address >= 0 && address + wire::BlockBytes <= addr::ImageSize;
    if (reading) {
        // the radio answers with the block as a write frame of its own
        quint8 data[wire::BlockBytes];
        for (int i = 0; i < wire::BlockBytes; ++i)
            data[i] = inside ? image_[size_t(address + i)] : 0xFF;
        out.reply = wire::WriteFrame(address, data);
    } else {
        if (inside)
            for (int i = 0; i < wire::BlockBytes; ++i)
                image_[size_t(address + i)] = quint8(frame[4 + i]);
        out.reply = wire::Single(wire::Ack);
    }
}
