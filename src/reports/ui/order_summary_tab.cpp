#include "reports/ui/order_summary_tab.h"

#include "reports/order_summary.h"
#include "reports/report_parameters.h"
#include "reports/ui/report_tab_widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zel::reports {

namespace {

const QStringList kOutputs = {QStringLiteral("Standard"), QStringLiteral("Verify"), QStringLiteral("Fax"),
                              QStringLiteral("Data File (Product/Qty)")};
const QStringList kOutputValues = {QStringLiteral("standard"), QStringLiteral("verify"), QStringLiteral("fax"),
                                   QStringLiteral("datafile")};

} // namespace

OrderSummaryTab::OrderSummaryTab(QWidget *parent)
    : ReportTab(parent), m_kind(new QButtonGroup(this)), m_summary(new QButtonGroup(this)), m_sort(new QButtonGroup(this))
{
    auto *grid = new QGridLayout(this);
    grid->addWidget(choiceBox(QStringLiteral("Summary Option"), m_kind,
                              {{QStringLiteral("Re&gular Order Summary (Positive Amounts)"), QStringLiteral("optOSRegular"), QStringLiteral("regular")},
                               {QStringLiteral("Returns Summary (Negative Amounts)"), QStringLiteral("optOSReturns"), QStringLiteral("returns")},
                               {QStringLiteral("Back Order Summary"), QStringLiteral("optOSBackOrders"), QStringLiteral("backorders")}}),
                    0, 0);
    grid->addWidget(choiceBox(QStringLiteral("Summary Type"), m_summary,
                              {{QStringLiteral("N&on-Summarized Orders Only"), QStringLiteral("optOSNonSummarized"), QStringLiteral("non-summarized")},
                               {QStringLiteral("All Orders (Summarized or Not)"), QStringLiteral("optOSAllOrders"), QStringLiteral("all")}}),
                    0, 1);
    grid->addWidget(choiceBox(QStringLiteral("Sort"), m_sort,
                              {{QStringLiteral("OS, Pag&e, Product"), QStringLiteral("optOSSortPage"), QStringLiteral("page")},
                               {QStringLiteral("OS, Product"), QStringLiteral("optOSSortProduct"), QStringLiteral("product")}}),
                    1, 0);
    auto *options = new QGroupBox(QStringLiteral("Output"));
    auto *form = new QGridLayout(options);
    m_noPages = new QCheckBox(QStringLiteral("&Suppress Page Numbers"), options);
    m_noPages->setObjectName(QStringLiteral("chkOSSuppressPages"));
    m_output = new QComboBox(options);
    m_output->setObjectName(QStringLiteral("cboOSReportType"));
    m_output->addItems(kOutputs);
    auto *outputLabel = new QLabel(QStringLiteral("Report &Layout:"), options);
    outputLabel->setBuddy(m_output);
    form->addWidget(m_noPages, 0, 0, 1, 2);
    form->addWidget(outputLabel, 1, 0);
    form->addWidget(m_output, 1, 1);
    grid->addWidget(options, 1, 1);

    auto *submit = new QHBoxLayout;
    for (const auto &[caption, country] : {std::pair{QStringLiteral("Submit &US Order"), QStringLiteral("US")},
                                           std::pair{QStringLiteral("Submi&t AU Order"), QStringLiteral("AU")},
                                           std::pair{QStringLiteral("Submit &CA Order"), QStringLiteral("CA")}}) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QStringLiteral("submit_") + country);
        button->setAutoDefault(false);
        button->setVisible(false);
        const QString code = country;
        connect(button, &QPushButton::clicked, this, [this, code] {
            if (m_submitHandler)
                m_submitHandler(code);
        });
        submit->addWidget(button);
        m_submit.push_back(button);
    }
    submit->addStretch();
    grid->addLayout(submit, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
}

void OrderSummaryTab::fill(ReportParameters &parameters) const
{
    using S = OrderSummarySelection;
    parameters.choices.insert(S::kKind, checkedValue(m_kind));
    parameters.choices.insert(S::kSummary, checkedValue(m_summary));
    parameters.choices.insert(S::kSort, checkedValue(m_sort));
    parameters.choices.insert(S::kNoPages, m_noPages->isChecked());
    parameters.choices.insert(S::kOutput, kOutputValues.value(m_output->currentIndex()));
}

void OrderSummaryTab::resetDefaults()
{
    checkValue(m_kind, QStringLiteral("regular"));
    checkValue(m_summary, QStringLiteral("non-summarized"));
    checkValue(m_sort, QStringLiteral("page"));
    m_noPages->setChecked(false);
    m_output->setCurrentIndex(0);
}

void OrderSummaryTab::setSubmitHandler(std::function<void(const QString &)> submit)
{
    m_submitHandler = std::move(submit);
    for (QPushButton *button : m_submit)
        button->setVisible(bool(m_submitHandler));
}

void OrderSummaryTab::focusSubmit(const QString &country)
{
    if (m_submit.empty())
        return;
    QPushButton *chosen = m_submit.front();
    for (QPushButton *button : m_submit)
        if (button->objectName() == QStringLiteral("submit_") + country.trimmed().toUpper())
            chosen = button;
    chosen->setDefault(true);
    chosen->setFocus(Qt::OtherFocusReason);
}

} // namespace zel::reports
