#pragma once

#include <QString>
#include <QStringList>

namespace zel {

// One INI file with the private-profile rules of the classic settings API: section and key names
// match without regard to case, a missing file or key yields the default, values are cut to the
// reader's buffer, and writing creates the file, section and key as needed.
class IniFile
{
public:
    static constexpr int kPathChars = 300;
    static constexpr int kTextChars = 255;
    static constexpr int kUnlimited = -1;

    explicit IniFile(const QString &path);

    // The key's value (surrounding blanks and one pair of matching quotes removed), or the default;
    // either is cut to `maxChars`. An unreadable or damaged file reads as empty.
    QString read(const QString &section, const QString &key, const QString &defaultValue,
                 int maxChars = kTextChars) const;
    // Returns false when the file could not be written; the old file then stays as it was.
    bool write(const QString &section, const QString &key, const QString &value) const;
    // Removes one key; returns false only when the file could not be written.
    bool removeKey(const QString &section, const QString &key) const;

    bool exists() const;
    bool remove() const;
    const QString &path() const { return m_path; }

private:
    QStringList readLines() const;
    bool writeLines(const QStringList &lines) const;
    bool update(const QString &section, const QString &key, const QString *value) const;

    QString m_path;
};

} // namespace zel
