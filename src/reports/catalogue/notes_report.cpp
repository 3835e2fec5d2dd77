#include "reports/catalogue/notes_report.h"

#include "session/app_state.h"

namespace zel::reports::catalogue {

std::vector<ReportChoice> NotesReport::choices() const
{
    return {helperChoice(),
            wordChoice(QStringLiteral("--sort"), kSort, {QStringLiteral("name"), QStringLiteral("number"), QStringLiteral("updated")})};
}

std::optional<QString> NotesReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    QVariantList values;
    QString select = QStringLiteral("Select Notes.*, Customers.[Customers Last Name], Customers.[Customers First Name], "
                                    "Customers.[Customers Phone 1], %1 As [CustomerName] From Notes Inner Join Customers "
                                    "On Customers.[Customers Number] = Notes.[Notes Customer Number] "
                                    "Where Trim(Coalesce(Notes.[Notes Detail], '')) <> '' ")
                         .arg(lastFirstSql(QStringLiteral("Customers")));
    select += helper(parameters).clause(QStringLiteral("Customers Business Helper Number"), values);
    if (!rebuild(state.data, QStringLiteral("rptNotes"), select, values))
        return failedMessage();
    if (rowCount(state.data, QStringLiteral("rptNotes")) == 0)
        return QStringLiteral("No Notes found for current criteria.");
    return std::nullopt;
}

ReportRequest NotesReport::request(const AppState &state, const ReportParameters &parameters) const
{
    ReportRequest request = titledRequest(state, layoutNames()[0], parameters, {QStringLiteral("Customer Notes")});
    const QString sort = word(parameters, kSort, QStringLiteral("name"));
    const QString byName = QStringLiteral("[Customers Last Name], [Customers First Name], [Notes Customer Number]");
    if (sort == QLatin1String("number"))
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By [Notes Customer Number] "));
    else if (sort == QLatin1String("updated"))
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By [Notes Last Updated] Desc, ") + byName);
    else
        request.set(QStringLiteral("OrderBy"), QStringLiteral(" Order By ") + byName);
    return request;
}

Document NotesReport::layOut(AppState &state, const ReportRequest &request) const
{
    using Format = TabularLayout::Format;
    TabularLayout table = listLayout(state, request);
    table.source(QStringLiteral("Select * From [rptNotes] ") + request.text(QStringLiteral("OrderBy")));
    addColumns(table, {col(QStringLiteral("Notes Customer Number"), QStringLiteral("No."), 36, Format::Number),
                       col(QStringLiteral("CustomerName"), QStringLiteral("Name"), 120),
                       col(QStringLiteral("Customers Phone 1"), QStringLiteral("Phone"), 84),
                       col(QStringLiteral("Notes Last Updated"), QStringLiteral("Updated"), 62, Format::Date),
                       col(QStringLiteral("Notes Detail"), QStringLiteral("Note"), 218)});
    return table.layOut(state.data, QStringLiteral("Notes"));
}

} // namespace zel::reports::catalogue
