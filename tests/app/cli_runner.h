#pragma once

#include "app/command_line.h"
#include "app/commands.h"
#include "test_support.h"

#include <QTextStream>

namespace zel::test {

// What a headless command printed and returned, run in a TempApp's application folder.
struct CommandRun
{
    int code;
    QString out;
    QString err;
};

inline CommandRun runCli(const TempApp &app, QStringList args)
{
    args << "--home" << app.path("");
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = runCommand(CommandLine::parse(args), outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

} // namespace zel::test
