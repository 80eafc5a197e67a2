#include "veklistbox.h"

#include "vekpublic.h"
#include "vekscrollbar.h"
#include "veksetter.h"
#include "vekthemes.h"

#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QStyledItemDelegate>

namespace {

// Every item is as high as the list's ItemHeight.
class TItemHeightDelegate : public QStyledItemDelegate
{
public:
    TItemHeightDelegate(const int &height, QObject *parent)
        : QStyledItemDelegate(parent), FHeight(height)
    {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), FHeight);
    }

private:
    const int &FHeight;
};

} // namespace

/*
    The two-pixel band around the list is kept free for the border rings:
    the list's contents and its own scroll bars lie inside it.
*/
TvekListBox::TvekListBox(QWidget *owner) : QListWidget(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setUniformItemSizes(true);
    setItemDelegate(new TItemHeightDelegate(FItemHeight, this));
    FBorderColor = GetBorderColor(OwnerWindow(owner));
    SetBaseColor(this, FColor);
    ApplySelectionMode();
    ApplyLayout();

    const QScrollBar *native = verticalScrollBar();
    connect(native, &QScrollBar::valueChanged, this, &TvekListBox::UpdateScrollState);
    connect(native, &QScrollBar::rangeChanged, this, &TvekListBox::UpdateScrollState);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &TvekListBox::UpdateScrollState);
    connect(model(), &QAbstractItemModel::rowsInserted, this, &TvekListBox::ItemsChanged);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, &TvekListBox::ItemsChanged);
    connect(model(), &QAbstractItemModel::modelReset, this, &TvekListBox::ItemsChanged);
}

// The bar outlives the list: it must not call back into a list that is gone.
// Nor may the model, which the base class still empties after this.
TvekListBox::~TvekListBox()
{
    disconnect(model(), nullptr, this, nullptr);
    disconnect(verticalScrollBar(), nullptr, this, nullptr);
    disconnect(horizontalScrollBar(), nullptr, this, nullptr);
    if (FVScrollBar)
        FVScrollBar->OnChange = nullptr;
}

void TvekListBox::ApplyContainerStyle(TvekUIStyle style)
{
    SetBorderColor(GetThemeColor(style, TvekThemeElement::ControlBorderColor));
}

void TvekListBox::SetBorderColor(TColor value)
{
    FBorderColor = value;
    update();
}

void TvekListBox::SetColor(TColor value)
{
    if (!vekAssign(FColor, value))
        return;
    SetBaseColor(this, value);
    update();
}

void TvekListBox::SetVScrollBar(TvekScrollBar *value)
{
    if (FVScrollBar == value)
        return;
    if (FVScrollBar)
        ReleaseScrollBar(FVScrollBar);
    FVScrollBar = value;
    if (!value)
        return;
    value->SetOrientation(vekVertical);
    value->OnChange = [this](QObject *) { ScrollFromBar(); };
    value->raise();
    PlaceScrollBar();
}

// A released bar stands free again: no callback, proportional slider, Max 100, enabled.
void TvekListBox::ReleaseScrollBar(TvekScrollBar *bar)
{
    bar->OnChange = nullptr;
    bar->SetLineButton(0);
    bar->SetMax(100);
    bar->setEnabled(true);
}

void TvekListBox::SetColumns(int value)
{
    FColumns = std::max(0, value);
    ApplyLayout();
}

void TvekListBox::SetExtendedSelect(bool value)
{
    FExtendedSelect = value;
    ApplySelectionMode();
}

void TvekListBox::SetItemHeight(int value)
{
    FItemHeight = value;
    ApplyLayout();
}

void TvekListBox::SetMultiSelect(bool value)
{
    FMultiSelect = value;
    ApplySelectionMode();
}

// Several items with Ctrl and Shift when both are set; by plain clicks with MultiSelect alone.
void TvekListBox::ApplySelectionMode()
{
    if (!FMultiSelect)
        setSelectionMode(QAbstractItemView::SingleSelection);
    else if (FExtendedSelect)
        setSelectionMode(QAbstractItemView::ExtendedSelection);
    else
        setSelectionMode(QAbstractItemView::MultiSelection);
}

/*
    With columns, items run down a column as tall as the list and continue
    in further columns of (width + Columns - 3) / Columns pixels, reached by
    horizontal scrolling.
*/
void TvekListBox::ApplyLayout()
{
    if (FColumns > 0) {
        setFlow(QListView::TopToBottom);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
        setGridSize(QSize((width() + FColumns - 3) / FColumns, FItemHeight));
    } else {
        setFlow(QListView::TopToBottom);
        setWrapping(false);
        setGridSize(QSize());
    }
    ApplyHorizontalBarPolicy();
    doItemsLayout();
}

/*
    A column runs down the whole client area while every item fits in the
    columns in view, with no horizontal bar (the column is two pixels wider
    than the client area, which alone would show one). From the first item
    beyond them the bar shows and the columns stop above it.
*/
void TvekListBox::ApplyHorizontalBarPolicy()
{
    Qt::ScrollBarPolicy policy = Qt::ScrollBarAsNeeded;
    if (FColumns > 0 && FItemHeight > 0) {
        const int rows = std::max(1, contentsRect().height() / FItemHeight);
        if (count() <= rows * FColumns)
            policy = Qt::ScrollBarAlwaysOff;
    }
    if (horizontalScrollBarPolicy() != policy)
        setHorizontalScrollBarPolicy(policy);
}

int TvekListBox::NativeThumbLength() const
{
    const QScrollBar *native = verticalScrollBar();
    QStyleOptionSlider option;
    option.initFrom(native);
    option.orientation = Qt::Vertical;
    option.minimum = native->minimum();
    option.maximum = native->maximum();
    option.sliderPosition = native->sliderPosition();
    option.sliderValue = native->value();
    option.singleStep = native->singleStep();
    option.pageStep = native->pageStep();
    option.upsideDown = false;
    option.subControls = QStyle::SC_All;
    // Until the list has shown its bar, it would stand along the whole inner height.
    if (native->isHidden()) {
        const int extent =
            native->style()->pixelMetric(QStyle::PM_ScrollBarExtent, &option, native);
        option.rect = QRect(0, 0, extent, contentsRect().height());
    } else {
        option.rect = native->rect();
    }
    const QRect thumb = native->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                        QStyle::SC_ScrollBarSlider, native);
    return thumb.height();
}

/*
    The bar shows only while the list really scrolls, with a slider as long
    as the native thumb. The native bar's maximum is already the last top
    item (range maximum less page plus one).
*/
void TvekListBox::UpdateScrollState()
{
    if (!FVScrollBar)
        return;
    QScopedValueRollback<bool> updating(FUpdating, true);
    // The scroll range follows the items only once the list has laid them out.
    executeDelayedItemsLayout();
    const QScrollBar *native = verticalScrollBar();
    const bool scrolls = native->maximum() > native->minimum() &&
                         verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    if (!scrolls) {
        FVScrollBar->SetLineButton(0);
        FVScrollBar->setEnabled(false);
        FVScrollBar->hide();
    } else {
        FVScrollBar->SetLineButton(NativeThumbLength());
        FVScrollBar->setEnabled(true);
        FVScrollBar->show();
    }
    FVScrollBar->SetMax(native->maximum());
    FVScrollBar->SetMin(native->minimum());
    FVScrollBar->SetPosition(native->value());
}

void TvekListBox::PlaceScrollBar()
{
    if (!FVScrollBar)
        return;
    const int barWidth = FVScrollBar->width();
    FVScrollBar->setGeometry(x() + width() - barWidth - 2, y() + 1, barWidth, height() - 2);
    UpdateScrollState();
}

// Scrolls the list to the bar's position; what the list really did comes back
// through the scroll-state update.
void TvekListBox::ScrollFromBar()
{
    if (FUpdating || !FVScrollBar)
        return;
    verticalScrollBar()->setValue(FVScrollBar->Position());
    viewport()->update();
    UpdateScrollState();
}

void TvekListBox::ItemsChanged()
{
    ApplyHorizontalBarPolicy();
    UpdateScrollState();
}

// The rings are painted over the list's own drawing of its edge.
bool TvekListBox::event(QEvent *event)
{
    const bool result = QListWidget::event(event);
    if (event->type() == QEvent::Paint)
        DrawControlBorder(this, FBorderColor, FColor);
    return result;
}

void TvekListBox::changeEvent(QEvent *event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        UpdateScrollState();
}

void TvekListBox::showEvent(QShowEvent *event)
{
    QListWidget::showEvent(event);
    UpdateScrollState();
}

void TvekListBox::moveEvent(QMoveEvent *event)
{
    QListWidget::moveEvent(event);
    PlaceScrollBar();
}

void TvekListBox::resizeEvent(QResizeEvent *event)
{
    QListWidget::resizeEvent(event);
    if (FColumns > 0)
        setGridSize(QSize((width() + FColumns - 3) / FColumns, FItemHeight));
    ApplyHorizontalBarPolicy();
    PlaceScrollBar();
}

void TvekListBox::keyPressEvent(QKeyEvent *event)
{
    QListWidget::keyPressEvent(event);
    UpdateScrollState();
}

void TvekListBox::wheelEvent(QWheelEvent *event)
{
    QListWidget::wheelEvent(event);
    UpdateScrollState();
}

void TvekListBox::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        FLeftButtonDown = true;
        UpdateScrollState();
    }
}

void TvekListBox::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        FLeftButtonDown = false;
}

void TvekListBox::mouseMoveEvent(QMouseEvent *event)
{
    QListWidget::mouseMoveEvent(event);
    if (FLeftButtonDown)
        UpdateScrollState();
}
