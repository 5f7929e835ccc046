#pragma once

class QHBoxLayout;
class QPushButton;
class QWidget;

// The "&Ok" and "&Cancel" buttons of a dialog, right-aligned in a row. They carry the
// component names btnOk and btnCancel, under which the language files translate them.
struct TOkCancelButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QHBoxLayout* row = nullptr;
};

TOkCancelButtons MakeOkCancelButtons(QWidget* dialog);
