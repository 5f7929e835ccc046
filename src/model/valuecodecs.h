#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <span>

// Small stateless conversions shared by the channel codec, the data file, the editors
// and the radio link. Numbers are always formatted and parsed with "." as separator.

bool BitIsSet(quint8 value, int bit);
bool BitIsClear(quint8 value, int bit);
// A bit number above 7 changes nothing.
void SetBit(quint8& value, int bit, bool on);

// Letters and digits show as themselves, every other byte as one space.
QString PrintableChar(quint8 value);

// "yyyy-MM-dd HH:mm:ss" read by position into bytes 0-6 of a date-time field (year low
// byte first, then month, day, hour, minute, second, all binary). Bytes 7-15 are left
// alone. A field that is not a number writes nothing and returns false.
bool DateTimeToBytes(const QString& text, std::span<quint8> field);
// The text form of a 16-byte date-time field; empty when all 16 bytes are FF.
QString BytesToDateTime(std::span<const quint8> field);

// Unsigned hexadecimal up to the first non-hex character; 0 when there are no digits.
quint32 HexToInt(const QString& text);
// Two hexadecimal digits, either case; a non-digit counts as 0.
quint8 HexPairToByte(const QString& text);

void FillFF(std::span<quint8> bytes);

// Moves a frequency down onto the nearest point of the 5 kHz or 6.25 kHz raster; a
// frequency already on either raster comes back unchanged.
double SnapFrequency(double mhz);

// Byte k becomes character k, zero bytes included.
QString BytesToText(std::span<const quint8> bytes);

struct BandLimits {
    double lower = 0.0;
    double upper = 0.0;
};
// "400 - 520MHz" gives 400 and 520.
std::optional<BandLimits> ParseBandText(const QString& text);

// Frequencies are shown in MHz with five decimals, whatever the locale.
QString FormatFrequency(double mhz);
