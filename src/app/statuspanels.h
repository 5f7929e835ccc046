#pragma once

#include <QDateTime>
#include <QStatusBar>

class QLabel;

// The main window's status bar: seven panels, of which 1 to 5 show the date, the clock,
// the serial port, the model and the band.
class TStatusPanels : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int PanelCount = 7;

    explicit TStatusPanels(QWidget* parent = nullptr);

    // Panels 0 to 5: 0 stays empty, then the date, the time, `port` (already prefixed),
    // the model and the band.
    void Refresh(const QDateTime& now, const QString& port, const QString& model,
                 const QString& band);
    // The clock: the time panel alone.
    void Tick(const QDateTime& now);

    QString PanelText(int panel) const;

    // The date as year, month and day with the separator of the regional settings
    // ("2024/05/01" where dates are written with "/").
    static QString DateText(const QDate& date);

private:
    QLabel* panels_[PanelCount];
};
