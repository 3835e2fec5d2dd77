#include "options/ui/translations_model.h"

namespace zel {

namespace {

using Row = translations::TranslationRow;

std::vector<GridColumn<Row>> translationColumns()
{
    using namespace grid;
    // The key and the English wording are labels; the texts keep the spaces typed around them.
    return {whole(QStringLiteral("Key"), &Row::key, QString()).readOnly(),
            text(QStringLiteral("English"), &Row::description).readOnly().withWidth(200),
            text(QStringLiteral("Female (and main) Text"), &Row::female, 255).keepingSpaces().withWidth(220),
            text(QStringLiteral("Male Text (when different)"), &Row::male, 255).keepingSpaces()};
}

} // namespace

// Nothing typed here is ever refused, so there is nothing to tell.
TranslationsModel::TranslationsModel(QObject *parent)
    : RecordGridModel<Row>(translationColumns(), [](const QString &) {}, parent)
{
}

} // namespace zel
