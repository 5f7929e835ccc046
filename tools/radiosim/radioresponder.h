#pragma once

#include "radiofaults.h"

#include "model/image.h"

#include <QByteArray>

// The radio's side of the conversation, one received byte at a time. Waits for the
// opening frame "PROGRAM" and a key, acknowledges it, answers the identification
// request with its model code, band and the key echoed with its nibbles exchanged, then
// serves read requests, write frames and acknowledgements until the end frame. A radio
// that hears nothing for a while forgets a half-done exchange (Quiet()).
class TRadioResponder {
public:
    // The radio's own model code.
    static constexpr const char* ModelCode = "T47C";

    struct Output {
        QByteArray reply;           // bytes to send back, in order
        bool lineBreak = false;     // then a line break
        bool vanish = false;        // then the device goes away
        bool exchangeEnded = false; // the end frame came: the image is as the exchange left it
    };

    TRadioResponder(const Image& image, const TRadioFaults& faults);

    Output Receive(quint8 byte);
    void Quiet();

    const Image& image() const { return image_; }
    // Exchanges begun (opening frames acknowledged).
    int exchanges() const { return exchanges_; }

private:
    enum class State { Idle, WaitIdentRequest, Command, Stalled };

    void opening(quint8 byte, Output& out);
    void command(quint8 byte, Output& out);
    QByteArray identification() const;
    bool faulty() const { return !faults_.once || exchanges_ <= 1; }
    // What the fault says to do instead of answering the next block; false to answer.
    bool blockFault(Output& out);

    Image image_;
    TRadioFaults faults_;
    State state_ = State::Idle;
    QByteArray frame_;
    quint8 key_ = 0;
    int blocks_ = 0;
    int exchanges_ = 0;
};
