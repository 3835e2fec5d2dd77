#pragma once

#include "options/translations.h"

#include <map>
#include <utility>

namespace zel {

class cDataAccess;

namespace reports {

// The translated texts of one print run: each language's rows are read once, however many
// customers of the run share it.
class AudienceTexts
{
public:
    explicit AudienceTexts(cDataAccess &data) : m_data(data) {}

    const translations::Translator &operator()(const translations::Audience &audience);
    // How many audiences' texts were read so far.
    size_t reads() const { return m_translators.size(); }

private:
    cDataAccess &m_data;
    std::map<std::pair<QString, QString>, translations::Translator> m_translators;
};

} // namespace reports
} // namespace zel
