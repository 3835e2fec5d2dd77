#include "reports/labels_report.h"

#include "reports/earnings_report.h"
#include "reports/labels.h"
#include "reports/report_fonts.h"
#include "session/app_state.h"

namespace zel::reports {

namespace {

constexpr double kPoints = 72.0;
constexpr double kMillimetre = 1.0 / 25.4; // inches
constexpr double kPadding = 0.08 * kPoints; // text keeps clear of the die-cut edge

// A label's printed lines: a "- 2" line (stored as "USE2") takes the second address when the
// customer has one, else the first.
QStringList labelLines(RecordSet &row)
{
    QStringList lines;
    for (int i = 1; i <= 4; ++i) {
        QString line = row.value(QStringLiteral("Line%1").arg(i)).toString();
        if (line == QLatin1String("USE2")) {
            const QString second = row.value(QStringLiteral("Line%1b").arg(i)).toString().trimmed();
            line = second.isEmpty() ? row.value(QStringLiteral("Line%1a").arg(i)).toString() : second;
        }
        lines << line.trimmed();
    }
    return lines;
}

void drawLines(Page &page, const QRectF &area, const QStringList &lines, const ReportFont &font, int alignment)
{
    const double height = area.height() / lines.size();
    for (int i = 0; i < lines.size(); ++i)
        if (!lines.at(i).isEmpty())
            page.items.push_back(TextItem{QRectF(area.left(), area.top() + i * height, area.width(), height), lines.at(i), font,
                                          alignment | Qt::AlignVCenter});
}

} // namespace

LabelSheet LabelsReport::sheet(const QString &size)
{
    LabelSheet s; // type A: 1 x 2 5/8 inch, 3 across and 10 down
    const QString type = size.toUpper();
    if (type == QLatin1String("B") || type == QLatin1String("C") || type == QLatin1String("D")) {
        s.label = QSizeF(4.0, 1.0);
        s.leftMargin = 0.15625;
        s.horizontalPitch = 4.1875;
        s.columns = 2;
        s.rows = 10;
    }
    if (type == QLatin1String("C")) { // 1 1/3 x 4 inch, 7 down
        s.label.setHeight(4.0 / 3.0);
        s.verticalPitch = 4.0 / 3.0;
        s.topMargin = (11.0 - 7 * s.verticalPitch) / 2;
        s.rows = 7;
    } else if (type == QLatin1String("D")) { // 2 x 4 inch, 5 down
        s.label.setHeight(2.0);
        s.verticalPitch = 2.0;
        s.rows = 5;
    } else if (type == QLatin1String("E")) { // 29.7 x 52.5 mm, 4 x 10 filling an A4 sheet edge to edge
        s.paper = QSizeF(210 * kMillimetre, 297 * kMillimetre);
        s.label = QSizeF(52.5 * kMillimetre, 29.7 * kMillimetre);
        s.horizontalPitch = s.label.width();
        s.verticalPitch = s.label.height();
        s.leftMargin = s.topMargin = 0;
        s.columns = 4;
        s.rows = 10;
    }
    return s;
}

int LabelsReport::linesPerLabel(const QString &size)
{
    return size.toUpper() == QLatin1String("D") ? 8 : 4;
}

QStringList LabelsReport::layoutNames() const
{
    return {QStringLiteral("rptLabelsSizeA"), QStringLiteral("rptLabelsSizeB"), QStringLiteral("rptLabelsSizeC"),
            QStringLiteral("rptLabelsSizeD"), QStringLiteral("rptLabelsSizeE")};
}

std::vector<ReportChoice> LabelsReport::choices() const
{
    using S = LabelsSelection;
    QStringList lineValues;
    for (const QString &choice : S::lineChoices())
        lineValues << choice.toLower();
    std::vector<ReportChoice> all = {
        ReportChoice::valued(QStringLiteral("--size"), S::kSize, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")})};
    for (int i = 1; i <= 4; ++i)
        all.push_back(ReportChoice::valued(QStringLiteral("--line%1").arg(i), S::kLine.arg(i), lineValues, QStringLiteral("CHOICE")));
    all.push_back(ReportChoice::flagged(QStringLiteral("--suppress-empty"), S::kSuppressEmpty));
    all.push_back(ReportChoice::valued(QStringLiteral("--select"), S::kOrdered, {QStringLiteral("all"), QStringLiteral("ordered"), QStringLiteral("not-ordered")}));
    all.push_back(ReportChoice::flagged(QStringLiteral("--print-label"), S::kPrintLabel));
    all.push_back(ReportChoice::flagged(QStringLiteral("--search-label"), S::kSearchLabel));
    all.push_back(ReportChoice::valued(QStringLiteral("--books"), S::kBooks, {QStringLiteral("all"), QStringLiteral("not-zero"), QStringLiteral("zero")}));
    all.push_back(ReportChoice::valued(QStringLiteral("--message"), S::kCustomMessage, {}, QStringLiteral("TEXT")));
    // The rest of the screen's choices: who is printed, in which order, from where on the sheet.
    all.push_back(ReportChoice::valued(QStringLiteral("--status"), S::kStatus, {}, QStringLiteral("STATUS")));
    all.push_back(ReportChoice::valued(QStringLiteral("--brochure-status"), S::kBrochureStatuses, {}, QStringLiteral("S1,S2")));
    all.push_back(ReportChoice::valued(QStringLiteral("--brochure-type"), S::kBrochureTypes, {}, QStringLiteral("T1,T2")));
    all.push_back(ReportChoice::valued(QStringLiteral("--sort"), S::kSorts, {}, QStringLiteral("SORT1,SORT2,SORT3")));
    for (int i = 1; i <= 4; ++i)
        all.push_back(ReportChoice::valued(QStringLiteral("--return%1").arg(i), S::kReturnLine.arg(i), {}, QStringLiteral("TEXT")));
    all.push_back(ReportChoice::valued(QStringLiteral("--start"), S::kFirstLabel, {}, QStringLiteral("N")));
    all.push_back(helperChoice());
    return all;
}

std::optional<QString> LabelsReport::prepare(AppState &state, const ReportParameters &parameters) const
{
    return prepareLabels(state.data, LabelsSelection::of(parameters));
}

ReportRequest LabelsReport::request(const AppState &state, const ReportParameters &parameters) const
{
    const LabelsSelection selection = LabelsSelection::of(parameters);
    ReportRequest request = ReportRequest::common(state, QStringLiteral("rptLabelsSize") + selection.size, parameters.view);
    for (int i = 0; i < 4; ++i)
        request.set(QStringLiteral("ReturnLine%1").arg(i + 1), selection.returnLines[size_t(i)]);
    request.set(QStringLiteral("OrderBy"), QString());
    request.set(QStringLiteral("FirstLabel"), selection.firstLabel);
    return request;
}

Document LabelsReport::layOut(AppState &state, const ReportRequest &request) const
{
    const QString layout = request.text(QStringLiteral("ReportName"));
    const QString size = layout.right(1);
    const LabelSheet labels = sheet(size);
    ReportFont font;
    font.family = QStringLiteral("Arial");
    font.pointSize = size == QLatin1String("A") || size == QLatin1String("E") ? 9 : 10;
    font = reportFont(state.settings, layout, font);

    std::vector<QStringList> customers;
    state.data.setSQL(QStringLiteral("Select * From rptLabels"));
    for (RecordSet rows = state.data.GetSnapShot(QStringLiteral("Labels")); rows.next();)
        customers.push_back(labelLines(rows));
    QStringList returnAddress;
    for (int i = 1; i <= 4; ++i)
        returnAddress << request.text(QStringLiteral("ReturnLine%1").arg(i)).trimmed();

    const auto draw = [&](Page &page, const QRectF &rect, int index) {
        // The label's own outline, unprinted: where the sheet's die cut is.
        page.items.push_back(BoxItem{rect, Qt::transparent, Qt::transparent, 0});
        const QRectF inside = rect.adjusted(kPadding, kPadding / 2, -kPadding, -kPadding / 2);
        if (size == QLatin1String("D")) {
            const double half = inside.height() / 2;
            drawLines(page, QRectF(inside.left(), inside.top(), inside.width() / 2, half), returnAddress, font, Qt::AlignLeft);
            drawLines(page, QRectF(inside.left() + inside.width() / 3, inside.top() + half, inside.width() * 2 / 3, half),
                      customers[size_t(index)], font, Qt::AlignHCenter);
        } else {
            drawLines(page, inside, customers[size_t(index)], font, Qt::AlignLeft);
        }
    };
    // A partly used sheet: the first labels are left blank.
    const int startAt = qBound(0, request.value(QStringLiteral("FirstLabel")).toInt() - 1, labels.labelsPerPage() - 1);
    return layOutLabels(labels, int(customers.size()), startAt, draw, QStringLiteral("Labels"));
}

} // namespace zel::reports
