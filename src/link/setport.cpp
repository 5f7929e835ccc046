#include "setport.h"

#include "portname.h"

#include "i18n/okcancel.h"
#include "i18n/tag.h"
#include "i18n/translate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { PortColumn, DescriptionColumn, ManufacturerColumn, UsbIdColumn, ColumnCount };
}

TfSetPort::TfSetPort(TALL& all, const QList<TPresentPort>& present, const QString& languageFile,
                     QWidget* parent, Picker picker)
    : QDialog(parent), all_(all), present_(present), languageFile_(languageFile), picker_(picker) {
    setObjectName(QStringLiteral("fSetPort"));
    setWindowTitle(QStringLiteral("Communication Port"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // its caption is the window's own, set when shown
    cxPort_ = new QGroupBox(QStringLiteral("Port"), this);
    cxPort_->setObjectName(QStringLiteral("cxPort"));
    SetTag(cxPort_, tag::NotTranslated);
    if (picker_ == Picker::ComButtons)
        BuildComButtons();
    else
        BuildDeviceList();

    // never shown: the translatable prefix of the COM buttons, and the names of the
    // ports present
    lbName_ = new QLabel(QStringLiteral("Port:"), this);
    lbName_->setObjectName(QStringLiteral("lbName"));
    lbName_->hide();
    cbCom_ = new QComboBox(this);
    cbCom_->setObjectName(QStringLiteral("cbCom"));
    SetTag(cbCom_, tag::NotTranslated);
    cbCom_->hide();

    const TOkCancelButtons buttons = MakeOkCancelButtons(this);
    btnOk_ = buttons.ok;
    btnCancel_ = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(14);
    layout->addWidget(cxPort_);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOk_, &QPushButton::clicked, this, &TfSetPort::btnOKClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TfSetPort::BuildComButtons() {
    auto* grid = new QGridLayout(cxPort_);
    grid->setHorizontalSpacing(24);
    // the captions come when the window is shown; every column is as wide as "COM20"
    const int width = QRadioButton(QStringLiteral("COM20")).sizeHint().width();
    for (int n = 1; n <= ComButtonCount; ++n) {
        auto* button = new QRadioButton(cxPort_);
        button->setObjectName(QStringLiteral("cxPort%1").arg(n));
        button->setMinimumWidth(width);
        button->setEnabled(false);
        // four columns of five, top to bottom
        grid->addWidget(button, (n - 1) % 5, (n - 1) / 5);
        cxPortN_ << button;
    }
}

void TfSetPort::BuildDeviceList() {
    gvPorts_ = new QTableWidget(0, ColumnCount, cxPort_);
    gvPorts_->setObjectName(QStringLiteral("gvPorts"));
    gvPorts_->setHorizontalHeaderLabels({QStringLiteral("Port"), QStringLiteral("Description"),
                                         QStringLiteral("Manufacturer"), QStringLiteral("USB ID")});
    gvPorts_->verticalHeader()->hide();
    gvPorts_->setSelectionBehavior(QAbstractItemView::SelectRows);
    gvPorts_->setSelectionMode(QAbstractItemView::SingleSelection);
    gvPorts_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gvPorts_->setWordWrap(false);
    gvPorts_->verticalHeader()->setDefaultSectionSize(gvPorts_->fontMetrics().height() + 8);
    // what the system calls the device takes the room that is left
    gvPorts_->horizontalHeader()->setSectionResizeMode(DescriptionColumn, QHeaderView::Stretch);
    gvPorts_->horizontalHeader()->setHighlightSections(false);
    gvPorts_->setFixedSize(580, 200);

    lbDevice_ = new QLabel(QStringLiteral("Device:"), cxPort_);
    lbDevice_->setObjectName(QStringLiteral("lbDevice"));
    cxDevice_ = new QLineEdit(cxPort_);
    cxDevice_->setObjectName(QStringLiteral("cxDevice"));
    cxDevice_->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    lbDevice_->setBuddy(cxDevice_);

    auto* device = new QHBoxLayout;
    device->addWidget(lbDevice_);
    device->addWidget(cxDevice_, 1);
    auto* layout = new QVBoxLayout(cxPort_);
    layout->addWidget(gvPorts_);
    layout->addLayout(device);

    connect(gvPorts_, &QTableWidget::itemSelectionChanged, this,
            &TfSetPort::gvPortsSelectionChanged);
    connect(gvPorts_, &QTableWidget::cellDoubleClicked, this, &TfSetPort::btnOKClick);
}

void TfSetPort::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TfSetPort::FormShow() {
    if (all_.LanguageIndex > 0) TranslateForm(this, languageFile_, true);
    const QString prefix = all_.LanguageIndex > 0 ? lbName_->text() : QStringLiteral("COM");
    for (int n = 1; n <= cxPortN_.size(); ++n)
        cxPortN_[n - 1]->setText(prefix + QString::number(n));
    cxPort_->setTitle(windowTitle());

    cbCom_->clear();
    for (const TPresentPort& port : present_)
        cbCom_->addItem(port.name);

    if (picker_ == Picker::ComButtons) {
        for (const TPresentPort& port : present_)
            if (const auto n = ComPortNumber(port.name); n && *n >= 1 && *n <= ComButtonCount)
                cxPortN_[*n - 1]->setEnabled(true);
        // the configured port stays chosen even when it is not present now
        if (const auto n = ComPortNumber(all_.PortName); n && *n >= 1 && *n <= ComButtonCount)
            cxPortN_[*n - 1]->setChecked(true);
        return;
    }

    gvPorts_->setRowCount(int(present_.size()));
    for (int row = 0; row < present_.size(); ++row) {
        const TPresentPort& port = present_[row];
        const QString texts[ColumnCount] = {port.name, port.description, port.manufacturer,
                                            UsbIdText(port)};
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setToolTip(c == PortColumn ? port.location : texts[c]);
            gvPorts_->setItem(row, c, item);
        }
    }
    for (const int c : {PortColumn, ManufacturerColumn, UsbIdColumn}) {
        gvPorts_->resizeColumnToContents(c);
        gvPorts_->setColumnWidth(c, qBound(90, gvPorts_->columnWidth(c) + 12, 180));
    }
    // the configured port, by its name or by the device it stands for ("COM1" is ttyS0)
    const QString location = PortSystemLocation(all_.PortName);
    for (int row = 0; row < present_.size(); ++row)
        if (present_[row].name == all_.PortName || present_[row].location == location)
            gvPorts_->selectRow(row);
    cxDevice_->setText(all_.PortName);
    // with no port of the list chosen, the user most likely types one
    if (gvPorts_->selectedItems().isEmpty()) {
        cxDevice_->selectAll();
        cxDevice_->setFocus();
    } else {
        gvPorts_->setFocus();
    }
}

void TfSetPort::gvPortsSelectionChanged() {
    const QList<QTableWidgetItem*> selected = gvPorts_->selectedItems();
    if (!selected.isEmpty()) cxDevice_->setText(present_[selected.first()->row()].name);
}

void TfSetPort::btnOKClick() {
    if (picker_ == Picker::ComButtons) {
        for (int n = 1; n <= cxPortN_.size(); ++n)
            if (cxPortN_[n - 1]->isChecked()) all_.PortName = QStringLiteral("COM%1").arg(n);
    } else {
        const QString typed = cxDevice_->text().trimmed();
        if (!typed.isEmpty()) all_.PortName = typed;
    }
    accept();
}
