#pragma once

#include <QString>

#include <functional>

namespace zel::transfer {

// Where an upload or download reports while it runs: the status texts ("Connecting: ...",
// "Uploaded 12 of 40K", ...) and the bytes moved. A screen lets pending window events run in
// `progress`, which is how its Cancel button is heard. Without a status sink the texts go to the
// prompter's status line.
struct TransferObserver
{
    std::function<void(const QString &text)> status;
    std::function<void(qint64 doneBytes, qint64 totalBytes)> progress;
};

// "Uploaded 1,234 of 5,678K": bytes as whole kilobytes, grouped in thousands.
QString kilobytesText(const QString &verb, qint64 doneBytes, qint64 totalBytes);

} // namespace zel::transfer
