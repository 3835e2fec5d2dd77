#pragma once

class QTextStream;

namespace zel {

struct CommandLine;

// `zel ftp upload (--db FILE | --file F | --logs) --first NAME --last NAME`, `zel ftp download ID`:
// the file transfer with support's server, as the upload and download screens do it.
int runFtpCommand(const CommandLine &line, QTextStream &out, QTextStream &err);

} // namespace zel
