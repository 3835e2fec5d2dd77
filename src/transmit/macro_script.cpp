#include "transmit/macro_script.h"

#include <QRegularExpression>

namespace zel::transmit {

namespace {

// Splits on blanks outside double quotes; quotes stay in the words, escapes are kept for later.
std::optional<QStringList> words(const QString &line)
{
    QStringList out;
    QString word;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted && c == u'\\' && i + 1 < line.size()) {
            word += c;
            word += line.at(++i);
            continue;
        }
        if (c == u'"')
            quoted = !quoted;
        if (!quoted && c.isSpace()) {
            if (!word.isEmpty())
                out << word;
            word.clear();
            continue;
        }
        word += c;
    }
    if (quoted)
        return std::nullopt;
    if (!word.isEmpty())
        out << word;
    return out;
}

// "text" loses its quotes and backslash escapes; anything else stays as written.
QString unquoted(const QString &value)
{
    if (value.size() < 2 || !value.startsWith(u'"') || !value.endsWith(u'"'))
        return value;
    QString out;
    const QString inner = value.mid(1, value.size() - 2);
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner.at(i) == u'\\' && i + 1 < inner.size()) {
            const QChar next = inner.at(++i);
            out += next == u'n' ? QChar(u'\n') : next;
        } else {
            out += inner.at(i);
        }
    }
    return out;
}

} // namespace

MacroScript MacroScript::fromCode(const QString &code)
{
    QString text = code;
    if (text.startsWith(QLatin1String("CODE:"), Qt::CaseInsensitive))
        text = text.mid(5);
    MacroScript script;
    const QStringList all = text.split(QRegularExpression(QStringLiteral("\r?\n")));
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QString line = all.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(u'\''))
            continue;
        script.m_lines.append({int(i + 1), line});
    }
    return script;
}

QString MacroScript::codeOf(const QString &fileText)
{
    QString code = QStringLiteral("CODE:");
    for (const QString &line : fileText.split(QRegularExpression(QStringLiteral("\r?\n"))))
        code += line + QStringLiteral("\r\n");
    return code;
}

QString MacroScript::substitute(const QString &line, const QHash<QString, QString> &variables, QString *missing)
{
    static const QRegularExpression pattern(QStringLiteral("\\{\\{([^{}]+)\\}\\}"));
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(line)) {
        out += line.mid(from, match.capturedStart() - from);
        const QString name = match.captured(1).trimmed();
        const auto found = variables.find(name.toUpper());
        if (found == variables.end() && missing && missing->isEmpty())
            *missing = name;
        out += found == variables.end() ? QString() : found.value();
        from = match.capturedEnd();
    }
    return out + line.mid(from);
}

std::optional<MacroCommand> MacroScript::parse(const QString &line, int lineNumber, QString *error)
{
    const std::optional<QStringList> split = words(line);
    if (!split || split->isEmpty()) {
        if (error)
            *error = QStringLiteral("SyntaxError: a quote is not closed, line: %1").arg(lineNumber);
        return std::nullopt;
    }
    MacroCommand command;
    command.line = lineNumber;
    command.name = split->front().toUpper();
    for (qsizetype i = 1; i < split->size(); ++i) {
        const QString &word = split->at(i);
        command.words << unquoted(word);
        const qsizetype equals = word.indexOf(u'=');
        if (equals > 0 && !word.left(equals).contains(u'"') && !word.left(equals).contains(u'('))
            command.parameters.insert(word.left(equals).toUpper(), unquoted(word.mid(equals + 1)));
    }
    return command;
}

QString MacroScript::unescape(const QString &value)
{
    QString out = value;
    out.replace(QLatin1String("<SP>"), QLatin1String(" "), Qt::CaseInsensitive);
    out.replace(QLatin1String("<BR>"), QLatin1String("\n"), Qt::CaseInsensitive);
    out.replace(QLatin1String("<TAB>"), QLatin1String("\t"), Qt::CaseInsensitive);
    return out;
}

std::optional<QString> MacroScript::evalScript(const QString &value)
{
    if (!value.startsWith(QLatin1String("EVAL("), Qt::CaseInsensitive) || !value.endsWith(u')'))
        return std::nullopt;
    const QString inner = value.mid(5, value.size() - 6).trimmed();
    if (inner.size() < 2 || !inner.startsWith(u'"') || !inner.endsWith(u'"'))
        return std::nullopt;
    return unquoted(inner);
}

} // namespace zel::transmit
