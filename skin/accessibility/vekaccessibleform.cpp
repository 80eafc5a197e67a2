#include "vekaccessibleform.h"

#include "tform.h"

TvekAccessibleForm::TvekAccessibleForm(TForm *form) : QAccessibleWidget(form, QAccessible::Window)
{}

QAccessible::Role TvekAccessibleForm::role() const
{
    const auto *form = static_cast<const TForm *>(widget());
    const bool dialog = form->IsModal() || form->BorderStyle() == TFormBorderStyle::bsDialog;
    return dialog ? QAccessible::Dialog : QAccessible::Window;
}
