#include "transmit/macro_files.h"

#include "transmit/macro_script.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace zel::transmit {

MacroFiles::MacroFiles(const QString &appFolder) : m_appFolder(appFolder) {}

const QStringList &MacroFiles::suppliedNames()
{
    static const QStringList names = {QStringLiteral("zel_start.iim"),     QStringLiteral("zel_product.iim"),
                                      QStringLiteral("Aus_Start.iim"),     QStringLiteral("aus_product.iim"),
                                      QStringLiteral("Canada_Start.iim"),  QStringLiteral("canada_product.iim")};
    return names;
}

QString MacroFiles::folder() const
{
    return QDir(m_appFolder).filePath(QStringLiteral("IMacros"));
}

QString MacroFiles::path(const QString &fileName) const
{
    return QDir(folder()).filePath(fileName);
}

void MacroFiles::installMissing() const
{
    QDir().mkpath(folder());
    for (const QString &name : suppliedNames()) {
        const QString target = path(name);
        if (QFileInfo::exists(target))
            continue;
        if (QFile::copy(QStringLiteral(":/zel/IMacros/") + name, target))
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
}

std::optional<QString> MacroFiles::code(const QString &fileName) const
{
    QFile file(path(fileName));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    return MacroScript::codeOf(QString::fromUtf8(file.readAll()));
}

} // namespace zel::transmit
