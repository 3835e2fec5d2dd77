#pragma once

#include "core/currency.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>

namespace zel {

class cDataAccess;

namespace customers {

// One row of Customers as the customer screen edits it. Yes/no switches stay "Y"/"N" texts as
// stored, so a value the screen does not know is written back unchanged.
struct Customer
{
    int number = 0;
    QString status;
    QString firstName, lastName;
    QString houseNumber, address, city, state, zipCode, country;
    QString houseNumber2, address2, city2, state2, zipCode2, country2;
    QString phone1, phone2, phone3, email;
    Currency discountPercent;
    int numberOfBooks = 0;
    QString brochureType, brochureStatus;
    std::array<QString, 5> comments;
    QString deliveryPaymentComments;
    QDateTime deliveryDate, deliveryTime;
    QString deliveryPickupMessage;
    QString helperName, helperFlag;
    int helperNumber = 0;
    Currency helperPercent;
    QString helperInvoiceDetail, helperUseDiscountedTotal;
    QString area;
    std::array<int, 9> points{};
    QString labelFlag, labelFlag2;
    QString processingCharge;
    bool supplies = false;
    QString discountAsLine;
    QString referredBy;
    QString ccNumber, ccDate, ccName;
    Currency taxRate1, taxRate2;
    QDateTime sinceDate;
    QString taxExempt;
    QString delivered;
    QString gender;
    QString language;

    bool isHelper() const { return helperFlag == QLatin1String("Y"); }
};

// The customer's row, or nothing when there is no such customer.
std::optional<Customer> loadCustomer(cDataAccess &data, int number);
// Writes every column of the customer's row; false when the statement failed.
bool saveCustomer(cDataAccess &data, const Customer &customer);

} // namespace customers
} // namespace zel
