#include "linemarks.h"

QList<TLineMarks::Piece> TLineMarks::Decode(const QByteArray& raw) {
    QList<Piece> pieces;
    QByteArray data;
    for (const char c : raw) {
        const quint8 b = quint8(c);
        switch (state_) {
        case State::Plain:
            if (b == 0xFF)
                state_ = State::AfterFF;
            else
                data.append(c);
            break;
        case State::AfterFF:
            if (b == 0xFF) {
                data.append(c);
                state_ = State::Plain;
            } else if (b == 0x00) {
                state_ = State::AfterFF00;
            } else {
                // not a mark the driver makes; keep both bytes as they came
                data.append(char(0xFF));
                data.append(c);
                state_ = State::Plain;
            }
            break;
        case State::AfterFF00:
            // the damaged byte (or the break's 00) is not data
            pieces << Piece{data, true};
            data.clear();
            state_ = State::Plain;
            break;
        }
    }
    if (!data.isEmpty()) pieces << Piece{data, false};
    return pieces;
}
