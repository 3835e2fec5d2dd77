#pragma once

#include <QString>

#include <optional>

namespace zel {

class Prompter;
struct FileChoice;

namespace exchange {

// The file an import reads: `path`, or when it is empty the one she picks as `choice` describes.
// Nothing, after "No File Name Selected." or "PATH Not Found.", when there is no such file.
std::optional<QString> importFile(Prompter &prompter, QString path, const FileChoice &choice);

} // namespace exchange
} // namespace zel
