#include "shell/ui/buddy_label.h"

#include <QLabel>

namespace zel {

QLabel *buddyLabel(const QString &caption, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace zel
