#include "radiofaults.h"

namespace {

bool count(const QString& text, int& out) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 0) return false;
    out = n;
    return true;
}

} // namespace

bool AddRadioFault(TRadioFaults& faults, const QString& text, QString& error) {
    const QString name = text.section(u'=', 0, 0);
    const QString value = text.section(u'=', 1);
    const bool hasValue = text.contains(u'=');
    bool ok = true;
    if (name == QLatin1String("wrong-key") && !hasValue)
        faults.wrongKey = true;
    else if (name == QLatin1String("silent") && !hasValue)
        faults.silent = true;
    else if (name == QLatin1String("model") && value.size() == 4)
        faults.modelCode = value;
    else if (name == QLatin1String("stall-after"))
        ok = count(value, faults.stallAfter);
    else if (name == QLatin1String("break-after"))
        ok = count(value, faults.breakAfter);
    else if (name == QLatin1String("vanish-after"))
        ok = count(value, faults.vanishAfter);
    else
        ok = false;
    if (!ok)
        error =
            QStringLiteral("Unknown fault \"%1\"; the faults are:\n%2").arg(text, RadioFaultHelp());
    return ok;
}

QString RadioFaultHelp() {
    return QStringLiteral(
        "  wrong-key       the identification echoes the link key wrongly\n"
        "  model=CODE      reports the four-character model code CODE (e.g. X99Z, t47c)\n"
        "  silent          never answers\n"
        "  stall-after=N   stops answering after N blocks\n"
        "  break-after=N   sends a line break instead of answering after N blocks\n"
        "  vanish-after=N  the device goes away after N blocks\n");
}
