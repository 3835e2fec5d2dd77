#include "bench_figures.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <malloc.h>

BenchFigures::BenchFigures(FILE *to)
    : m_to(to)
{
    open(QIODevice::WriteOnly);
}

std::vector<BenchFigures::Parsed> BenchFigures::parse(const QString &line)
{
    // "label:  12.5 ms", "label: min 12.5 ms, median 13 ms" (a summary line: its minimum counts).
    static const QRegularExpression figure(QStringLiteral(R"(^\s*([^:(]+?):\s+(?:min\s+)?(-?[0-9]+(?:\.[0-9]+)?)\s*(ms|s|MB)\b)"));
    static const QRegularExpression peak(QStringLiteral(R"(peak ([0-9]+(?:\.[0-9]+)?) MB)"));
    std::vector<Parsed> out;
    const QRegularExpressionMatch match = figure.match(line);
    if (!match.hasMatch())
        return out;
    const QString label = match.captured(1).trimmed();
    out.push_back({label, match.captured(2).toDouble(), match.captured(3)});
    if (const QRegularExpressionMatch memory = peak.match(line); memory.hasMatch() && match.captured(3) != QLatin1String("MB"))
        out.push_back({label + QStringLiteral(" (peak)"), memory.captured(1).toDouble(), QStringLiteral("MB")});
    return out;
}

bool BenchFigures::loadBaseline(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    // A summary, when there is one, holds the figures to compare with; the lines before it were one run's.
    const qsizetype summary = lines.indexOf(QRegularExpression(QStringLiteral("^=== .* runs")));
    for (qsizetype i = qMax<qsizetype>(0, summary); i < lines.size(); ++i)
        for (const Parsed &figure : parse(lines.at(i)))
            m_baseline.emplace(figure.label, figure.value);
    return !m_baseline.empty();
}

QString BenchFigures::beside(const Parsed &figure) const
{
    const auto was = m_baseline.find(figure.label);
    if (was == m_baseline.end())
        return {};
    const QString ratio = was->second > 0 ? QStringLiteral(", x%1").arg(figure.value / was->second, 0, 'f', 2) : QString();
    return QStringLiteral("   [was %1 %2%3]").arg(was->second).arg(figure.unit, ratio);
}

void BenchFigures::take(const QString &line)
{
    QString shown = line;
    for (const Parsed &figure : parse(line)) {
        auto [at, added] = m_figures.try_emplace(figure.label);
        if (added)
            m_order.push_back(figure.label);
        at->second.unit = figure.unit;
        at->second.samples.push_back(figure.value);
        shown += beside(figure);
    }
    const QByteArray bytes = (shown + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_to);
    std::fflush(m_to);
}

qint64 BenchFigures::writeData(const char *data, qint64 length)
{
    m_pending.append(data, length);
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        take(QString::fromUtf8(m_pending.left(end)));
        m_pending.remove(0, end + 1);
    }
    return length;
}

void BenchFigures::printSummary(int runs) const
{
    QString text = QStringLiteral("\n=== %1 runs: minimum and median ===\n").arg(runs);
    for (const QString &label : m_order) {
        const Figure &figure = m_figures.at(label);
        std::vector<double> sorted = figure.samples;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
        text += QStringLiteral("%1 min %2 %3, median %4 %3%5\n")
                    .arg(label + QLatin1Char(':'), -36)
                    .arg(sorted.front())
                    .arg(figure.unit)
                    .arg(median)
                    .arg(beside({label, sorted.front(), figure.unit}));
    }
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_to);
    std::fflush(m_to);
}

void BenchFigures::resetPeakMemory()
{
    // Memory an earlier report freed is handed back first, or it would count as this one's.
    malloc_trim(0);
    // Linux resets the peak resident size (VmHWM) when "5" is written here.
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

int BenchFigures::peakMemoryMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return int(line.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024);
    return 0;
}
