#include "okcancel.h"

#include <QHBoxLayout>
#include <QPushButton>

TOkCancelButtons MakeOkCancelButtons(QWidget* dialog) {
    TOkCancelButtons b;
    b.ok = new QPushButton(QStringLiteral("&Ok"), dialog);
    b.ok->setObjectName(QStringLiteral("btnOk"));
    b.ok->setDefault(true);
    b.cancel = new QPushButton(QStringLiteral("&Cancel"), dialog);
    b.cancel->setObjectName(QStringLiteral("btnCancel"));
    b.row = new QHBoxLayout;
    b.row->addStretch(1);
    b.row->addWidget(b.ok);
    b.row->addWidget(b.cancel);
    return b;
}
