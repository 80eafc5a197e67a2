#include "frmmessage.h"

#include "tcolor.h"
#include "vekaccessiblesupport.h"
#include "vekbutton.h"
#include "vekdlg.h"
#include "vekform.h"
#include "vektitlebar.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// The caption's paragraphs: CR LF, a lone CR and LF all break a line.
QStringList Paragraphs(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

// Breaks one paragraph into lines at most width pixels wide; an empty
// paragraph still takes one line.
int LayOutParagraph(QTextLayout &layout, int width)
{
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
    return std::max(layout.lineCount(), 1);
}

} // namespace

TWrapLabel::TWrapLabel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    AdjustHeight();
}

void TWrapLabel::SetCaption(const QString &value)
{
    FCaption = value;
    VekNotifyNameChanged(this);
    AdjustHeight();
    update();
}

int TWrapLabel::LineHeight() const
{
    return int(std::ceil(QFontMetricsF(font()).height()));
}

int TWrapLabel::LineCount() const
{
    int lines = 0;
    for (const QString &paragraph : Paragraphs(FCaption)) {
        QTextLayout layout(paragraph, font(), this);
        lines += LayOutParagraph(layout, width());
    }
    return lines;
}

// Lines stand on a fixed pitch, their baselines where the label's own font
// puts them, so glyphs from a fallback font do not push the lines apart.
void TWrapLabel::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    canvas.setPen(ToQColor(clWindowText));
    const int pitch = LineHeight();
    const qreal ascent = QFontMetricsF(font()).ascent();
    int row = 0;
    for (const QString &paragraph : Paragraphs(FCaption)) {
        QTextLayout layout(paragraph, font(), this);
        const int lines = LayOutParagraph(layout, width());
        for (int i = 0; i < layout.lineCount(); ++i) {
            QTextLine line = layout.lineAt(i);
            line.setPosition(QPointF(0, (row + i) * pitch + ascent - line.ascent()));
        }
        layout.draw(&canvas, QPointF(0, 0));
        row += lines;
    }
}

void TWrapLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        AdjustHeight();
    QWidget::changeEvent(event);
}

void TWrapLabel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    AdjustHeight();
}

void TWrapLabel::AdjustHeight()
{
    const int h = LineCount() * LineHeight();
    if (h != height())
        resize(width(), h);
}

// ---------------------------------------------------------------------------
// TDialogWindow

TDialogWindow::TDialogWindow(QWidget *owner, int clientWidth, int clientHeight) : TForm(owner)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    SetBorderStyle(TFormBorderStyle::bsDialog);
    resize(clientWidth, clientHeight);
    SetMinSize(130, 0);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(clBtnFace));
    colours.setColor(QPalette::WindowText, ToQColor(clWindowText));
    setPalette(colours);
    setFont(TvekDialog::DefaultFont());
}

TvekForm *TDialogWindow::CreateFrame(int width, int height)
{
    // The style builds the title bar's sections: left and right at their
    // pictures' widths, the middle stretched.
    auto *frame = new TvekForm(this);
    frame->SetUIStyle(TvekUIStyle::DeepBlue);
    frame->SetUIStyleAutoUpdateSub(true);
    frame->SetBorderColor(clBlack);
    frame->SetBorderWidth(1);
    frame->SetTitleBarVisible(true);
    frame->SetColor(TColor(0x00E8E8E8));

    TvekTitleBarButtons *buttons = frame->TitleBarButtons();
    buttons->Clear();
    TvekTitleBarButton *close = buttons->Add();
    close->SetButtonType(TvekTitleBarBtnType::vekClose);
    close->SetTop(2);
    close->LoadPictures();

    frame->SetTitleBarDrawAppIcon(false);
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setPixelSize(11);
    titleFont.setBold(true);
    frame->SetFont(titleFont);
    frame->SetFontColor(clWhite);
    frame->SetMenuBarColor(TColor(0x00E8E8E8));
    frame->SetMenuBarHeight(22);
    frame->SetWidth(width);
    frame->SetHeight(height);
    return frame;
}

TvekButton *TDialogWindow::CreateModalButton(TvekForm *frame, int left, int top, int modalResult)
{
    auto *button = new TvekButton(frame);
    button->SetBounds(left, top, 73, 25);
    button->SetTabStop(true);
    button->SetModalResult(modalResult);
    return button;
}

void TDialogWindow::showEvent(QShowEvent *event)
{
    TForm::showEvent(event);
    activateWindow();
}

void TDialogWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Close();
        return;
    }
    TForm::keyPressEvent(event);
}

// ---------------------------------------------------------------------------
// TfrmMsg

TfrmMsg::TfrmMsg(QWidget *owner) : TDialogWindow(owner, 334, 139)
{
    vekForm1 = CreateFrame(332, 138);

    lbl = new TWrapLabel(vekForm1);
    lbl->setGeometry(88, 64, 225, 13);
    lbl->setFixedWidth(225);

    Image1 = new QLabel(vekForm1);
    Image1->setGeometry(24, 64, 40, 40);
}
