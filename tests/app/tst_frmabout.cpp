#include "app/frmabout.h"

#include <QtTest>
#include <QtWidgets>

class FrmAboutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void withoutLanguageFileShowsThePlaceholders();
    void textsComeFromTheLanguageFile();
    void clicks_data();
    void clicks();

private:
    QString labels(TfFrmAbout& about) {
        QStringList texts;
        for (const char* name : {"Label1", "Label2", "Label3", "Label8", "Label4", "Label9"}) {
            auto* label = about.findChild<QLabel*>(QLatin1String(name));
            texts << label->text();
            if (label->x() != 97) return QStringLiteral("misplaced ") + QLatin1String(name);
        }
        return texts.join(u'|');
    }
    QString memo(TfFrmAbout& about) {
        return about.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
    }
    TALL all;
};

void FrmAboutTest::init() {
    all = TALL();
    all.AppTitle = QStringLiteral("K-904");
}

void FrmAboutTest::withoutLanguageFileShowsThePlaceholders() {
    TfFrmAbout about(all, QStringLiteral("/nonexistent/.Ini"));
    about.show();
    QCOMPARE(labels(about), QStringLiteral("1|2|3|4|5|6"));
    QCOMPARE(memo(about), QStringLiteral("7\n8\n\n9"));
    QCOMPARE(about.windowTitle(), QStringLiteral("K-904"));
    QCOMPARE(about.size(), QSize(408, 269));
}

void FrmAboutTest::textsComeFromTheLanguageFile() {
    // the shipped English file fills every line; the caption stays the program's title
    TfFrmAbout about(all, QStringLiteral(K904_RESOURCES "/English.Ini"));
    about.show();
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("K-904 Programming Software"));
    QVERIFY(!labels(about).contains(QStringLiteral("|6")));
    const QStringList lines = memo(about).split(u'\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[2], QString());
    QVERIFY(lines[0].startsWith(QStringLiteral("Read the radio")));
    QCOMPARE(about.windowTitle(), QStringLiteral("K-904"));
    // every line fits the window
    for (QLabel* label : about.findChildren<QLabel*>())
        if (label->isVisibleTo(&about) && !label->text().isEmpty())
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
}

void FrmAboutTest::clicks_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("closes");
    QTest::newRow("a line of text") << "Label3" << true;
    QTest::newRow("the bare window") << "" << true;
    QTest::newRow("the icon") << "ImApp" << false;
    QTest::newRow("the notes") << "Memo1" << false;
}

void FrmAboutTest::clicks() {
    QFETCH(QString, target);
    QFETCH(bool, closes);
    TfFrmAbout about(all, QStringLiteral(K904_RESOURCES "/English.Ini"));
    about.show();
    QWidget* widget = &about;
    QPoint at(10, 250 - 140); // left of the text column, above the notes
    if (target == QLatin1String("Memo1"))
        widget = about.findChild<QPlainTextEdit*>(target)->viewport();
    else if (!target.isEmpty())
        widget = about.findChild<QWidget*>(target);
    if (widget != &about) at = widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QCOMPARE(about.isVisible(), !closes);
}

QTEST_MAIN(FrmAboutTest)
#include "tst_frmabout.moc"
