#include "statuspanels.h"

#include <QLabel>
#include <QLocale>

namespace {

// Design widths at 96 dots per inch; a panel grows when a translation needs more room.
constexpr int kWidths[TStatusPanels::PanelCount] = {50, 80, 120, 120, 120, 120, 100};

QChar regionalDateSeparator() {
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (QChar c : format)
        if (!c.isLetter() && !c.isSpace() && c != u'\'') return c;
    return u'/';
}

} // namespace

TStatusPanels::TStatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("MainBar"));
    setSizeGripEnabled(false);
    // the panels have no component names: the translation step leaves the status bar alone
    for (int i = 0; i < PanelCount; ++i) {
        auto* panel = new QLabel(this);
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setMinimumWidth(kWidths[i]);
        panel->setContentsMargins(4, 0, 4, 0);
        addWidget(panel, i == PanelCount - 1 ? 1 : 0);
        panels_[i] = panel;
    }
}

QString TStatusPanels::DateText(const QDate& date) {
    static const QChar separator = regionalDateSeparator();
    return date.toString(QStringLiteral("yyyy%1MM%1dd").arg(separator));
}

void TStatusPanels::Refresh(const QDateTime& now, const QString& port, const QString& model,
                            const QString& band) {
    panels_[0]->clear();
    panels_[1]->setText(DateText(now.date()));
    Tick(now);
    panels_[3]->setText(port);
    panels_[4]->setText(model);
    panels_[5]->setText(band);
}

void TStatusPanels::Tick(const QDateTime& now) {
    panels_[2]->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
}

QString TStatusPanels::PanelText(int panel) const {
    return panels_[panel]->text();
}
