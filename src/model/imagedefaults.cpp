#include "imagedefaults.h"

#include "valuecodecs.h"

namespace {

struct ByteRule {
    int address;
    int maximum;
    quint8 fallback;
};

// A byte above its maximum becomes its default; 0 is always the minimum.
constexpr ByteRule kSettingsBeforeFm[] = {
    {addr::SquelchLevel, 9, 5}, {addr::TxTimeOut, 30, 12},  {addr::VoxGain, 17, 9},
    {addr::VoxDelay, 5, 1},     {addr::ScanSpeed, 8, 0},    {addr::ScanDropoutDelay, 27, 12},
    {addr::Key1Function, 5, 2}, {addr::Key2Function, 5, 4}, {addr::TxInhibit, 3, 3},
};
constexpr ByteRule kDtmfBeforeSignalling[] = {
    {addr::DtmfSpeed, 11, 2},
    {addr::DtmfFirstDigitTime, 20, 0},
    {addr::DtmfFirstDigitDelay, 18, 0},
};
constexpr ByteRule kDtmfLengths[] = {
    {addr::DtmfBotLength, 16, 0},
    {addr::DtmfEotLength, 16, 0},
    {addr::DtmfStunLength, 10, 0},
};

// FM broadcast scan range in 25 kHz steps: 70-114 MHz allowed, 88-108 MHz by default.
constexpr int kFmStepsMin = 2800;
constexpr int kFmStepsMax = 4560;
constexpr int kFmDefaultLower = 3520;
constexpr int kFmDefaultUpper = 4320;

template <size_t N> void clampAll(Image& image, const ByteRule (&rules)[N]) {
    for (const ByteRule& r : rules)
        if (image[r.address] > r.maximum) image[r.address] = r.fallback;
}

void normaliseFmScan(Image& image) {
    const int lower = ReadWordLE(image, addr::FmScanLower);
    const int upper = ReadWordLE(image, addr::FmScanUpper);
    const auto inRange = [](int v) { return v >= kFmStepsMin && v <= kFmStepsMax; };
    if (inRange(lower) && inRange(upper) && upper > lower) return;
    WriteWordLE(image, addr::FmScanLower, kFmDefaultLower);
    WriteWordLE(image, addr::FmScanUpper, kFmDefaultUpper);
}

} // namespace

void StampModelIdentity(TCore& core) {
    Image& image = core.All.image;
    image[addr::ModelPad] = 0x00;
    image[addr::ModelPad + 1] = 0x00;
    image[addr::BandCode] = core.FrqList.CodeOf(core.All.BandText);
    const QByteArray code = core.All.ModelCode.toLatin1().leftJustified(4, ' ', true);
    for (int i = 0; i < 4; ++i)
        image[addr::ModelCode + i] = quint8(code[i]);
    image[addr::ModelMarker] = 'P';
}

void NormaliseImage(TCore& core) {
    Image& image = core.All.image;
    clampAll(image, kSettingsBeforeFm);
    normaliseFmScan(image);
    clampAll(image, kDtmfBeforeSignalling);
    // the signalling byte keeps its high nibble; a low nibble above 2 is cleared
    if ((image[addr::DtmfSignalling] & 0x0F) > 2) image[addr::DtmfSignalling] &= 0xF0;
    clampAll(image, kDtmfLengths);
    image[addr::Reserved13E] = 0xFF;
    image[addr::Reserved13F] = 0xFF;
    image[addr::BandCode] = core.FrqList.CodeOf(core.All.BandText);
}

QString DateTimeText(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void BuildNewImage(TCore& core, const QDateTime& now) {
    Image& image = core.All.image;
    FillFF(image);
    core.All.NewPasswordInUse = false;
    StampModelIdentity(core);
    const auto timeField = std::span(image).subspan(addr::WriteTime, addr::DateTimeFieldSize);
    DateTimeToBytes(DateTimeText(now), timeField);
    if (core.All.FactoryMode)
        DateTimeToBytes(DateTimeText(now),
                        std::span(image).subspan(addr::LeaveFactoryTime, addr::DateTimeFieldSize));
    image[addr::DtmfBotLength] = 0x06;
    image[addr::DtmfBotCode] = 0x12;
    image[addr::DtmfBotCode + 1] = 0x34;
    image[addr::DtmfBotCode + 2] = 0x56;
    NormaliseImage(core);
}
