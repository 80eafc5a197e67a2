#pragma once

#include <QAccessibleWidget>

class TDialogWindow;

// The skinned message, input and password windows: a dialog, or an alert
// for warnings and errors, named by the caption; a message window describes
// itself with its message, which a screen reader reads when it opens.
class TvekAccessibleDialog : public QAccessibleWidget
{
public:
    explicit TvekAccessibleDialog(TDialogWindow *window);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
};
