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
    // What extract() writes at most: far more than any product database, far less than a disk.
    static constexpr qint64 kMaxExtractedBytes = 512LL * 1024 * 1024;

    // Writes the archived file `name` to `target` as a new file: whatever is at that path already,
    // a link included, is neither replaced nor followed. More than `maxBytes` stops it, and
    // tooLarge() tells so; a partly written target is removed.
    bool extract(const QString &name, const QString &target, qint64 maxBytes = kMaxExtractedBytes);
    // True when the last extract() stopped at its size limit.
    bool tooLarge() const { return m_tooLarge; }
    const QString &errorString() const { return m_error; }

private:
    bool fail(const QString &text);

    zip *m_archive = nullptr;
    QStringList m_files;
    QString m_error;
    bool m_tooLarge = false;
};

} // namespace zel::exchange
