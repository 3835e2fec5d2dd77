#pragma once

#include "core/currency.h"

#include <QStringList>

namespace zel::options {

// Warnings for out-of-range extra charges; the values are kept all the same.
QStringList extraChargeWarnings(const Currency &flatAmount, const Currency &flatPercent);

// What "Options Print Date On Order" stores: "N" when the date box is unticked, otherwise the
// choice below it ("E" entered date, "C" current or selected date).
QString printDateValue(bool dateBoxTicked, const QString &choice);

// The margins offered for a paper type: inches for "U" (letter), millimetres for "I" (A4).
QStringList marginChoices(const QString &paperType);
// The margin a paper type falls back to when the stored one belongs to the other type.
QString defaultMargin(const QString &paperType);

} // namespace zel::options
