#pragma once

#include <QString>

#include <vector>

namespace zel {

class cDataAccess;

namespace customers {

struct TreeNode
{
    int number = 0;
    QString text; // "Smith, Ann  (#12) - 5 Elm St Springfield IL 62701"
    QString key() const { return QStringLiteral("Key=%1").arg(number); }
};

struct TreeGroup
{
    QString title;
    std::vector<TreeNode> customers;
};

// The search screen's three trees of every customer: by the first letter of the last or first
// name (with groups for missing names and for closed and deleted customers), and by helper.
struct CustomerTrees
{
    std::vector<TreeGroup> byLastName;
    std::vector<TreeGroup> byFirstName;
    std::vector<TreeGroup> byHelper;
};

// The three trees from one read of the columns they show.
CustomerTrees customerTrees(cDataAccess &data);

// Whether a customer picked in a tree still exists.
bool customerStillExists(cDataAccess &data, int number);

} // namespace customers
} // namespace zel
