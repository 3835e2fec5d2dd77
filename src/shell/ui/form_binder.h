#pragma once

#include "core/currency.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include <functional>
#include <vector>

namespace zel {

// Ties a screen's controls to the members of a record: load() shows a record in them, read() puts
// what they hold back into a record. A money field's text must be a number, and a binding may carry
// a check of its own; read() stops at the first value that cannot be used, gives that control the
// focus and returns its message (empty when everything was read).
template <class Record>
class FormBinder
{
public:
    using Check = std::function<QString(const QString &)>;

    // Text, stored without its outer spaces.
    void text(QLineEdit *edit, QString Record::*member, Check check = {})
    {
        add(edit, [=](const Record &r) { edit->setText(r.*member); },
            [=](Record &r) {
                const QString value = edit->text().trimmed();
                if (QString message = check ? check(value) : QString(); !message.isEmpty())
                    return message;
                r.*member = value;
                return QString();
            });
    }

    // Money; `refusal` is the message when the text is not a number.
    void money(QLineEdit *edit, Currency Record::*member, const QString &refusal, Check check = {})
    {
        add(edit, [=](const Record &r) { edit->setText((r.*member).toPlainText()); },
            [=](Record &r) {
                const std::optional<Currency> value = Currency::fromString(edit->text());
                if (!value)
                    return refusal;
                if (QString message = check ? check(edit->text()) : QString(); !message.isEmpty())
                    return message;
                r.*member = *value;
                return QString();
            });
    }

    // A "Y"/"N" switch.
    void flag(QCheckBox *box, QString Record::*member)
    {
        add(box, [=](const Record &r) { box->setChecked(r.*member == QLatin1String("Y")); },
            [=](Record &r) {
                r.*member = box->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
                return QString();
            });
    }

    void flag(QCheckBox *box, bool Record::*member)
    {
        add(box, [=](const Record &r) { box->setChecked(r.*member); },
            [=](Record &r) {
                r.*member = box->isChecked();
                return QString();
            });
    }

    // A list of texts; a stored text the list does not offer leaves the list as it is.
    void list(QComboBox *box, QString Record::*member)
    {
        add(box, [=](const Record &r) { box->setCurrentText(r.*member); },
            [=](Record &r) {
                r.*member = box->currentText();
                return QString();
            });
    }

    // A list of numbers in rising order; a stored number it does not offer shows as the nearest
    // offered one below it (or the first).
    void numberList(QComboBox *box, int Record::*member)
    {
        add(box,
            [=](const Record &r) {
                int chosen = 0;
                for (int i = 0; i < box->count(); ++i)
                    if (box->itemText(i).toInt() <= r.*member)
                        chosen = i;
                box->setCurrentIndex(box->count() > 0 ? chosen : -1);
            },
            [=](Record &r) {
                r.*member = box->currentText().toInt();
                return QString();
            });
    }

    void number(QSpinBox *box, int Record::*member)
    {
        add(box, [=](const Record &r) { box->setValue(r.*member); },
            [=](Record &r) {
                r.*member = box->value();
                return QString();
            });
    }

    // Option buttons, each carrying its stored text in the "value" property; a stored text no
    // button carries chooses the fallback's button.
    void choice(QButtonGroup *group, QString Record::*member, const QString &fallback)
    {
        add(nullptr,
            [=](const Record &r) {
                QAbstractButton *chosen = nullptr;
                for (QAbstractButton *button : group->buttons()) {
                    const QString value = button->property("value").toString();
                    if (value == r.*member || (!chosen && value == fallback))
                        chosen = button;
                }
                if (chosen)
                    chosen->setChecked(true);
            },
            [=](Record &r) {
                r.*member = group->checkedButton() ? group->checkedButton()->property("value").toString() : QString();
                return QString();
            });
    }

    void load(const Record &record) const
    {
        for (const Binding &b : m_bindings)
            b.load(record);
    }

    QString read(Record &record) const
    {
        for (const Binding &b : m_bindings) {
            if (QString message = b.read(record); !message.isEmpty()) {
                if (b.control)
                    b.control->setFocus();
                return message;
            }
        }
        return {};
    }

private:
    struct Binding
    {
        QWidget *control;
        std::function<void(const Record &)> load;
        std::function<QString(Record &)> read;
    };
    void add(QWidget *control, std::function<void(const Record &)> load, std::function<QString(Record &)> read)
    {
        m_bindings.push_back({control, std::move(load), std::move(read)});
    }

    std::vector<Binding> m_bindings;
};

} // namespace zel
