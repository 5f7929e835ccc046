#include "porterror.h"

#ifdef Q_OS_LINUX
#include <grp.h>
#include <sys/stat.h>
#endif

namespace {

#ifdef Q_OS_LINUX
// The group that may use the device: "dialout" on Debian and its kin, "uucp" elsewhere.
QString deviceGroup(const QString& location) {
    struct stat info {};
    if (::stat(location.toLocal8Bit().constData(), &info) != 0) return {};
    const struct group* g = ::getgrgid(info.st_gid);
    return g ? QString::fromLocal8Bit(g->gr_name) : QString();
}
#endif

} // namespace

QString PortOpenErrorText(QSerialPort::SerialPortError error, const QString& systemText,
                          const QString& location) {
    QString text = systemText;
#ifdef Q_OS_LINUX
    if (error == QSerialPort::PermissionError) {
        QString group = deviceGroup(location);
        if (group.isEmpty() || group == QLatin1String("root")) group = QStringLiteral("dialout");
        text += QStringLiteral("\nTo use %1, add your user to the group \"%2\" "
                               "(sudo usermod -aG %2 $USER) and log in again.")
                    .arg(location, group);
    }
#else
    Q_UNUSED(error)
    Q_UNUSED(location)
#endif
    return text;
}
