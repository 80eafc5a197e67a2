#include "tform.h"

#include "desktop.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QWindow>

namespace {

QPointer<TForm> mainForm;

} // namespace

TForm::TForm(QWidget *parent) : QDialog(parent)
{
    if (!parent && !mainForm) {
        mainForm = this;
        setWindowFlags(Qt::Window);
    }
}

TForm *TForm::MainForm()
{
    return mainForm;
}

// Setting a result ends a modal run at once; a form shown normally only
// records it.
void TForm::SetModalResult(int value)
{
    FModalResult = value;
    if (FModal && value != mrNone && isVisible())
        done(value);
}

int TForm::ShowModal()
{
    FModalResult = mrNone;
    FModal = true;
    exec();
    FModal = false;
    ReturnFocusTo(parentWidget() ? parentWidget()->window() : MainForm());
    return FModalResult;
}

void TForm::Show()
{
    show();
    raise();
    activateWindow();
}

void TForm::Close()
{
    close();
}

void TForm::SetActiveControl(QWidget *control)
{
    FActiveControl = control;
    if (control && isVisible())
        control->setFocus(Qt::OtherFocusReason);
}

void TForm::SetMinSize(int width, int height)
{
    setMinimumSize(width > 0 ? width : 0, height > 0 ? height : 0);
}

void TForm::SetMaxSize(int width, int height)
{
    setMaximumSize(width > 0 ? width : QWIDGETSIZE_MAX, height > 0 ? height : QWIDGETSIZE_MAX);
}

/*
    Moving a window that is already mapped leaves Qt's idea of its position
    behind under a window manager (mapToGlobal and system moves then start
    from 0,0), so the position is applied while the form is still hidden.
*/
void TForm::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        ApplyPosition();
        TieToMainForm();
    }
    QDialog::setVisible(visible);
}

// A window without a parent is transient for the main form, so the window
// manager keeps it above that window and gives it no task-bar entry.
void TForm::TieToMainForm()
{
    TForm *main = MainForm();
    if (main == this || parentWidget() || !main || !main->windowHandle())
        return;
    create();
    if (QWindow *window = windowHandle())
        window->setTransientParent(main->windowHandle());
}

void TForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (FActiveControl)
            FActiveControl->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

// A modal form closed without a result (its close button, the window
// manager, Close()) ends with mrCancel.
void TForm::closeEvent(QCloseEvent *event)
{
    if (FModal && FModalResult == mrNone)
        FModalResult = mrCancel;
    QDialog::closeEvent(event);
}

// Every end of a modal run passes here: QDialog's reject() arrives with 0.
void TForm::done(int result)
{
    if (FModal) {
        if (result == mrNone)
            result = FModalResult != mrNone ? FModalResult : mrCancel;
        FModalResult = result;
    }
    QDialog::done(result);
}

// Escape does not close a form by itself: a button marked Cancel handles it.
void TForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm::ApplyPosition()
{
    QRect area;
    switch (FPosition) {
    case TPosition::poDesigned:
        return;
    case TPosition::poScreenCenter:
        area = GetWorkArea(geometry().center());
        break;
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter:
        area = parentWidget() ? parentWidget()->window()->frameGeometry()
                              : GetWorkArea(geometry().center());
        break;
    }
    if (area.isEmpty())
        return;
    const QSize size = frameGeometry().size();
    move(area.x() + (area.width() - size.width()) / 2,
         area.y() + (area.height() - size.height()) / 2);
}

TForm *GetParentForm(QWidget *control)
{
    return control ? qobject_cast<TForm *>(control->window()) : nullptr;
}

void ReturnFocusTo(QWidget *window)
{
    if (!window || !window->isVisible())
        return;
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != window)
        return;
    window->activateWindow();
}
