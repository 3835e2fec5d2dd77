#include "transfer/transfer_status.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "transfer/ftp_transfer.h"

namespace zel::transfer {

TransferStatus::TransferStatus(AppState &state, TransferObserver observer, QString procedure)
    : m_state(state), m_observer(std::move(observer)), m_procedure(std::move(procedure))
{
}

void TransferStatus::show(const QString &text)
{
    if (text == m_last)
        return;
    m_last = text;
    if (m_observer.status)
        m_observer.status(text);
    else
        m_state.prompter.status(text);
}

void TransferStatus::fail(const QString &text)
{
    m_state.LogWrite(QStringLiteral("ERROR"), m_procedure + QStringLiteral(": ") + text);
    show(text);
    m_state.prompter.information(text, QStringLiteral("Status"), Icon::Critical);
}

void TransferStatus::follow(FtpTransfer &transfer, const QString &verb)
{
    transfer.setProgress([this, verb](qint64 done, qint64 total) {
        show(kilobytesText(verb, done, total));
        if (m_observer.progress)
            m_observer.progress(done, total);
    });
}

} // namespace zel::transfer
