#include "translate.h"

#include "inifile.h"
#include "tag.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

namespace {

class TIniTextSource : public TTextSource {
public:
    explicit TIniTextSource(const QString& path) : file_(path) {}
    QString Text(const QString& section, const QString& key, const QString& current) override {
        return file_.ReadString(section, key, current);
    }

private:
    TIniFile file_;
};

class TFormTranslator {
public:
    TFormTranslator(const QString& section, TTextSource& source, bool withItemLists)
        : section_(section), source_(source), withItemLists_(withItemLists) {}

    void Component(QObject* object) {
        const QString name = object->objectName();
        // unnamed objects and the toolkit's own parts ("qt_...") are not components
        if (name.isEmpty() || name.startsWith(QStringLiteral("qt_"))) return;
        if (auto* label = qobject_cast<QLabel*>(object)) {
            // a label that holds a picture is an image, and images have no text
            if (label->pixmap().isNull()) label->setText(Caption(name, label->text()));
        } else if (auto* menu = qobject_cast<QMenu*>(object)) {
            menu->setTitle(Caption(name, menu->title()));
            menu->menuAction()->setStatusTip(Hint(name, menu->menuAction()->statusTip()));
        } else if (auto* action = qobject_cast<QAction*>(object)) {
            if (action->isSeparator()) return;
            action->setText(Caption(name, action->text()));
            action->setStatusTip(Hint(name, action->statusTip()));
        } else if (auto* tool = qobject_cast<QToolButton*>(object)) {
            tool->setText(Caption(name, tool->text()));
            tool->setToolTip(Hint(name, tool->toolTip()));
        } else if (auto* table = qobject_cast<QTableWidget*>(object)) {
            if (TagOf(table) != tag::NotTranslated) Headings(name, table);
        } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
            if (withItemLists_ && TagOf(combo) != tag::NotTranslated) Entries(name, combo);
        } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
            if (TagOf(group) != tag::NotTranslated) group->setTitle(Caption(name, group->title()));
        } else if (auto* list = qobject_cast<QListWidget*>(object)) {
            if (TagOf(list) == tag::NotTranslated) return;
            for (int i = 0; i < list->count(); ++i)
                list->item(i)->setText(Entry(name, i, list->item(i)->text()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
            // push buttons, check boxes and radio buttons alike
            button->setText(Caption(name, button->text()));
        } else if (auto* page = qobject_cast<QWidget*>(object)) {
            TabPage(name, page);
        }
    }

private:
    QString Caption(const QString& name, const QString& current) {
        return source_.Text(section_, name + QStringLiteral(".Caption"), current);
    }
    QString Hint(const QString& name, const QString& current) {
        return source_.Text(section_, name + QStringLiteral(".Hint"), current);
    }
    QString Entry(const QString& name, int i, const QString& current) {
        return source_.Text(section_, name + u'.' + QString::number(i), current);
    }

    // A grid's heading of its n-th data column is entry n, counted from 1: the row
    // numbers take the place of column 0.
    void Headings(const QString& name, QTableWidget* table) {
        for (int c = 0; c < table->columnCount(); ++c) {
            QTableWidgetItem* item = table->horizontalHeaderItem(c);
            if (!item) {
                item =
                    new QTableWidgetItem(table->model()->headerData(c, Qt::Horizontal).toString());
                table->setHorizontalHeaderItem(c, item);
            }
            item->setText(Entry(name, c + 1, item->text()));
        }
    }

    void Entries(const QString& name, QComboBox* combo) {
        const int selected = combo->currentIndex();
        const int last =
            TagOf(combo) == tag::FirstEntryOnly ? qMin(1, combo->count()) : combo->count();
        for (int i = 0; i < last; ++i)
            combo->setItemText(i, Entry(name, i, combo->itemText(i)));
        combo->setCurrentIndex(selected);
    }

    void TabPage(const QString& name, QWidget* page) {
        auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (!tabs) return;
        const int i = tabs->indexOf(page);
        if (i >= 0) tabs->setTabText(i, Caption(name, tabs->tabText(i)));
    }

    QString section_;
    TTextSource& source_;
    bool withItemLists_;
};

// Child windows (editor windows in the document area) and dialogs are forms of their
// own; drop-down menus are windows too but belong to the form that owns them.
bool isOwnForm(QObject* object) {
    if (qobject_cast<QMdiSubWindow*>(object)) return true;
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->isWindow() && !qobject_cast<QMenu*>(widget);
}

void walk(QObject* parent, TFormTranslator& translator) {
    for (QObject* child : parent->children()) {
        if (isOwnForm(child)) continue;
        translator.Component(child);
        walk(child, translator);
    }
}

} // namespace

void TranslateForm(QWidget* form, TTextSource& source, bool withItemLists) {
    const QString section = form->objectName();
    form->setWindowTitle(
        source.Text(section, section + QStringLiteral(".Caption"), form->windowTitle()));
    TFormTranslator translator(section, source, withItemLists);
    walk(form, translator);
}

void TranslateForm(QWidget* form, const QString& languageFile, bool withItemLists) {
    TIniTextSource source(languageFile);
    TranslateForm(form, source, withItemLists);
}
