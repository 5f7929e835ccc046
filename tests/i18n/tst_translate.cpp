#include "i18n/tag.h"
#include "i18n/translate.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A window with one component of each kind the translation step knows, plus a few it
// must leave alone.
class TestForm : public QWidget {
public:
    TestForm() {
        setObjectName(QStringLiteral("fTest"));
        setWindowTitle(QStringLiteral("Test Window"));
        named(new QLabel(QStringLiteral("Label"), this), "Label1");
        QPixmap picture(16, 16);
        picture.fill(Qt::red);
        named(new QLabel(this), "ImApp")->setPixmap(picture);
        named(new QPushButton(QStringLiteral("&Ok"), this), "btnOk");
        named(new QCheckBox(QStringLiteral("Busy Lock"), this), "cxBusy");
        named(new QRadioButton(QStringLiteral("Wide"), this), "rbWide");
        named(new QGroupBox(QStringLiteral("Tones"), this), "gbTones");
        named(new QGroupBox(QStringLiteral("Port Settings"), this), "gbPort");
        SetTag(findChild<QGroupBox*>(QStringLiteral("gbPort")), tag::NotTranslated);
        auto* tabs = new QTabWidget(this);
        tabs->addTab(named(new QWidget, "tsCodes"), QStringLiteral("Codes"));

        words = combo("cxWords", {"Low", "Middle", "High"}, 0);
        tone = combo("cxTone", {"None", "67.0", "69.3"}, tag::FirstEntryOnly);
        port = combo("cxPort", {"COM1", "COM2"}, tag::NotTranslated);
        words->setCurrentIndex(2);
        tone->setCurrentIndex(1);

        list = named(new QListWidget(this), "lbSpeed");
        list->addItems({QStringLiteral("Slow"), QStringLiteral("Fast")});
        codes = named(new QListWidget(this), "lbCodes");
        codes->addItems({QStringLiteral("D023N")});
        SetTag(codes, tag::NotTranslated);

        grid = named(new QTableWidget(2, 2, this), "gvData");
        grid->setHorizontalHeaderLabels({QStringLiteral("RX"), QStringLiteral("TX")});
        toneGrid = named(new QTableWidget(2, 1, this), "gvTones");
        toneGrid->setHorizontalHeaderLabels({QStringLiteral("67.0")});
        SetTag(toneGrid, tag::NotTranslated);

        named(new QToolButton(this), "tbRead")->setText(QStringLiteral("Read"));
        findChild<QToolButton*>(QStringLiteral("tbRead"))->setToolTip(QStringLiteral("Read"));
        auto* menu = named(new QMenu(QStringLiteral("&File"), this), "nFile");
        auto* item = named(new QAction(QStringLiteral("&New"), this), "N1");
        item->setStatusTip(QStringLiteral("New"));
        menu->addAction(item);
        named(new QLineEdit(QStringLiteral("446.00625"), this), "cxRxFreq");

        // windows of their own inside this one: they translate themselves
        auto* area = new QMdiArea(this);
        auto* child = new QWidget;
        named(new QLabel(QStringLiteral("Child label"), child), "LabelChild");
        area->addSubWindow(child);
        auto* dialog = new QDialog(this);
        named(new QPushButton(QStringLiteral("Dialog button"), dialog), "btnDialog");
    }

    template <typename T> T* named(T* object, const char* name) {
        object->setObjectName(QLatin1String(name));
        return object;
    }
    QComboBox* combo(const char* name, std::initializer_list<const char*> items, int t) {
        auto* c = named(new QComboBox(this), name);
        for (const char* i : items)
            c->addItem(QLatin1String(i));
        if (t) SetTag(c, t);
        return c;
    }

    QString label(const char* name) const {
        return findChild<QLabel*>(QLatin1String(name))->text();
    }
    QString button(const char* name) const {
        return findChild<QAbstractButton*>(QLatin1String(name))->text();
    }

    QComboBox *words, *tone, *port;
    QListWidget *list, *codes;
    QTableWidget *grid, *toneGrid;
};

// Answers from a fixed table; records every key asked for.
class TableSource : public TTextSource {
public:
    explicit TableSource(QHash<QString, QString> texts) : texts_(std::move(texts)) {}
    QString Text(const QString& section, const QString& key, const QString& current) override {
        asked << section + u'/' + key;
        return texts_.value(key, current);
    }
    QStringList asked;

private:
    QHash<QString, QString> texts_;
};

const QHash<QString, QString> kGerman = {
    {"fTest.Caption", "Testfenster"},
    {"Label1.Caption", "Beschriftung"},
    {"btnOk.Caption", "&OK"},
    {"cxBusy.Caption", "Besetztsperre"},
    {"rbWide.Caption", "Breit"},
    {"gbTones.Caption", "Töne"},
    {"gbPort.Caption", "Anschluss"},
    {"tsCodes.Caption", "Kodes"},
    {"cxWords.0", "Niedrig"},
    {"cxWords.1", "Mittel"},
    {"cxWords.2", "Hoch"},
    {"cxTone.0", "Kein"},
    {"cxTone.1", "sixty-seven"},
    {"cxPort.0", "Port one"},
    {"lbSpeed.0", "Langsam"},
    {"lbSpeed.1", "Schnell"},
    {"lbCodes.0", "code"},
    {"gvData.1", "Empfang"},
    {"gvData.2", "Senden"},
    {"gvTones.1", "tone"},
    {"tbRead.Caption", "Lesen"},
    {"tbRead.Hint", "Aus dem Funkgerät lesen"},
    {"nFile.Caption", "&Datei"},
    {"N1.Caption", "&Neu"},
    {"N1.Hint", "Neu anlegen"},
    {"cxRxFreq.Caption", "1"},
    {"LabelChild.Caption", "x"},
    {"btnDialog.Caption", "x"},
    {"ImApp.Caption", "x"},
};

} // namespace

class TranslateTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void translatesEachKind_data();
    void translatesEachKind();
    void itemListsOnlyWhenAsked();
    void secondFileWithoutKeyKeepsFirstTranslation();
    void emptyValueGivesEmptyText();
    void missingFileChangesNothing();
};

void TranslateTest::translatesEachKind_data() {
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("expected");
    QTest::newRow("window caption") << "caption"
                                    << "Testfenster";
    QTest::newRow("label") << "Label1"
                           << "Beschriftung";
    QTest::newRow("push button") << "btnOk"
                                 << "&OK";
    QTest::newRow("check box") << "cxBusy"
                               << "Besetztsperre";
    QTest::newRow("radio button") << "rbWide"
                                  << "Breit";
    QTest::newRow("group box") << "gbTones"
                               << "Töne";
    QTest::newRow("group box tagged -2 keeps its caption") << "gbPort"
                                                           << "Port Settings";
    QTest::newRow("tab page") << "tsCodes"
                              << "Kodes";
    QTest::newRow("combo box entries") << "cxWords"
                                       << "Niedrig|Mittel|Hoch";
    QTest::newRow("combo box keeps its selection") << "cxWords.selected"
                                                   << "2";
    QTest::newRow("tag -3: entry 0 alone") << "cxTone"
                                           << "Kein|67.0|69.3";
    QTest::newRow("tag -3 keeps its selection") << "cxTone.selected"
                                                << "1";
    QTest::newRow("tag -2 combo box untouched") << "cxPort"
                                                << "COM1|COM2";
    QTest::newRow("list box entries") << "lbSpeed"
                                      << "Langsam|Schnell";
    QTest::newRow("tag -2 list box untouched") << "lbCodes"
                                               << "D023N";
    QTest::newRow("grid headings from 1") << "gvData"
                                          << "Empfang|Senden";
    QTest::newRow("tag -2 grid untouched") << "gvTones"
                                           << "67.0";
    QTest::newRow("tool button caption") << "tbRead"
                                         << "Lesen";
    QTest::newRow("tool button hint") << "tbRead.hint"
                                      << "Aus dem Funkgerät lesen";
    QTest::newRow("menu") << "nFile"
                          << "&Datei";
    QTest::newRow("menu item caption") << "N1"
                                       << "&Neu";
    QTest::newRow("menu item hint") << "N1.hint"
                                    << "Neu anlegen";
    QTest::newRow("text edit untouched") << "cxRxFreq"
                                         << "446.00625";
    QTest::newRow("label holding a picture untouched") << "ImApp"
                                                       << "";
    QTest::newRow("editor window inside untouched") << "LabelChild"
                                                    << "Child label";
    QTest::newRow("owned dialog untouched") << "btnDialog"
                                            << "Dialog button";
}

void TranslateTest::translatesEachKind() {
    QFETCH(QString, part);
    QFETCH(QString, expected);
    TestForm form;
    TableSource source(kGerman);
    TranslateForm(&form, source, true);

    const auto entries = [](QComboBox* c) {
        QStringList items;
        for (int i = 0; i < c->count(); ++i)
            items << c->itemText(i);
        return items.join(u'|');
    };
    const auto listEntries = [](QListWidget* l) {
        QStringList items;
        for (int i = 0; i < l->count(); ++i)
            items << l->item(i)->text();
        return items.join(u'|');
    };
    const auto headings = [](QTableWidget* t) {
        QStringList items;
        for (int c = 0; c < t->columnCount(); ++c)
            items << t->horizontalHeaderItem(c)->text();
        return items.join(u'|');
    };
    const QHash<QString, std::function<QString()>> shown = {
        {"caption", [&] { return form.windowTitle(); }},
        {"Label1", [&] { return form.label("Label1"); }},
        {"btnOk", [&] { return form.button("btnOk"); }},
        {"cxBusy", [&] { return form.button("cxBusy"); }},
        {"rbWide", [&] { return form.button("rbWide"); }},
        {"gbTones", [&] { return form.findChild<QGroupBox*>("gbTones")->title(); }},
        {"gbPort", [&] { return form.findChild<QGroupBox*>("gbPort")->title(); }},
        {"tsCodes", [&] { return form.findChild<QTabWidget*>()->tabText(0); }},
        {"cxWords", [&] { return entries(form.words); }},
        {"cxWords.selected", [&] { return QString::number(form.words->currentIndex()); }},
        {"cxTone", [&] { return entries(form.tone); }},
        {"cxTone.selected", [&] { return QString::number(form.tone->currentIndex()); }},
        {"cxPort", [&] { return entries(form.port); }},
        {"lbSpeed", [&] { return listEntries(form.list); }},
        {"lbCodes", [&] { return listEntries(form.codes); }},
        {"gvData", [&] { return headings(form.grid); }},
        {"gvTones", [&] { return headings(form.toneGrid); }},
        {"tbRead", [&] { return form.button("tbRead"); }},
        {"tbRead.hint", [&] { return form.findChild<QToolButton*>("tbRead")->toolTip(); }},
        {"nFile", [&] { return form.findChild<QMenu*>("nFile")->title(); }},
        {"N1", [&] { return form.findChild<QAction*>("N1")->text(); }},
        {"N1.hint", [&] { return form.findChild<QAction*>("N1")->statusTip(); }},
        {"cxRxFreq", [&] { return form.findChild<QLineEdit*>("cxRxFreq")->text(); }},
        {"ImApp", [&] { return form.label("ImApp"); }},
        {"LabelChild", [&] { return form.findChild<QLabel*>("LabelChild")->text(); }},
        {"btnDialog", [&] { return form.findChild<QPushButton*>("btnDialog")->text(); }},
    };
    QCOMPARE(shown.value(part)(), expected);
}

void TranslateTest::itemListsOnlyWhenAsked() {
    TestForm form;
    TableSource source(kGerman);
    TranslateForm(&form, source, false);
    QCOMPARE(form.words->itemText(0), QStringLiteral("Low"));
    QCOMPARE(form.tone->itemText(0), QStringLiteral("None"));
    // list boxes and grids follow the file either way
    QCOMPARE(form.list->item(0)->text(), QStringLiteral("Langsam"));
    QCOMPARE(form.grid->horizontalHeaderItem(0)->text(), QStringLiteral("Empfang"));
    QVERIFY(!source.asked.contains(QStringLiteral("fTest/cxWords.0")));
}

void TranslateTest::secondFileWithoutKeyKeepsFirstTranslation() {
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("First.Ini"));
    const QString second = dir.filePath(QStringLiteral("Second.Ini"));
    QFile f1(first), f2(second);
    QVERIFY(f1.open(QIODevice::WriteOnly) && f2.open(QIODevice::WriteOnly));
    f1.write("[fTest]\nLabel1.Caption=First label\nbtnOk.Caption=First ok\n");
    f2.write("[FTEST]\nbtnok.caption=Second ok\n");
    f1.close();
    f2.close();

    TestForm form;
    TranslateForm(&form, first, true);
    TranslateForm(&form, second, true);
    QCOMPARE(form.label("Label1"), QStringLiteral("First label"));
    QCOMPARE(form.button("btnOk"), QStringLiteral("Second ok"));
}

void TranslateTest::emptyValueGivesEmptyText() {
    TestForm form;
    TableSource source({{"Label1.Caption", ""}});
    TranslateForm(&form, source, true);
    QCOMPARE(form.label("Label1"), QString());
}

void TranslateTest::missingFileChangesNothing() {
    TestForm form;
    TranslateForm(&form, QStringLiteral("/nonexistent/.Ini"), true);
    QCOMPARE(form.windowTitle(), QStringLiteral("Test Window"));
    QCOMPARE(form.label("Label1"), QStringLiteral("Label"));
    QCOMPARE(form.words->itemText(2), QStringLiteral("High"));
}

QTEST_MAIN(TranslateTest)
#include "tst_translate.moc"
