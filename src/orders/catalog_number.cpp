#include "orders/catalog_number.h"

namespace zel {

QString Mfs_Add_Dash(const QString &text)
{
    if (text.size() == 6 && !text.contains(QLatin1Char('-')))
        return text.left(3) + QLatin1Char('-') + text.right(3);
    return text;
}

QStringList catalogNumberForms(const QString &typed)
{
    QString undashed = typed;
    undashed.remove(QLatin1Char('-'));
    return {typed, undashed, Mfs_Add_Dash(undashed)};
}

QString normalCatalogNumber(const QString &text, bool useDashes)
{
    QString plain = text.trimmed();
    plain.remove(QLatin1Char('\'')).remove(QLatin1Char('"')).remove(QLatin1Char('-'));
    return useDashes ? Mfs_Add_Dash(plain) : plain;
}

QString displayCatalogNumber(const QString &typed, bool addDash)
{
    return addDash ? Mfs_Add_Dash(typed) : typed;
}

QString GetPageNumber(const QString &page)
{
    if (!page.startsWith(QLatin1String("C#")))
        return page;
    const qsizetype dash = page.indexOf(QLatin1Char('-'));
    return dash < 0 ? page : page.mid(dash + 1);
}

} // namespace zel
