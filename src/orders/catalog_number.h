#pragma once

#include <QString>
#include <QStringList>

namespace zel {

// "123456" becomes "123-456": six characters without a dash get one in the middle; anything else
// is returned unchanged.
QString Mfs_Add_Dash(const QString &text);

// The three forms a typed catalog number is looked up by: as typed, without dashes, and the dash
// form of the undashed text.
QStringList catalogNumberForms(const QString &typed);

// The one form the product database import keeps every catalogue number in: trimmed, without
// quotes or dashes, and with "useDashes" the dash put back in the middle of six characters.
QString normalCatalogNumber(const QString &text, bool useDashes);

// How a typed catalog number is shown when the dash option is on.
QString displayCatalogNumber(const QString &typed, bool addDash);

// The plain page of a page written "C#05-123" for a line priced from an earlier campaign.
QString GetPageNumber(const QString &page);

} // namespace zel
