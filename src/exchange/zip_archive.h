#pragma once

#include <QString>
#include <QStringList>

struct zip;

namespace zel::exchange {

// Reads a zip archive through libzip without ever changing it. Every call that can fail returns
// false and sets errorString().
class ZipArchive
{
public:
    ZipArchive() = default;
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    bool open(const QString &path);
    void close();
    // The files it holds (folders left out), in archive order.
    const QStringList &fileNames() const { return m_files; }
    // Writes the archived file `name` to `target`, replacing it; a partly written target is removed.
    bool extract(const QString &name, const QString &target);
    const QString &errorString() const { return m_error; }

private:
    bool fail(const QString &text);

    zip *m_archive = nullptr;
    QStringList m_files;
    QString m_error;
};

} // namespace zel::exchange
