#pragma once

#include <QString>

#include <optional>

namespace zel::transmit {

// The macro files in the application folder's IMacros folder: supplied with the program, and
// plain text there so that they can be fixed when a company site changes.
class MacroFiles
{
public:
    explicit MacroFiles(const QString &appFolder);

    QString folder() const;
    QString path(const QString &fileName) const;
    // Copies every supplied macro that is not in the folder yet; an existing one is never replaced.
    void installMissing() const;
    // The file as "CODE:" text, or nothing when it cannot be read.
    std::optional<QString> code(const QString &fileName) const;

    // The names of the macros supplied with the program.
    static const QStringList &suppliedNames();

private:
    QString m_appFolder;
};

} // namespace zel::transmit
