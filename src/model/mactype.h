#pragma once

#include <QString>
#include <QStringList>

// One radio model the program can program.
class TMacType {
public:
    TMacType(const QString& code, const QString& name, qint32 channelCount, qint32 attribute)
        : Code(code), Name(name), ChannelCount(channelCount), Attribute(attribute) {}

    void SetLimits(double lower, double upper) {
        LowerMHz = lower;
        UpperMHz = upper;
    }
    void AddBand(const QString& text) { Bands.append(text); }
    void SetDefaultBand(const QString& text) { DefaultBand = text; }

    QString Code; // four characters, as the radio reports it
    QString Name;
    qint32 ChannelCount = 0;
    qint32 Attribute = 0;  // carried along; nothing uses it
    double UpperMHz = 0.0; // the channel editors check against the band, not these
    double LowerMHz = 0.0;
    QStringList Bands;
    QString DefaultBand;
};
