#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <cstdio>
#include <map>
#include <vector>

// The benchmark's output: lines of figures such as "save it:   6.95 ms" or "report x: 12 ms (3
// pages, peak 61 MB)", echoed as written and kept per label, so that repeated runs give a minimum
// and a median, and each figure can be set beside the same figure of an earlier run's output.
class BenchFigures : public QIODevice
{
public:
    explicit BenchFigures(FILE *to);

    // Reads the figures of an earlier run's output (its summary lines when it has them, else its
    // figure lines). False when the file cannot be read or holds no figure.
    bool loadBaseline(const QString &path);
    // "label: min X ms, median Y ms" for every figure seen, each beside its baseline.
    void printSummary(int runs) const;

    // The process's peak memory since the last reset, in megabytes (0 where unknown).
    static void resetPeakMemory();
    static int peakMemoryMegabytes();

protected:
    qint64 writeData(const char *data, qint64 length) override;
    qint64 readData(char *, qint64) override { return -1; }

private:
    struct Figure
    {
        QString unit;
        std::vector<double> samples;
    };
    struct Parsed
    {
        QString label;
        double value = 0;
        QString unit;
    };
    // The figures of one output line: its time (or count) and its peak memory, if any.
    static std::vector<Parsed> parse(const QString &line);
    QString beside(const Parsed &figure) const;
    void take(const QString &line);

    FILE *m_to;
    QByteArray m_pending;
    std::vector<QString> m_order;
    std::map<QString, Figure> m_figures;
    std::map<QString, double> m_baseline;
};
