#include "reports/audience_texts.h"

namespace zel::reports {

const translations::Translator &AudienceTexts::operator()(const translations::Audience &audience)
{
    const std::pair<QString, QString> key{audience.language, audience.gender};
    auto found = m_translators.find(key);
    if (found == m_translators.end())
        found = m_translators.emplace(key, translations::Translator(m_data, audience)).first;
    return found->second;
}

} // namespace zel::reports
