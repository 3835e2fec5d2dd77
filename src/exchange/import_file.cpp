#include "exchange/import_file.h"

#include "core/prompter.h"

#include <QFileInfo>

namespace zel::exchange {

std::optional<QString> importFile(Prompter &prompter, QString path, const FileChoice &choice)
{
    if (path.isEmpty())
        path = prompter.chooseFile(choice);
    if (path.isEmpty()) {
        prompter.information(QStringLiteral("No File Name Selected."));
        return std::nullopt;
    }
    if (!QFileInfo(path).isFile()) {
        prompter.information(path + QStringLiteral(" Not Found."));
        return std::nullopt;
    }
    return path;
}

} // namespace zel::exchange
