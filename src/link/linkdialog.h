#pragma once

#include "linkresult.h"

#include <QDialog>
#include <QTimer>
#include <memory>

class QProgressBar;
class QPushButton;
class TExchange;
class TLanguage;
class TLinkDriver;
struct TCore;

// What the read and the write window have in common: a progress bar and the Ok and Cancel
// buttons over a link driver. The port opens once the window is on screen; Ok starts the
// exchange; the result is shown through the program's message box, after which the window
// closes itself a moment later, stays open for the user to close, or gets ready to run
// again, as the exchange says. Closing the window in any way stops the exchange at once
// without an end frame and releases the port.
class TLinkDialog : public QDialog {
    Q_OBJECT
public:
    ~TLinkDialog() override;

    void done(int result) override;

protected:
    TLinkDialog(TCore& core, const TLanguage& messages, const QString& languageFile,
                std::unique_ptr<TExchange> exchange, const QString& name, const QString& caption,
                QWidget* parent);

    void showEvent(QShowEvent* event) override;
    // Before the message is shown. The result is never Cancelled here.
    virtual void runEnded(const TLinkResult& result);
    virtual void runStarting() {}

    TLinkDriver& Driver() { return *driver_; }
    QProgressBar* pBar_;
    QPushButton* btnOk_;
    QPushButton* btnCancel_;

private:
    void FormShow();
    void OpenRadioPort();
    void btnOkClick();
    void linkFinished(const TLinkResult& result);
    void CloseTimeTimer();

    TCore& core_;
    const TLanguage& messages_;
    QString languageFile_;
    TLinkDriver* driver_;
    QTimer closeTime_;
    int closeResult_ = Rejected;
    bool shown_ = false;
};
