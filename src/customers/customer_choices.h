#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zel {

class cDataAccess;

namespace customers {

// The free-entry lists of the customer screen, each holding the values already in use. The
// address lists take the values of both addresses.
enum class ChoiceList { City, State, ZipCode, Country, Area, PickupMessage, ReferredBy, BrochureType, BrochureStatus };
QStringList choiceValues(cDataAccess &data, ChoiceList list);

// An address as far as completion goes.
struct Place
{
    QString city, state, zipCode;
};

// Which of the three was just entered.
enum class PlacePart { City, State, ZipCode };

// Fills the empty parts of `place` from the lowest-numbered customer having the entered part in
// either address (state with city, when completing from the state). Nothing is looked up when
// the entered part is empty or the other two are already filled.
Place completePlace(cDataAccess &data, Place place, PlacePart entered);

struct Helper
{
    int number = 0;
    QString name; // "Ann Smith"
};
// The customers marked as helpers, by last and first name.
std::vector<Helper> helpers(cDataAccess &data);

// Every customer as a choice, by last and first name: "Adams, Ann (12)".
struct CustomerChoice
{
    int number = 0;
    QString caption;
};
std::vector<CustomerChoice> customersByName(cDataAccess &data);

} // namespace customers
} // namespace zel
