#pragma once

#include <QAccessibleWidget>

// A self-drawn label (the message dialog's wrapped text, the framework's
// label) as static text: named by its caption without the padding, and the
// label of the control it names (its buddy, which in turn finds its label
// through Qt's own relations).
class TvekAccessibleLabel : public QAccessibleWidget
{
public:
    explicit TvekAccessibleLabel(QWidget *label);

    QString text(QAccessible::Text t) const override;
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

private:
    QString Caption() const;
    QWidget *Buddy() const;
};
