#pragma once

// A main window that runs offscreen against a throw-away program directory, with a
// desktop and message boxes that answer from a script instead of waiting for a user.

#include "app/desktop.h"
#include "app/editorwindows.h"
#include "app/maindb.h"
#include "app/mainfrm.h"

#include "editors/editorhost.h"
#include "editors/editorwindow.h"
#include "i18n/msgbox.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QUrl>
#include <QVBoxLayout>
#include <deque>
#include <functional>
#include <memory>

// Everything the fakes below see happen, in order: "open-dialog", "save-dialog",
// "dialog:fSetLanguage", "url:K904_English.html", "open:12", "end-cell-editing", ...
using EventLog = QStringList;

class ScriptedDesktop : public TDesktop {
public:
    explicit ScriptedDesktop(EventLog& log) : log_(log) {}

    std::deque<QString> openNames; // answers of the open dialog; "" cancels
    std::deque<QString> saveNames;
    std::function<int(QDialog&)> runDialog = [](QDialog& d) {
        d.show();
        d.reject();
        return int(QDialog::Rejected);
    };
    QStringList ports;
    QList<TPresentPort> portDetails;
    QStringList existing; // ports that are there without being listed
    QDateTime now{QDate(2024, 5, 1), QTime(12, 30, 0)};

    QString OpenFileName(QWidget*, const QString& filter) override {
        log_ << QStringLiteral("open-dialog");
        lastFilter = filter;
        return take(openNames);
    }
    QString SaveFileName(QWidget*, const QString& filter) override {
        log_ << QStringLiteral("save-dialog");
        lastFilter = filter;
        return take(saveNames);
    }
    int RunDialog(QDialog& dialog) override {
        log_ << QStringLiteral("dialog:") + dialog.objectName();
        return runDialog(dialog);
    }
    bool OpenUrl(const QUrl& url) override {
        log_ << QStringLiteral("url:") + url.fileName();
        return true;
    }
    QStringList PresentPorts() override { return ports; }
    // `portDetails` when set, else the names of `ports` as devices nobody knows more about
    QList<TPresentPort> PresentPortDetails() override {
        if (!portDetails.isEmpty()) return portDetails;
        QList<TPresentPort> details;
        for (const QString& name : ports)
            details << TPresentPort{name, QStringLiteral("/dev/") + name, {}, {}, {}, {}};
        return details;
    }
    bool PortExists(const QString& portName) override { return existing.contains(portName); }
    QDateTime Now() override { return now; }

    QString lastFilter;

private:
    static QString take(std::deque<QString>& q) {
        if (q.empty()) return {};
        QString s = q.front();
        q.pop_front();
        return s;
    }
    EventLog& log_;
};

// Answers questions from a script (Yes when the script has run out) and notes each text.
class ScriptedMessages : public TMessageResponder {
public:
    ScriptedMessages() { SetMessageResponder(this); }
    ~ScriptedMessages() override { SetMessageResponder(nullptr); }

    std::deque<int> answers;
    QStringList texts;
    QStringList titles;

    // Runs as each message is shown, to look at the windows behind it.
    std::function<void(const QString& text)> whenShown;

    int Answer(const QString& title, const QString& text, int kind) override {
        titles << title;
        texts << text;
        if (whenShown) whenShown(text);
        if (kind != msgbox::Question) return msgbox::Ok;
        if (answers.empty()) return msgbox::Yes;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Stands in for an editor window: notes the main window's calls and holds a text field.
class FakeEditor : public TEditorWindow {
public:
    FakeEditor(TEditorHost& host, EventLog& log, int tag) : TEditorWindow(host), log_(log) {
        setObjectName(QStringLiteral("fFake%1").arg(tag));
        setWindowTitle(QStringLiteral("Fake %1").arg(tag));
        field = new QLineEdit(QStringLiteral("446.00625"), this);
        (new QVBoxLayout(this))->addWidget(field);
        resize(300, 200);
    }
    void EndInCellEditing() override { log_ << QStringLiteral("end-cell-editing"); }
    void ShowChannelRow(int channel) override {
        log_ << QStringLiteral("show-row:%1").arg(channel);
    }
    void LoadChannel() override { log_ << QStringLiteral("load-channel"); }

    QLineEdit* field;

private:
    EventLog& log_;
};

struct ShellFixture {
    // `withSysInfo`: ship the SysInfo.Ini of the program beside it, as an installation does.
    explicit ShellFixture(bool withSysInfo = true, const QStringList& ports = {}) {
        for (const char* name : {"English.Ini", "Chinese.Ini", "K904_English.html",
                                 "K904_Chinese.html", "SysInfo.Ini"}) {
            if (!withSysInfo && QByteArray(name) == "SysInfo.Ini") continue;
            QFile::copy(QStringLiteral(K904_RESOURCES "/") + QLatin1String(name),
                        programDir() + QLatin1String(name));
            QFile(programDir() + QLatin1String(name))
                .setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        desktop.ports = ports;
        Start();
    }

    void Start() {
        frame.reset();
        db = std::make_unique<TMaindb>(programDir(), userDir.path());
        frame = std::make_unique<TfMainFrm>(*db, desktop);
        for (int tag : {10, 11, 12, 13, 14, 15, 16, 17, 19})
            frame->Editors().Register(tag, [this, tag](TEditorHost& host) {
                log << QStringLiteral("create:%1").arg(tag);
                return new FakeEditor(host, log, tag);
            });
        frame->resize(1000, 700);
        frame->show();
        QApplication::setActiveWindow(frame.get());
        log.clear();
    }

    QString programDir() const { return dir.path() + QStringLiteral("/program/"); }
    TALL& all() { return db->Core.All; }
    FakeEditor* editor(int tag) { return static_cast<FakeEditor*>(frame->Editors().Find(tag)); }

    QTemporaryDir dir;
    bool made = QDir().mkpath(dir.path() + QStringLiteral("/program"));
    QTemporaryDir userDir;
    EventLog log;
    ScriptedDesktop desktop{log};
    ScriptedMessages messages;
    std::unique_ptr<TMaindb> db;
    std::unique_ptr<TfMainFrm> frame;
};
