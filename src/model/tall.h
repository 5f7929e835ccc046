#pragma once

#include "image.h"

#include <QString>
#include <array>

// The application state record: what the program is editing and how it is set up.
// One instance lives for the whole run; New, Open and a read replace the image in place.
class TALL {
public:
    QString LanguageName;      // base name of the language file, without ".Ini"
    qint32 LanguageIndex = 0;  // position in the configured language list; 0 = design texts
    qint32 CurrentChannel = 0; // 1..ChannelCount
    quint32 BaudRate = 0;
    QString PortName;   // "COM1", or a device name on Linux and macOS
    QString ProgramDir; // with trailing separator
    QString AppTitle;
    qint32 ChannelCount = 0;
    QString ModelName;
    QString BandText;       // one of the registered band texts
    double BandUpper = 0.0; // MHz
    double BandLower = 0.0; // MHz
    QString ModelCode;      // four characters, e.g. "T47C"
    qint32 PictureNumber = 0;
    bool Changed = false; // the image holds edits not yet saved
    QString HelpPrefix;
    bool OnlineTest = false;
    bool FactoryMode = false;
    bool NewPasswordInUse = false;
    bool ReceiveInhibit = false;
    std::array<quint8, 8> Password{}; // not part of the image; never saved
    std::array<quint8, 8> NewPassword{};
    Image image{};
    SpareBlock spare{};
};
