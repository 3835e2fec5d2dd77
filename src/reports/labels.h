#pragma once

#include "core/campaign.h"
#include "reports/helper_filter.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace zel {

class cDataAccess;

namespace reports {

struct ReportParameters;

// Which customers get a mailing label and what each of its four lines shows (rptLabelsFull and
// rptLabels).
struct LabelsSelection
{
    enum class Ordered { All, Ordered, NotOrdered };
    enum class Books { All, NotZero, Zero };

    QString size;                  // "A" to "E"
    std::array<QString, 4> lines;  // a line choice of lineChoices() each
    Campaign campaign;             // 0 for the year or the number: not chosen
    Ordered ordered = Ordered::All;
    bool printLabelOnly = false;   // Customers Label Flag 'Y'
    bool searchLabelOnly = false;  // Customers Label Flag 2 'Y', set by the customer search
    QString status;                // empty or "All": every status
    Books books = Books::All;
    QStringList brochureStatuses;
    QStringList brochureTypes;
    HelperFilter helper;
    QStringList sorts;             // up to three of sortChoices()
    int firstLabel = 1;            // a partly used sheet starts further on
    bool suppressEmpty = false;    // leave out labels whose lines 2 to 4 are empty
    QString customMessage;         // printed on the lines set to "Custom Message"
    std::array<QString, 4> returnLines;

    // choices keys
    static inline const QString kSize = QStringLiteral("LabelSize");
    static inline const QString kLine = QStringLiteral("LabelLine%1"); // 1 to 4
    static inline const QString kOrdered = QStringLiteral("LabelsOrdered"); // all|ordered|not-ordered
    static inline const QString kPrintLabel = QStringLiteral("PrintLabelOnly");
    static inline const QString kSearchLabel = QStringLiteral("SearchLabelOnly");
    static inline const QString kStatus = QStringLiteral("CustomerStatus");
    static inline const QString kBooks = QStringLiteral("Books"); // all|not-zero|zero
    static inline const QString kBrochureStatuses = QStringLiteral("BrochureStatuses"); // QStringList
    static inline const QString kBrochureTypes = QStringLiteral("BrochureTypes");       // QStringList
    static inline const QString kSorts = QStringLiteral("LabelSorts");                  // QStringList
    static inline const QString kSuppressEmpty = QStringLiteral("SuppressEmpty");
    static inline const QString kCustomMessage = QStringLiteral("CustomMessage");
    static inline const QString kReturnLine = QStringLiteral("ReturnLine%1"); // 1 to 4
    static inline const QString kFirstLabel = QStringLiteral("FirstLabel");    // 1-based place on the first sheet

    static LabelsSelection of(const ReportParameters &parameters);
    // The choices of a label line, "N/A" last.
    static const QStringList &lineChoices();
    // The sort columns a label list can be ordered by.
    static const QStringList &sortChoices();
    // The labels on one sheet of a label type.
    static int labelsPerSheet(const QString &size);

    // The checks before anything is built, in order; the first message, or nothing.
    std::optional<QString> check() const;
};

// Rebuilds rptLabelsFull and rptLabels. The message to show when there is nothing to print (or a
// check or a statement failed); nothing when rptLabels holds the labels.
std::optional<QString> prepareLabels(cDataAccess &data, const LabelsSelection &selection);

} // namespace reports
} // namespace zel
