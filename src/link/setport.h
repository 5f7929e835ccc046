#pragma once

#include "portlist.h"

#include "model/tall.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// Setup > Communication Port: which serial port the radio hangs on. The only effect is the
// state's port name, which the configuration file keeps as "Com".
//
// On Windows ports are "COM" and a number, and the window offers twenty buttons, COM1 to
// COM20, of which those present can be chosen; a higher port is set in the configuration
// file. Elsewhere ports are devices: the window lists those present with what the system
// knows about them (description, maker, USB ids) and takes any device path typed in, such
// as a pseudo-terminal's, which no port list shows.
class TfSetPort : public QDialog {
    Q_OBJECT
public:
    enum class Picker { ComButtons, DeviceList };
#ifdef Q_OS_WIN
    static constexpr Picker NativePicker = Picker::ComButtons;
#else
    static constexpr Picker NativePicker = Picker::DeviceList;
#endif

    // `present`: the ports present now, as ListPresentPortDetails() gives them.
    TfSetPort(TALL& all, const QList<TPresentPort>& present, const QString& languageFile,
              QWidget* parent = nullptr, Picker picker = NativePicker);

    static constexpr int ComButtonCount = 20;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildComButtons();
    void BuildDeviceList();
    void FormShow();
    void btnOKClick();
    void gvPortsSelectionChanged();

    TALL& all_;
    QList<TPresentPort> present_;
    QString languageFile_;
    Picker picker_;
    bool shown_ = false;
    QGroupBox* cxPort_;
    QList<QRadioButton*> cxPortN_; // cxPort1 to cxPort20
    QTableWidget* gvPorts_ = nullptr;
    QLabel* lbDevice_ = nullptr;
    QLineEdit* cxDevice_ = nullptr;
    QLabel* lbName_;
    QComboBox* cbCom_;
    QPushButton* btnOk_;
    QPushButton* btnCancel_;
};
