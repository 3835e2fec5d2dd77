#pragma once
// What the harnesses that read a file share: the application object, made once, and a folder where
// each input is written under the name the reader expects.

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace zel::fuzz {

// The SQLite driver is a plugin, and plugins need an application object.
inline void makeApplication(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
}

inline QTemporaryDir &inputFolder()
{
    static QTemporaryDir *folder = new QTemporaryDir; // kept to the end: a harness never returns
    return *folder;
}

// The input as the file `name` in the folder; empty when it could not be written whole.
inline QString inputFile(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = inputFolder().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        return {};
    return path;
}

} // namespace zel::fuzz
