#include "inifile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

QString decode(const QByteArray& raw) {
    QByteArray bytes = raw;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder legacy("GB18030");
    if (legacy.isValid()) return legacy(bytes);
    return QString::fromLatin1(bytes);
}

bool isComment(const QString& trimmed) {
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

QString formatValue(QString value) {
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(u'\n', u' ');
    value.replace(u'\r', u' ');
    const bool quoted = value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"');
    if (quoted || value != value.trimmed()) return u'"' + value + u'"';
    return value;
}

} // namespace

bool TIniFile::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Parse({});
        return false;
    }
    Parse(file.readAll());
    return true;
}

void TIniFile::Parse(const QByteArray& bytes) {
    const QString text = decode(bytes);
    eol_ = text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines_ = normal.split(u'\n');
    // a final line break does not start another line
    if (!lines_.isEmpty() && lines_.last().isEmpty()) lines_.removeLast();
    Reindex();
}

bool TIniFile::ParseSection(const QString& line, QString& name) {
    const QString t = line.trimmed();
    if (!t.startsWith(u'[')) return false;
    const qsizetype close = t.indexOf(u']');
    if (close < 0) return false;
    name = t.mid(1, close - 1).trimmed();
    return true;
}

bool TIniFile::ParseKey(const QString& line, KeyLine& out) {
    const QString t = line.trimmed();
    if (t.isEmpty() || isComment(t)) return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0) return false;
    out.key = t.left(eq).trimmed();
    if (out.key.isEmpty()) return false;
    QString value = t.mid(eq + 1).trimmed();
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.mid(1, value.size() - 2);
    out.value = value;
    return true;
}

QString TIniFile::IndexKey(const QString& section, const QString& key) {
    return section.toLower() + QChar(0) + key.toLower();
}

void TIniFile::Reindex() {
    index_.clear();
    QString section;
    bool inSection = false;
    for (int i = 0; i < lines_.size(); ++i) {
        QString name;
        if (ParseSection(lines_[i], name)) {
            section = name;
            inSection = true;
            continue;
        }
        KeyLine kl;
        if (!inSection || !ParseKey(lines_[i], kl)) continue;
        const QString k = IndexKey(section, kl.key);
        if (!index_.contains(k)) index_.insert(k, i);
    }
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    const auto it = index_.constFind(IndexKey(section, key));
    if (it == index_.constEnd()) return def;
    KeyLine kl;
    ParseKey(lines_[*it], kl);
    return kl.value;
}

bool TIniFile::HasKey(const QString& section, const QString& key) const {
    return index_.contains(IndexKey(section, key));
}

QStringList TIniFile::Keys(const QString& section) const {
    QStringList keys;
    QStringList seen;
    bool in = false;
    for (const QString& line : lines_) {
        QString name;
        if (ParseSection(line, name)) {
            in = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        KeyLine kl;
        if (!in || !ParseKey(line, kl) || seen.contains(kl.key.toLower())) continue;
        seen << kl.key.toLower();
        keys << kl.key;
    }
    return keys;
}

int TIniFile::SectionEnd(const QString& section) const {
    int header = -1;
    for (int i = 0; i < lines_.size(); ++i) {
        QString name;
        if (!ParseSection(lines_[i], name)) continue;
        if (header >= 0) break;
        if (name.compare(section, Qt::CaseInsensitive) == 0) header = i;
    }
    if (header < 0) return -1;
    int end = header + 1;
    for (int i = header + 1; i < lines_.size(); ++i) {
        QString name;
        if (ParseSection(lines_[i], name)) break;
        if (!lines_[i].trimmed().isEmpty()) end = i + 1;
    }
    return end;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const QString formatted = formatValue(value);
    const auto it = index_.constFind(IndexKey(section, key));
    if (it != index_.constEnd()) {
        // keep the key as the file spells it, and its indentation
        const QString line = lines_[*it];
        int lead = 0;
        while (lead < line.size() && line[lead].isSpace())
            ++lead;
        const qsizetype eq = line.indexOf(u'=');
        lines_[*it] = line.left(lead) + line.mid(lead, eq - lead).trimmed() + u'=' + formatted;
        return;
    }
    const QString newLine = key + u'=' + formatted;
    const int end = SectionEnd(section);
    if (end >= 0) {
        lines_.insert(end, newLine);
    } else {
        if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty()) lines_ << QString();
        lines_ << u'[' + section + u']' << newLine;
    }
    Reindex();
}

QByteArray TIniFile::ToBytes() const {
    if (lines_.isEmpty()) return {};
    return (lines_.join(eol_) + eol_).toUtf8();
}

bool TIniFile::Save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = ToBytes();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
