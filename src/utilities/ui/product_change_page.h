#pragma once

#include "utilities/product_updates.h"
#include "utilities/ui/utility_page.h"

#include "shell/ui/record_grid_model.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace zel {

class RecordGridView;
using ProductLineModel = RecordGridModel<utilities::ProductLine>;

// Tabs 7 and 8: a product's new values (or its short) carried into the ticked customers' orders of
// a campaign. The shorted-products tab adds the expected arrival campaign.
class ProductChangePage : public UtilityPage
{
    Q_OBJECT
public:
    ProductChangePage(AppState &state, bool shorts, QWidget *parent = nullptr);

    void showCampaign(const Campaign &campaign) override;

    QListWidget *productList() const { return m_products; }
    ProductLineModel *customers() const { return m_lines; }
    QCheckBox *option(const QString &caption) const;
    QLineEdit *entry(const QString &caption) const;
    QComboBox *arrivalYear() const { return m_arrivalYear; }
    QComboBox *arrivalNumber() const { return m_arrivalNumber; }

    // The campaign's products; `sayWhenNone` when the user chose the campaign.
    void fillProducts(bool sayWhenNone = true);
    void chooseProduct();
    void selectAllCustomers();
    void run();

private:
    struct Field
    {
        QString caption;
        QCheckBox *box = nullptr;
        QLineEdit *edit = nullptr;
    };

    QWidget *buildCampaign();
    QWidget *buildOptions();
    std::optional<Campaign> selectedCampaign() const;
    // The ticked values; nothing (after saying which) when a number is not one.
    std::optional<utilities::ProductChange> change();

    bool m_shorts;
    utilities::ProductUpdates m_updates;
    QComboBox *m_year = nullptr;
    QComboBox *m_number = nullptr;
    QComboBox *m_arrivalYear = nullptr;
    QComboBox *m_arrivalNumber = nullptr;
    QListWidget *m_products = nullptr;
    QCheckBox *m_unavailable = nullptr;
    std::vector<Field> m_fields;
    ProductLineModel *m_lines;
    RecordGridView *m_grid;
    QString m_product;
    bool m_allTicked = false;
};

} // namespace zel
