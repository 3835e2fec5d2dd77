#pragma once

#include <QString>

#include <vector>

namespace zel::options {

// One entry of the fonts page: the section of ZELFONTSINI.600 and the label shown for it.
struct FontEntry
{
    QString section;
    QString label;
};

struct FontGroup
{
    QString label;
    std::vector<FontEntry> entries;
};

// The screens whose font the representative may choose.
const std::vector<FontEntry> &screenFonts();
// The reports, each with the elements that have a font of their own.
const std::vector<FontGroup> &reportFonts();

} // namespace zel::options
