#pragma once

// Radio addresses of the 432-byte memory image. Every position the program interprets
// is named here, once; editors, the codec and the tests use these names, not numbers.
namespace addr {

constexpr int ImageSize = 0x1B0; // 432 bytes, 0x000-0x1AF
constexpr int WriteSize = 0x1A0; // the radio is written 0x000-0x19F
constexpr int BlockSize = 16;    // data file and image block

// Channel n (1..16) lies at n x 16; 0x000-0x00F is not a channel.
constexpr int ChannelRecordSize = 16;
constexpr int MaxChannels = 16;
constexpr int channel(int n) {
    return n * ChannelRecordSize;
}

constexpr int OptionFlags = 0x120;  // battery save, incept alarm, voice, tone, FM function
constexpr int SquelchLevel = 0x121; // list index 0..9
constexpr int TxTimeOut = 0x122;    // index i means i x 15 s, 0 = off
constexpr int VoxGain = 0x123;      // 0 = off
constexpr int VoxDelay = 0x124;
constexpr int VoxInhibitOnRx = 0x125; // bit 7
constexpr int ScanSpeed = 0x126;
constexpr int ScanDropoutDelay = 0x127;
constexpr int Key1Function = 0x128;
constexpr int Key2Function = 0x129;
constexpr int TxInhibit = 0x12A;   // bits 0-1
constexpr int FmScanLower = 0x12C; // 16-bit little endian, 25 kHz units
constexpr int FmScanUpper = 0x12E;
constexpr int DtmfSpeed = 0x132;
constexpr int DtmfFirstDigitTime = 0x133;
constexpr int DtmfFirstDigitDelay = 0x134;
constexpr int DtmfSignalling = 0x135; // low four bits: 0..2
constexpr int DtmfBotLength = 0x136;  // begin-of-transmission code length
constexpr int DtmfEotLength = 0x137;  // end-of-transmission code length
constexpr int DtmfStunLength = 0x138;
constexpr int DtmfStunCode = 0x139; // 0x139-0x13D
constexpr int Reserved13E = 0x13E;  // 0x13E and 0x13F are kept at FF
constexpr int Reserved13F = 0x13F;
constexpr int DtmfBotCode = 0x140; // digits packed two per byte

// Model identity: "P", four characters of model code, band code, two zero bytes.
constexpr int ModelMarker = 0x170;
constexpr int ModelCode = 0x171; // 0x171-0x174
constexpr int BandCode = 0x175;
constexpr int ModelPad = 0x176; // 0x176-0x177

constexpr int SerialNumber = 0x180; // 16 characters
constexpr int WriteTime = 0x190;    // date-time field, 16 bytes
constexpr int LeaveFactoryTime = 0x1A0;
constexpr int DateTimeFieldSize = 16;

} // namespace addr
