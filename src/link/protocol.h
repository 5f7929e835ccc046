#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// The bytes that pass between the program and the radio, both directions, and the
// timing the radio needs. The line runs at 9600 baud, 8 data bits, no parity, 2 stop
// bits: eleven bit times per byte.
namespace wire {

constexpr quint8 Ack = 0x06;
constexpr quint8 IdentRequest = 0x02;
constexpr quint8 ReadCommand = 'R';
constexpr quint8 WriteCommand = 'W';
constexpr quint8 EndCommand = 'E';
constexpr int BitsPerByte = 11;
constexpr int BlockBytes = 8; // image bytes per read or write frame
constexpr int HandshakeReplyLength = 1;
constexpr int IdentReplyLength = 16;
constexpr int ReadReplyLength = 12; // four bytes the program does not look at, then the block
constexpr int WriteFrameLength = 12;
constexpr int ReadRequestLength = 4;
constexpr int OpeningFrameLength = 8;

// Where the identification reply carries what the program checks.
constexpr int IdentModelCode = 1; // four characters
constexpr int IdentKeyEcho = 6;   // the link key with its nibbles exchanged

QByteArray OpeningFrame(quint8 linkKey); // "PROGRAM" and the key
QByteArray ReadRequest(int address);
QByteArray WriteFrame(int address, const quint8* eightBytes);
QByteArray Single(quint8 byte);

// The radio proves it heard the key by answering it with its nibbles exchanged.
constexpr quint8 SwapNibbles(quint8 key) {
    return quint8((key << 4) | (key >> 4));
}

// Ports COM1-COM9 use the key 0x61-0x69; every other port one of 0x65-0x69 at random.
// `random` gives any unsigned number.
quint8 ChooseLinkKey(const QString& portName, const std::function<quint32()>& random);

// The read window's log: each byte as two capital hex digits and a blank.
QString HexLogLine(const QByteArray& bytes);

} // namespace wire

// How long the program waits, in milliseconds.
namespace linktime {
constexpr int StartPause = 450;            // after the user starts, before flushing the port
constexpr int FlushPause = 50;             // after flushing, before the opening frame
constexpr int IdentPause = 5;              // after the handshake, before the identification request
constexpr int HandshakeReply = 500;        // for the handshake and the identification reply
constexpr int TransferReply = 450;         // for each reply during the block transfer
constexpr int Restart = 500;               // before the read starts over after a line error
constexpr int NoAnswerMessageDelay = 2500; // before telling the user the radio did not answer
constexpr int CloseDelay = 300;            // before a window closes itself after a failure
constexpr int ReadDrainCap = 51 * 20;      // longest wait for a frame to leave while reading
constexpr int WriteDrainCap = 101 * 50;    // and while writing
} // namespace linktime
