#pragma once

#include "model/tall.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The about box. It holds only placeholder digits: every line it shows comes from the
// language file (section fFrmAbout), whatever the language index. A click on the window
// or one of its lines closes it; a click on the icon or the notes does not.
class TfFrmAbout : public QDialog {
    Q_OBJECT
public:
    TfFrmAbout(const TALL& all, const QString& languageFile, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    QLabel* AddLabel(QWidget* parent, const char* name, const char* text, int top);

    const TALL& all_;
    QString languageFile_;
    QLabel* imApp_;
    QLabel* label5_;
    QLabel* label6_;
    QLabel* label7_;
    QPlainTextEdit* memo1_;
};
