#include "utilities/ui/flags_page.h"

#include "shell/captions.h"
#include "utilities/bulk_flags.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zel {

FlagsPage::FlagsPage(AppState &state, QWidget *parent) : UtilityPage(state, parent), m_counter(new QComboBox(this))
{
    auto *layout = new QVBoxLayout(this);
    auto *flags = new QGroupBox(QStringLiteral("Set or Reset"), this);
    auto *flagsLayout = new QVBoxLayout(flags);
    const char *captions[FlagCount] = {"'Order Su&mmarized Flag' for Current ####", "'Order Printe&d Flag' for Current ####",
                                       "'Print &Label Flag' On Every Customer"};
    const char *names[FlagCount] = {"optFlagSummarized", "optFlagPrinted", "optFlagLabel"};
    for (int f = 0; f < FlagCount; ++f) {
        m_flags[f] = new QRadioButton(Gs_Caption_Replace(QString::fromLatin1(captions[f])), flags);
        m_flags[f]->setObjectName(QString::fromLatin1(names[f]));
        flagsLayout->addWidget(m_flags[f]);
    }
    m_flags[Summarized]->setChecked(true);
    auto *buttons = new QHBoxLayout;
    auto *set = new QPushButton(QStringLiteral("&Set"), flags);
    auto *reset = new QPushButton(QStringLiteral("R&eset"), flags);
    for (QPushButton *b : {set, reset}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    flagsLayout->addLayout(buttons);
    connect(set, &QPushButton::clicked, this, [this] { setFlag(true); });
    connect(reset, &QPushButton::clicked, this, [this] { setFlag(false); });
    layout->addWidget(flags);

    auto *counters = new QGroupBox(QStringLiteral("Reset Customer Counters to Zero"), this);
    auto *counterLayout = new QHBoxLayout(counters);
    auto *label = new QLabel(QStringLiteral("Select &Counter"), counters);
    label->setBuddy(m_counter);
    m_counter->addItem(QString(), 0);
    for (int k = 1; k <= utilities::BulkFlags::kCounters; ++k)
        m_counter->addItem(QString::number(k), k);
    auto *resetCounter = new QPushButton(QStringLiteral("Reset C&ounter"), counters);
    resetCounter->setAutoDefault(false);
    connect(resetCounter, &QPushButton::clicked, this, &FlagsPage::resetCounter);
    counterLayout->addWidget(label);
    counterLayout->addWidget(m_counter);
    counterLayout->addWidget(resetCounter);
    counterLayout->addStretch();
    layout->addWidget(counters);
    layout->addStretch();
}

void FlagsPage::setFlag(bool on)
{
    utilities::BulkFlags flags(state());
    if (m_flags[Summarized]->isChecked())
        flags.setSummarizedFlags(m_campaign, on);
    else if (m_flags[Printed]->isChecked())
        flags.setPrintedFlags(m_campaign, on);
    else
        flags.setLabelFlags(on);
}

void FlagsPage::resetCounter()
{
    const int counter = m_counter->currentData().toInt();
    utilities::BulkFlags(state()).resetCounter(counter > 0 ? std::optional<int>(counter) : std::nullopt);
}

} // namespace zel
