#include "shell/ini_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <optional>

namespace zel {

namespace {

std::optional<QString> sectionName(const QString &trimmedLine)
{
    if (!trimmedLine.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmedLine.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return trimmedLine.mid(1, close - 1).trimmed();
}

// Returns the key of a "key=value" line, or nothing for other lines.
std::optional<QString> keyName(const QString &trimmedLine)
{
    if (trimmedLine.startsWith(QLatin1Char(';')))
        return std::nullopt;
    const qsizetype eq = trimmedLine.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return trimmedLine.left(eq).trimmed();
}

QString unquote(const QString &value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString cut(const QString &value, int maxChars)
{
    return maxChars >= 0 && value.size() > maxChars ? value.left(maxChars) : value;
}

// Windows editors may start a file with a byte-order mark, which would hide the first section;
// files of the older program are in the Windows code page, whose accents are not UTF-8.
QString decodeText(const QByteArray &bytes)
{
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(body);
    return utf8.hasError() ? QString::fromLatin1(body) : text;
}

} // namespace

IniFile::IniFile(const QString &path) : m_path(path) {}

QStringList IniFile::readLines() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = decodeText(file.readAll());
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

bool IniFile::writeLines(const QStringList &lines) const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &line : lines)
        file.write((line + QLatin1Char('\n')).toUtf8());
    return file.commit();
}

QString IniFile::read(const QString &section, const QString &key, const QString &defaultValue,
                      int maxChars) const
{
    bool inSection = false;
    for (const QString &raw : readLines()) {
        const QString line = raw.trimmed();
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        const auto name = keyName(line);
        if (name && sameName(*name, key))
            return cut(unquote(line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed()), maxChars);
    }
    return cut(defaultValue, maxChars);
}

bool IniFile::update(const QString &section, const QString &key, const QString *value) const
{
    QStringList lines = readLines();
    qsizetype sectionStart = -1;   // line index of the section header
    qsizetype insertAt = -1;       // after the section's last non-blank line
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (const auto name = sectionName(line)) {
            if (sectionStart >= 0)
                break;
            if (sameName(*name, section))
                sectionStart = insertAt = i;
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (!line.isEmpty())
            insertAt = i;
        const auto name = keyName(line);
        if (name && sameName(*name, key)) {
            if (value)
                lines[i] = key + QLatin1Char('=') + *value;
            else
                lines.removeAt(i);
            return writeLines(lines);
        }
    }
    if (!value)
        return true;
    const QString entry = key + QLatin1Char('=') + *value;
    if (sectionStart < 0) {
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    } else {
        lines.insert(insertAt + 1, entry);
    }
    return writeLines(lines);
}

bool IniFile::write(const QString &section, const QString &key, const QString &value) const
{
    // A value is one line; a line break inside it would start a new key.
    QString oneLine = value;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return update(section, key, &oneLine);
}

bool IniFile::removeKey(const QString &section, const QString &key) const
{
    return update(section, key, nullptr);
}

bool IniFile::exists() const
{
    return QFile::exists(m_path);
}

bool IniFile::remove() const
{
    return !exists() || QFile::remove(m_path);
}

} // namespace zel
