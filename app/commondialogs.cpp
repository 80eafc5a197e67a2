#include "commondialogs.h"

#include "dialogservices.h"

bool TOpenDialog::Execute(QWidget *owner)
{
    const std::optional<QStringList> chosen =
        DialogServices().OpenFiles(owner, FileName, DefaultExt, Filter);
    if (!chosen || chosen->isEmpty())
        return false;
    Files = *chosen;
    return true;
}

bool TColorDialog::Execute(QWidget *owner)
{
    const std::optional<TColor> chosen = DialogServices().ChooseColor(owner, Color);
    if (!chosen)
        return false;
    Color = *chosen;
    return true;
}
