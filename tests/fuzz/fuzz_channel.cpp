// A record decodes to texts that encode back to a record decoding the same way, and the
// tone check always yields a text the codec stores and reads back unchanged.
#include "model/channel.h"

#include <cstdlib>

namespace {

bool sameChannel(const TChannel& a, const TChannel& b) {
    return a.RxFreq == b.RxFreq && a.TxFreq == b.TxFreq && a.RxTone == b.RxTone &&
           a.TxTone == b.TxTone && a.BusyLockOff == b.BusyLockOff && a.Narrow == b.Narrow &&
           a.HighPower == b.HighPower && a.CompanderOff == b.CompanderOff &&
           a.ScramblerOff == b.ScramblerOff && a.ScanAddOff == b.ScanAddOff &&
           a.PttIdOff == b.PttIdOff && a.Epilogue == b.Epilogue;
}

void checkRecord(const quint8* record) {
    Image image;
    image.fill(0xFF);
    std::copy_n(record, addr::ChannelRecordSize, image.begin() + addr::channel(1));
    TChannel decoded;
    if (!DecodeChannel(std::span(image).subspan(addr::channel(1), 16), decoded)) return;

    Image rebuilt;
    rebuilt.fill(0xFF);
    const auto bit = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const auto freq = [](double mhz) { return mhz < 0 ? QString() : QString::number(mhz, 'f', 5); };
    bool ok = EncodeChannelField(rebuilt, 1, FieldRxFreq, freq(decoded.RxFreq));
    ok = ok && EncodeChannelField(rebuilt, 1, FieldTxFreq, freq(decoded.TxFreq));
    EncodeChannelField(rebuilt, 1, FieldRxTone, decoded.RxTone);
    EncodeChannelField(rebuilt, 1, FieldTxTone, decoded.TxTone);
    EncodeChannelField(rebuilt, 1, FieldBusyLock, bit(decoded.BusyLockOff));
    EncodeChannelField(rebuilt, 1, FieldNarrow, bit(decoded.Narrow));
    EncodeChannelField(rebuilt, 1, FieldPower, bit(decoded.HighPower));
    EncodeChannelField(rebuilt, 1, FieldScanAdd, bit(decoded.ScanAddOff));
    EncodeChannelField(rebuilt, 1, FieldCompander, bit(decoded.CompanderOff));
    EncodeChannelField(rebuilt, 1, FieldScrambler, bit(decoded.ScramblerOff));
    EncodeChannelField(rebuilt, 1, FieldPttId, bit(decoded.PttIdOff));
    EncodeChannelField(rebuilt, 1, FieldEpilogue, bit(decoded.Epilogue));
    if (!ok) std::abort();
    TChannel again;
    if (!DecodeChannel(std::span(rebuilt).subspan(addr::channel(1), 16), again)) std::abort();
    if (!sameChannel(decoded, again)) std::abort();
}

void checkToneText(const QString& typed) {
    const QString tone = NormaliseToneText(typed);
    if (NormaliseToneText(tone) != tone) std::abort();
    const auto bytes = ToneToBytes(tone);
    if (ToneToText(bytes[0], bytes[1]) != tone.toUpper()) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size) {
    if (size >= size_t(addr::ChannelRecordSize)) checkRecord(data);
    checkToneText(QString::fromLatin1(reinterpret_cast<const char*>(data),
                                      qsizetype(qMin<size_t>(size, 12))));
    return 0;
}
