#pragma once

#include <QString>

namespace zel {

class cDataAccess;
class Prompter;
struct Product;

namespace exchange {

// Brings every catalogue number on file to the one form a product database import uses, so that
// what is imported meets what is there. Each pass is one transaction of its own: it stays done
// even when the import is cancelled afterwards.
class CatalogueDashes
{
public:
    CatalogueDashes(cDataAccess &data, Prompter &prompter, bool useDashes)
        : m_data(data), m_prompter(prompter), m_useDashes(useDashes)
    {
    }

    // Products under another form are copied under the normal one and the old rows removed. When
    // the normal number is already on file for that campaign, that row stays and takes the other's
    // quantity on hand. False (nothing changed) when a statement failed.
    bool normaliseProducts();
    // The catalogue numbers of every order line. False (nothing changed) when a statement failed.
    bool normaliseOrderLines();

private:
    bool moveProduct(const Product &product, const QString &normal);

    cDataAccess &m_data;
    Prompter &m_prompter;
    bool m_useDashes;
};

} // namespace exchange
} // namespace zel
