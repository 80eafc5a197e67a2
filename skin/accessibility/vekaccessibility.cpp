#include "vekaccessibility.h"

#include "frmmessage.h"
#include "tform.h"
#include "vekaccessiblebutton.h"
#include "vekaccessiblecheckbox.h"
#include "vekaccessibledialog.h"
#include "vekaccessibleform.h"
#include "vekaccessiblelabel.h"
#include "vekaccessiblelinklabel.h"
#include "vekaccessibleslider.h"
#include "vekaccessibletitlebar.h"
#include "vekbutton.h"
#include "vekscrollbar.h"
#include "vektitlebar.h"
#include "vektrackbar.h"
#include "vekurllabel.h"

#include <QAccessible>

namespace {

QAccessibleInterface *ButtonInterface(QObject *object)
{
    if (auto *checkBox = qobject_cast<TvekCustomButtonEx *>(object))
        return new TvekAccessibleCheckBox(checkBox);
    if (auto *button = qobject_cast<TvekCustomButton *>(object))
        return new TvekAccessibleButton(button);
    return nullptr;
}

QAccessibleInterface *BarInterface(QObject *object)
{
    if (auto *titleBar = qobject_cast<TvekTitleBar *>(object))
        return new TvekAccessibleTitleBar(titleBar);
    if (auto *scrollBar = qobject_cast<TvekScrollBar *>(object))
        return new TvekAccessibleSlider(scrollBar);
    if (auto *trackBar = qobject_cast<TvekTrackBar *>(object))
        return new TvekAccessibleSlider(trackBar);
    return nullptr;
}

// The framework's label is matched by name: it lives with the program.
QAccessibleInterface *TextInterface(const QString &className, QObject *object)
{
    if (auto *link = qobject_cast<TvekURLLabel *>(object))
        return new TvekAccessibleLinkLabel(link);
    if (auto *label = qobject_cast<TWrapLabel *>(object))
        return new TvekAccessibleLabel(label);
    if (className == QLatin1String("TLabel") && object->isWidgetType())
        return new TvekAccessibleLabel(static_cast<QWidget *>(object));
    return nullptr;
}

// The framework's form derives from Qt's dialog, but the main window is a
// window.
QAccessibleInterface *WindowInterface(QObject *object)
{
    if (auto *dialog = qobject_cast<TDialogWindow *>(object))
        return new TvekAccessibleDialog(dialog);
    if (auto *form = qobject_cast<TForm *>(object))
        return new TvekAccessibleForm(form);
    return nullptr;
}

// Qt asks once per class of the object's hierarchy, most derived first; the
// casts answer at the first ask, so subclasses in the program are covered.
QAccessibleInterface *VekAccessibleFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (QAccessibleInterface *iface = ButtonInterface(object))
        return iface;
    if (QAccessibleInterface *iface = BarInterface(object))
        return iface;
    if (QAccessibleInterface *iface = TextInterface(className, object))
        return iface;
    return WindowInterface(object);
}

} // namespace

void InstallVekAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(VekAccessibleFactory);
}
