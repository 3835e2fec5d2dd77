#pragma once

#include "options/translations.h"
#include "shell/ui/record_grid_model.h"

namespace zel {

// The texts of one language as an editable grid: key and English wording, then the female and
// male texts.
class TranslationsModel : public RecordGridModel<translations::TranslationRow>
{
public:
    explicit TranslationsModel(QObject *parent = nullptr);
};

} // namespace zel
