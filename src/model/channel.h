#pragma once

#include "image.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>

// The decoded view of one 16-byte channel record. The booleans hold the flag bits as
// the radio stores them; several are inverted (a clear bit means the feature is on).
class TChannel {
public:
    double RxFreq = -1.0; // MHz; -1 when absent (channel not in use)
    double TxFreq = -1.0; // MHz; -1 when absent
    QString RxTone;       // "", "67.0", "D023N", "D023I"
    QString TxTone;
    bool BusyLockOff = false;  // bit 2
    bool Narrow = false;       // bit 3
    bool HighPower = false;    // bit 0
    bool CompanderOff = false; // bit 5
    bool ScramblerOff = false; // bit 6
    bool ScanAddOff = false;   // bit 4
    bool PttIdOff = false;     // bit 7
    bool Epilogue = false;     // bit 1
};

// Record offsets and flag bits of a channel record.
namespace chrec {
constexpr int RxFreq = 0; // 4 bytes packed BCD in 10 Hz units, low pair first
constexpr int TxFreq = 4;
constexpr int RxTone = 8; // 2 bytes
constexpr int TxTone = 10;
constexpr int Flags = 12;
constexpr int FreqSize = 4;
constexpr int ToneSize = 2;

constexpr int HighPowerBit = 0;
constexpr int EpilogueBit = 1;
constexpr int BusyLockOffBit = 2;
constexpr int NarrowBit = 3;
constexpr int ScanAddOffBit = 4;
constexpr int CompanderOffBit = 5;
constexpr int ScramblerOffBit = 6;
constexpr int PttIdOffBit = 7;
} // namespace chrec

// Field codes of EncodeChannelField.
enum ChannelField {
    FieldRxFreq = 0,
    FieldTxFreq = 1,
    FieldRxTone = 2,
    FieldTxTone = 3,
    FieldBusyLock = 4,
    FieldNone = 5,
    FieldNarrow = 6,
    FieldPower = 7,
    FieldScanAdd = 8,
    FieldCompander = 9,
    FieldScrambler = 10,
    FieldPttId = 11,
    FieldEpilogue = 12,
};

// Fills `channel` from a 16-byte record. Returns false when the RX frequency is absent;
// then only RxFreq (-1) is meaningful.
bool DecodeChannel(std::span<const quint8> record, TChannel& channel);

// Writes one field of channel n (1-based) from its text form. Returns false and changes
// nothing when the text cannot be stored: a frequency that is not a number, negative, or
// 1000 MHz or more (the field holds eight decimal digits), or a channel number outside
// the table.
bool EncodeChannelField(Image& image, int channelNumber, int fieldCode, const QString& text);

// "446.00625" gives 25 06 60 44; the empty text gives FF FF FF FF.
std::optional<std::array<quint8, 4>> FreqToBcd(const QString& text);
// "67.0" gives 70 06, "D023N" gives 23 80, "D023I" 23 C0, the empty text FF FF.
std::array<quint8, 2> ToneToBytes(const QString& text);
QString ToneToText(quint8 first, quint8 second);
// Brings a typed or picked tone text into one of the stored forms.
QString NormaliseToneText(const QString& text);

// Item 0 "None" (no tone), the 50 CTCSS tones, the 105 DCS codes normal, then inverted.
const QStringList& ToneChoiceList();
