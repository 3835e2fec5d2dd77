#pragma once

#include <QString>

namespace zel::transmit {

// True for the browser's and the macro player's own failures ("RuntimeError: ...", "net::ERR_..."),
// as against the words of the company's page, which a macro reads out and which stay as they are.
bool isTechnical(const QString &message);

// What a failure means for the representative, in her words: the company's page could not be
// reached, did not show a box ZEL types into, or did not answer. The technical line itself belongs
// in the log. A message that is not technical is returned as it is.
QString inPlainWords(const QString &message);

} // namespace zel::transmit
