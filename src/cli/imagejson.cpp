#include "imagejson.h"

#include "model/valuecodecs.h"

#include <QJsonArray>

namespace {

QJsonObject channelToJson(int number, const TChannel& ch) {
    return QJsonObject{
        {QStringLiteral("number"), number},
        {QStringLiteral("rx"), FormatFrequency(ch.RxFreq)},
        {QStringLiteral("tx"),
         ch.TxFreq < 0 ? QJsonValue() : QJsonValue(FormatFrequency(ch.TxFreq))},
        {QStringLiteral("rxTone"), ch.RxTone},
        {QStringLiteral("txTone"), ch.TxTone},
        {QStringLiteral("power"), ch.HighPower ? QStringLiteral("High") : QStringLiteral("Low")},
        {QStringLiteral("bandwidth"),
         ch.Narrow ? QStringLiteral("Narrow") : QStringLiteral("Wide")},
        // the radio stores these inverted: a clear bit means the feature is on
        {QStringLiteral("scanAdd"), !ch.ScanAddOff},
        {QStringLiteral("busyLock"), !ch.BusyLockOff},
        {QStringLiteral("compander"), !ch.CompanderOff},
        {QStringLiteral("scrambler"), !ch.ScramblerOff},
        {QStringLiteral("pttId"), !ch.PttIdOff},
        {QStringLiteral("epilogue"), ch.Epilogue},
    };
}

QString fmScanMHz(const Image& image, int address) {
    // 25 kHz steps
    return QString::number(ReadWordLE(image, address) * 0.025, 'f', 3);
}

QJsonObject settingsToJson(const Image& image) {
    const auto byte = [&](int address) { return int(image[address]); };
    return QJsonObject{
        {QStringLiteral("squelchLevel"), byte(addr::SquelchLevel)},
        {QStringLiteral("txTimeOutSeconds"), byte(addr::TxTimeOut) * 15},
        {QStringLiteral("voxGain"), byte(addr::VoxGain)},
        {QStringLiteral("voxDelay"), byte(addr::VoxDelay)},
        {QStringLiteral("voxInhibitOnReceive"), BitIsSet(image[addr::VoxInhibitOnRx], 7)},
        {QStringLiteral("optionFlags"), byte(addr::OptionFlags)},
        {QStringLiteral("txInhibit"), byte(addr::TxInhibit) & 0x03},
        {QStringLiteral("key1Function"), byte(addr::Key1Function)},
        {QStringLiteral("key2Function"), byte(addr::Key2Function)},
        {QStringLiteral("scanSpeed"), byte(addr::ScanSpeed)},
        {QStringLiteral("scanDropoutDelay"), byte(addr::ScanDropoutDelay)},
        {QStringLiteral("fmScanLowerMHz"), fmScanMHz(image, addr::FmScanLower)},
        {QStringLiteral("fmScanUpperMHz"), fmScanMHz(image, addr::FmScanUpper)},
        {QStringLiteral("dtmfSpeed"), byte(addr::DtmfSpeed)},
        {QStringLiteral("dtmfFirstDigitTime"), byte(addr::DtmfFirstDigitTime)},
        {QStringLiteral("dtmfFirstDigitDelay"), byte(addr::DtmfFirstDigitDelay)},
        {QStringLiteral("dtmfSignalling"), byte(addr::DtmfSignalling) & 0x0F},
        {QStringLiteral("dtmfBeginCodeLength"), byte(addr::DtmfBotLength)},
        {QStringLiteral("dtmfEndCodeLength"), byte(addr::DtmfEotLength)},
        {QStringLiteral("dtmfStunCodeLength"), byte(addr::DtmfStunLength)},
    };
}

QString serialNumber(const Image& image) {
    QString text;
    for (int i = 0; i < 16; ++i)
        text += PrintableChar(image[addr::SerialNumber + i]);
    return text.trimmed();
}

QString timeField(const Image& image, int address) {
    return BytesToDateTime(std::span(image).subspan(address, addr::DateTimeFieldSize));
}

} // namespace

QJsonObject ImageToJson(TCore& core) {
    const Image& image = core.All.image;
    QJsonArray channels;
    for (int n = 1; n <= core.All.ChannelCount; ++n) {
        const auto record = std::span(image).subspan(addr::channel(n), addr::ChannelRecordSize);
        if (DecodeChannel(record, core.Channel)) channels.append(channelToJson(n, core.Channel));
    }
    return QJsonObject{
        {QStringLiteral("model"), core.All.ModelName},
        {QStringLiteral("modelCode"), core.All.ModelCode},
        {QStringLiteral("band"), core.All.BandText},
        {QStringLiteral("serial"), serialNumber(image)},
        {QStringLiteral("writeTime"), timeField(image, addr::WriteTime)},
        {QStringLiteral("leaveFactoryTime"), timeField(image, addr::LeaveFactoryTime)},
        {QStringLiteral("channels"), channels},
        {QStringLiteral("settings"), settingsToJson(image)},
    };
}
