#pragma once

#include <QByteArray>
#include <QList>

// Undoes the marking a Unix serial driver applies when asked to mark line errors: a
// data byte FF arrives doubled, a break arrives as FF 00 00 and a byte with a framing
// or parity error c as FF 00 c. The marks may be split across arrivals, so the decoder
// keeps its place between calls.
class TLineMarks {
public:
    struct Piece {
        QByteArray data;        // clean bytes, in order
        bool lineError = false; // a break or a damaged byte follows `data`
    };

    // Clean bytes and line errors, in the order they came; nothing for an arrival that
    // holds only the start of a mark. An arrival without errors gives at most one piece.
    QList<Piece> Decode(const QByteArray& raw);
    void Reset() { state_ = State::Plain; }

private:
    enum class State { Plain, AfterFF, AfterFF00 };
    State state_ = State::Plain;
};
