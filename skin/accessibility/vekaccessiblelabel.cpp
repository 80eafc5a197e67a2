#include "vekaccessiblelabel.h"

#include "frmmessage.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

TvekAccessibleLabel::TvekAccessibleLabel(QWidget *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{}

// The framework's label keeps its text in a Caption property.
QString TvekAccessibleLabel::Caption() const
{
    if (auto *label = qobject_cast<TWrapLabel *>(widget()))
        return label->Caption();
    return widget()->property("Caption").toString();
}

QString TvekAccessibleLabel::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return Caption().trimmed();
    return QAccessibleWidget::text(t);
}

QWidget *TvekAccessibleLabel::Buddy() const
{
    auto *label = qobject_cast<QLabel *>(widget());
    return label ? label->buddy() : nullptr;
}

QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
TvekAccessibleLabel::relations(QAccessible::Relation match) const
{
    auto result = QAccessibleWidget::relations(match);
    QWidget *control = Buddy();
    if (control && (match & QAccessible::Labelled))
        if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control))
            result.append({iface, QAccessible::Labelled});
    return result;
}
