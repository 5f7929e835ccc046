#include "portchoice.h"

#include <QRegularExpression>

TPortChoice ChoosePort(const QString& configured, const QStringList& present,
                       const std::function<bool(const QString&)>& exists) {
    static const QRegularExpression windowsName(QStringLiteral("^com\\d+$"),
                                                QRegularExpression::CaseInsensitiveOption);
    TPortChoice choice;
    choice.portName = windowsName.match(configured).hasMatch() ? configured.toUpper() : configured;
    choice.selected = int(present.indexOf(choice.portName));
    if (choice.selected < 0 && !present.isEmpty() && !(exists && exists(choice.portName))) {
        choice.selected = 0;
        choice.portName = present.first();
    }
    return choice;
}
