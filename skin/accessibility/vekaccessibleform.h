#pragma once

#include <QAccessibleWidget>

class TForm;

// A window of the program: named by its caption (which its skinned frame
// shows); a dialog while it runs modally or has a dialog border, else a
// window, as the main window is.
class TvekAccessibleForm : public QAccessibleWidget
{
public:
    explicit TvekAccessibleForm(TForm *form);

    QAccessible::Role role() const override;
};
