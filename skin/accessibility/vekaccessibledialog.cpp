#include "vekaccessibledialog.h"

#include "frmmessage.h"

TvekAccessibleDialog::TvekAccessibleDialog(TDialogWindow *window)
    : QAccessibleWidget(window, QAccessible::Dialog)
{}

QAccessible::Role TvekAccessibleDialog::role() const
{
    const auto *message = qobject_cast<TfrmMsg *>(widget());
    return message && message->Alert ? QAccessible::AlertMessage : QAccessible::Dialog;
}

QString TvekAccessibleDialog::text(QAccessible::Text t) const
{
    const auto *message = qobject_cast<TfrmMsg *>(widget());
    if (t == QAccessible::Description && message && widget()->accessibleDescription().isEmpty())
        return message->lbl->Caption();
    return QAccessibleWidget::text(t);
}
