#include "transmit/macro_player.h"

#include "transmit/macro_script.h"
#include "transmit/web_driver.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonObject>
#include <QTimer>

namespace zel::transmit {

namespace {

// Finds the pos-th element of a tag (and input type) whose attributes match their patterns
// ("*" matches any text; TXT is the element's visible text).
const char *const kFindScript = R"JS(
var pos = arguments[0], tag = arguments[1], type = arguments[2], attrs = arguments[3];
function like(pattern, value) {
  var parts = pattern.split('*').map(function (p) { return p.replace(/[.+?^${}()|[\]\\]/g, '\\$&'); });
  return new RegExp('^' + parts.join('[\\s\\S]*') + '$').test((value || '').trim());
}
function valueOf(el, name) {
  switch (name) {
  case 'TXT': return el.innerText || el.textContent;
  case 'ID': return el.id;
  case 'CLASS': return el.className;
  case 'VALUE': return el.value;
  default: return el.getAttribute(name.toLowerCase());
  }
}
var all = document.getElementsByTagName(tag), n = 0;
for (var i = 0; i < all.length; ++i) {
  var el = all[i];
  if (type && (el.getAttribute('type') || 'text').toLowerCase() !== type) continue;
  if (!attrs.every(function (a) { return like(a[1], valueOf(el, a[0])); })) continue;
  if (++n === pos) return el;
}
return null;
)JS";

// Picks an option of a select: %value, #position (from 1), $text or plain text.
const char *const kSelectScript = R"JS(
var el = arguments[0], content = arguments[1];
var how = content.charAt(0), wanted = content.substring(1);
for (var i = 0; i < el.options.length; ++i) {
  var o = el.options[i];
  var hit = how === '%' ? o.value === wanted
          : how === '#' ? i + 1 === parseInt(wanted, 10)
          : how === '$' ? o.text.trim() === wanted
          : o.text.trim() === content;
  if (hit) {
    el.selectedIndex = i;
    el.dispatchEvent(new Event('input', {bubbles: true}));
    el.dispatchEvent(new Event('change', {bubbles: true}));
    return true;
  }
}
return false;
)JS";

const char *const kKindScript = R"JS(
var el = arguments[0];
return el.tagName.toLowerCase() + ':' + (el.getAttribute('type') || '').toLowerCase() + ':' + (el.checked ? 'on' : 'off');
)JS";

const char *const kChangedScript = R"JS(
arguments[0].dispatchEvent(new Event('change', {bubbles: true}));
arguments[0].blur();
)JS";

const char *const kExtractScript = R"JS(
var el = arguments[0], kind = arguments[1];
if (kind === 'HTM') return el.outerHTML;
if (kind === 'HREF') return el.href || '';
if (el.tagName === 'INPUT' || el.tagName === 'TEXTAREA') return el.value;
if (el.tagName === 'SELECT') return el.selectedIndex < 0 ? '' : el.options[el.selectedIndex].text;
return (el.innerText || el.textContent || '').trim();
)JS";

// Runs EVAL's script with MacroError at hand; returns {value} or {error}.
const char *const kEvalScript = R"JS(
var macroError = null;
function MacroError(text) { macroError = String(text); throw new Error('MacroError'); }
try {
  var result = eval(arguments[0]);
  return {value: result === undefined || result === null ? '' : String(result)};
} catch (e) {
  return {error: macroError !== null ? macroError : 'EVAL error: ' + e.message};
}
)JS";

void pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

QString lineSuffix(const MacroCommand &command)
{
    return QStringLiteral(", line: %1").arg(command.line);
}

// TYPE=INPUT:TEXT gives "input" and "text"; TYPE=* any tag.
std::pair<QString, QString> tagAndType(const QString &type)
{
    const QString tag = type.section(QLatin1Char(':'), 0, 0).toLower();
    return {tag == QLatin1String("*") ? QStringLiteral("*") : tag, type.section(QLatin1Char(':'), 1).toLower()};
}

// ATTR=NAME:x&&TXT:y as [["NAME","x"],["TXT","y"]]; ATTR=* or none as no condition.
QJsonArray attributeConditions(const QString &attr)
{
    QJsonArray conditions;
    if (attr.isEmpty() || attr == QLatin1String("*"))
        return conditions;
    for (const QString &part : attr.split(QStringLiteral("&&"))) {
        const qsizetype colon = part.indexOf(u':');
        if (colon <= 0)
            continue;
        conditions.append(QJsonArray{part.left(colon).toUpper(), MacroScript::unescape(part.mid(colon + 1))});
    }
    return conditions;
}

} // namespace

MacroPlayer::MacroPlayer(WebDriver &driver) : m_driver(driver) {}

void MacroPlayer::setVariable(const QString &name, const QString &value)
{
    m_variables.insert(name.trimmed().toUpper(), value);
}

bool MacroPlayer::play(const QString &code, int timeoutSeconds)
{
    const MacroScript script = MacroScript::fromCode(code);
    QDeadlineTimer deadline(qint64(timeoutSeconds) * 1000);
    m_extracts.clear();
    m_variables.insert(QStringLiteral("!EXTRACT"), QString());
    m_ignoreErrors = false;
    m_stepTimeout = 6;
    for (const auto &[number, text] : script.lines()) {
        if (deadline.hasExpired()) {
            m_lastMessage = QStringLiteral("The macro did not finish within %1 seconds, line: %2").arg(timeoutSeconds).arg(number);
            return false;
        }
        QString missing;
        const QString line = MacroScript::substitute(text, m_variables, &missing);
        std::optional<QString> error;
        if (!missing.isEmpty())
            error = QStringLiteral("RuntimeError: undefined variable %1, line: %2").arg(missing).arg(number);
        std::optional<MacroCommand> command;
        if (!error)
            command = MacroScript::parse(line, number, &m_lastMessage);
        if (!error && !command)
            error = m_lastMessage;
        if (!error)
            error = run(*command);
        if (error && !m_ignoreErrors) {
            m_lastMessage = *error;
            return false;
        }
    }
    m_lastMessage = m_extracts.isEmpty() ? QStringLiteral("OK") : m_extracts.join(QStringLiteral("[EXTRACT]"));
    return true;
}

std::optional<QString> MacroPlayer::run(const MacroCommand &command)
{
    if (command.name == QLatin1String("URL"))
        return runUrl(command);
    if (command.name == QLatin1String("TAG"))
        return runTag(command);
    if (command.name == QLatin1String("SET"))
        return runSet(command);
    if (command.name == QLatin1String("WAIT"))
        return runWait(command);
    if (command.name == QLatin1String("TAB"))
        return runTab(command);
    if (command.name == QLatin1String("VERSION"))
        return std::nullopt;
    return QStringLiteral("SyntaxError: unknown command %1").arg(command.name) + lineSuffix(command);
}

std::optional<QString> MacroPlayer::runUrl(const MacroCommand &command)
{
    const QString url = command.parameter(QStringLiteral("GOTO"));
    if (url.isEmpty())
        return QStringLiteral("SyntaxError: URL needs GOTO=") + lineSuffix(command);
    const DriverReply reply = m_driver.navigate(url);
    if (!reply)
        return QStringLiteral("RuntimeError: cannot open %1: %2").arg(url, reply.error) + lineSuffix(command);
    return std::nullopt;
}

std::optional<QString> MacroPlayer::runTag(const MacroCommand &command)
{
    QString error;
    const std::optional<QString> element = findElement(command, &error);
    if (!element)
        return error + lineSuffix(command);
    std::optional<QString> failed;
    if (command.has(QStringLiteral("CONTENT")))
        failed = fill(*element, MacroScript::unescape(command.parameter(QStringLiteral("CONTENT"))));
    else if (command.has(QStringLiteral("EXTRACT")))
        failed = extract(*element, command.parameter(QStringLiteral("EXTRACT")).toUpper());
    else if (const DriverReply reply = m_driver.click(*element); !reply)
        failed = QStringLiteral("RuntimeError: cannot click the element: ") + reply.error;
    if (failed)
        return *failed + lineSuffix(command);
    return std::nullopt;
}

std::optional<QString> MacroPlayer::findElement(const MacroCommand &command, QString *error)
{
    const QString type = command.parameter(QStringLiteral("TYPE"));
    const QString attr = command.parameter(QStringLiteral("ATTR"));
    bool numeric = false;
    const int position = command.parameter(QStringLiteral("POS")).toInt(&numeric);
    if (type.isEmpty() || !numeric || position < 1) {
        *error = QStringLiteral("SyntaxError: TAG needs POS=n and TYPE=");
        return std::nullopt;
    }
    const auto [tag, inputType] = tagAndType(type);
    const QJsonArray arguments{position, tag, inputType, attributeConditions(attr)};
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const DriverReply reply = m_driver.execute(QString::fromUtf8(kFindScript), arguments);
        if (!reply) {
            *error = QStringLiteral("RuntimeError: ") + reply.error;
            return std::nullopt;
        }
        const QString id = reply.value.toObject().value(WebDriver::kElementKey).toString();
        if (!id.isEmpty())
            return id;
        if (waited.elapsed() >= qint64(m_stepTimeout) * 1000)
            break;
        pause(200);
    }
    *error = QStringLiteral("RuntimeError: element %1 specified by %2 was not found").arg(type.toUpper(), attr);
    return std::nullopt;
}

std::optional<QString> MacroPlayer::fill(const QString &element, const QString &content)
{
    const QJsonObject reference{{WebDriver::kElementKey, element}};
    const DriverReply kind = m_driver.execute(QString::fromUtf8(kKindScript), {reference});
    if (!kind)
        return QStringLiteral("RuntimeError: ") + kind.error;
    const QStringList parts = kind.value.toString().split(QLatin1Char(':'));
    const QString tag = parts.value(0);
    const QString type = parts.value(1);
    if (tag == QLatin1String("select")) {
        const DriverReply picked = m_driver.execute(QString::fromUtf8(kSelectScript), {reference, content});
        if (!picked || !picked.value.toBool())
            return QStringLiteral("RuntimeError: entry %1 not available in the list").arg(content);
        return std::nullopt;
    }
    if (type == QLatin1String("checkbox") || type == QLatin1String("radio")) {
        const bool wanted = content.compare(QLatin1String("NO"), Qt::CaseInsensitive) != 0;
        if (wanted != (parts.value(2) == QLatin1String("on")))
            m_driver.click(element);
        return std::nullopt;
    }
    if (const DriverReply cleared = m_driver.clear(element); !cleared)
        return QStringLiteral("RuntimeError: the field cannot be changed: ") + cleared.error;
    if (const DriverReply typed = m_driver.type(element, content); !typed)
        return QStringLiteral("RuntimeError: the field cannot be typed in: ") + typed.error;
    // Typing leaves the focus in the field; the site's checks run when it changes.
    m_driver.execute(QString::fromUtf8(kChangedScript), {reference});
    return std::nullopt;
}

std::optional<QString> MacroPlayer::extract(const QString &element, const QString &kind)
{
    const DriverReply reply =
        m_driver.execute(QString::fromUtf8(kExtractScript), {QJsonObject{{WebDriver::kElementKey, element}}, kind});
    if (!reply)
        return QStringLiteral("RuntimeError: ") + reply.error;
    const QString text = reply.value.toString();
    m_extracts << text;
    QString &all = m_variables[QStringLiteral("!EXTRACT")];
    all = all.isEmpty() ? text : all + QStringLiteral("[EXTRACT]") + text;
    return std::nullopt;
}

std::optional<QString> MacroPlayer::evaluate(const QString &script, QString *value)
{
    const DriverReply reply = m_driver.execute(QString::fromUtf8(kEvalScript), {script});
    if (!reply)
        return QStringLiteral("RuntimeError: ") + reply.error;
    const QJsonObject result = reply.value.toObject();
    if (result.contains(QStringLiteral("error")))
        return result.value(QStringLiteral("error")).toString();
    *value = result.value(QStringLiteral("value")).toString();
    return std::nullopt;
}

std::optional<QString> MacroPlayer::runSet(const MacroCommand &command)
{
    if (command.words.size() < 2)
        return QStringLiteral("SyntaxError: SET needs a name and a value") + lineSuffix(command);
    const QString name = command.words.at(0).toUpper();
    QString value = MacroScript::unescape(command.words.at(1));
    if (const std::optional<QString> script = MacroScript::evalScript(command.words.at(1))) {
        if (const std::optional<QString> failed = evaluate(*script, &value))
            return *failed;
    }
    if (name == QLatin1String("!TIMEOUT_STEP") || name == QLatin1String("!TIMEOUT_TAG"))
        m_stepTimeout = qMax(0, value.toInt());
    else if (name == QLatin1String("!ERRORIGNORE"))
        m_ignoreErrors = value.compare(QLatin1String("YES"), Qt::CaseInsensitive) == 0;
    else if (name == QLatin1String("!EXTRACT") && value.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0) {
        m_extracts.clear();
        value.clear();
    }
    m_variables.insert(name, value);
    return std::nullopt;
}

std::optional<QString> MacroPlayer::runWait(const MacroCommand &command)
{
    bool numeric = false;
    const double seconds = command.parameter(QStringLiteral("SECONDS")).toDouble(&numeric);
    if (!numeric || seconds < 0)
        return QStringLiteral("SyntaxError: WAIT needs SECONDS=n") + lineSuffix(command);
    pause(int(seconds * 1000));
    return std::nullopt;
}

std::optional<QString> MacroPlayer::runTab(const MacroCommand &command)
{
    bool numeric = false;
    const int tab = command.parameter(QStringLiteral("T")).toInt(&numeric);
    const QJsonArray handles = m_driver.windowHandles().value.toArray();
    if (!numeric || tab < 1 || tab > handles.size())
        return QStringLiteral("RuntimeError: there is no tab %1").arg(command.parameter(QStringLiteral("T")))
             + lineSuffix(command);
    if (const DriverReply reply = m_driver.switchToWindow(handles.at(tab - 1).toString()); !reply)
        return QStringLiteral("RuntimeError: ") + reply.error + lineSuffix(command);
    return std::nullopt;
}

} // namespace zel::transmit
