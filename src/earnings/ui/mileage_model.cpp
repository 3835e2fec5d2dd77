#include "earnings/ui/mileage_model.h"

#include "earnings/mileage_records.h"

namespace zel {

namespace {

const QString kNotANumber = QStringLiteral("Please enter a number.");

GridColumn<MileageTrip> reading(const QString &header, double MileageTrip::*member)
{
    return {header, GridKind::WholeNumber, [member](const MileageTrip &t) -> QVariant { return t.*member; },
            [member](MileageTrip &t, const QVariant &value) {
                bool ok = false;
                const QString typed = value.toString();
                const double number = typed.isEmpty() ? 0 : typed.toDouble(&ok);
                if (!ok && !typed.isEmpty())
                    return kNotANumber;
                if (const QString refusal = MileageTrip::readingRefusal(number); !refusal.isEmpty())
                    return refusal;
                MileageTrip changed = t;
                changed.*member = number;
                if (const QString refusal = changed.readingsRefusal(); !refusal.isEmpty())
                    return refusal;
                t.*member = number;
                return QString();
            }};
}

GridColumn<MileageTrip> dateColumn()
{
    return {QStringLiteral("Date"), GridKind::Date, [](const MileageTrip &t) -> QVariant { return t.day(); },
            [](MileageTrip &t, const QVariant &value) {
                MileageTrip typed;
                typed.date = value.toString();
                if (!typed.day().isValid())
                    return QStringLiteral("Please enter a valid date.");
                t.date = MileageTrip::dateText(typed.day());
                return QString();
            }};
}

GridColumn<MileageTrip> timeColumn()
{
    return {QStringLiteral("Time"), GridKind::Text, [](const MileageTrip &t) -> QVariant { return t.time; },
            [](MileageTrip &t, const QVariant &value) {
                MileageTrip typed;
                typed.time = value.toString();
                if (!typed.clockTime().isValid())
                    return QStringLiteral("Please enter a time such as 09:30 AM.");
                t.time = MileageTrip::timeText(typed.clockTime());
                return QString();
            }};
}

std::vector<GridColumn<MileageTrip>> mileageColumns()
{
    using namespace grid;
    return {text(QStringLiteral("Reason"), &MileageTrip::reason, 100).withWidth(150),
            text(QStringLiteral("Description"), &MileageTrip::description, 100).withWidth(170),
            dateColumn(),
            timeColumn(),
            text(QStringLiteral("From Location"), &MileageTrip::fromLocation, 100).withWidth(120),
            text(QStringLiteral("To Location"), &MileageTrip::toLocation, 100).withWidth(120),
            reading(QStringLiteral("Start Reading"), &MileageTrip::startReading),
            reading(QStringLiteral("End Reading"), &MileageTrip::endReading),
            reading(QStringLiteral("Trip Total"), &MileageTrip::tripTotal).readOnly()};
}

} // namespace

MileageModel::MileageModel(cDataAccess &data, std::function<void(const QString &)> tell, QObject *parent)
    : RecordGridModel<MileageTrip>(mileageColumns(), std::move(tell), parent), m_data(data)
{
}

bool MileageModel::commit(int row, MileageTrip edited, int column)
{
    if (column == Start || column == End)
        edited.updateTripTotal();
    if (!MileageRecords::store(m_data, edited))
        return false;
    replaceRow(row, std::move(edited), false);
    return true;
}

} // namespace zel
