#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// A text file of [sections] and key=value lines, read and changed in place.
//
// Section and key names compare without regard to case and the first occurrence of a key
// wins, as the configuration and language files have always been read. Writing a key
// changes only its own line (or adds one), so every other key, comment, blank line and the
// order of the file survive. Files are read as UTF-8 and, when they are not valid UTF-8,
// as GB18030 (the code page older Chinese files were saved in); they are written as UTF-8.
class TIniFile {
public:
    TIniFile() = default;
    // Reads the file; a missing or unreadable file gives an empty one.
    explicit TIniFile(const QString& path) { Load(path); }

    bool Load(const QString& path);
    void Parse(const QByteArray& bytes);

    // The value with surrounding blanks removed; a value written in double quotes keeps
    // the blanks inside them. `def` when the key is absent; an empty value stays empty.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    bool HasKey(const QString& section, const QString& key) const;
    // The keys of a section in file order, each once, spelled as the file first has it.
    QStringList Keys(const QString& section) const;

    void WriteString(const QString& section, const QString& key, const QString& value);

    QByteArray ToBytes() const;
    // Writes through a temporary file, so a failed save leaves the old file whole.
    bool Save(const QString& path) const;

private:
    struct KeyLine {
        QString key;
        QString value;
    };
    static bool ParseSection(const QString& line, QString& name);
    static bool ParseKey(const QString& line, KeyLine& out);
    static QString IndexKey(const QString& section, const QString& key);
    void Reindex();
    // One past the last non-blank line of the first section named `section`; -1 if absent.
    int SectionEnd(const QString& section) const;

    QStringList lines_;
    QString eol_ = QStringLiteral("\n");
    QHash<QString, int> index_; // section + key, lower case -> line of the first occurrence
};
