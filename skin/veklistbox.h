#pragma once

#include "tcolor.h"
#include "vekscrollbar.h"

#include <QListWidget>
#include <QPointer>

// A list box with a skinned two-pixel border and, optionally, a skinned
// vertical scroll bar laid over its right edge and kept in step with the
// list's own vertical scroll state. Items, selection and scrolling stay the
// framework's.
class TvekListBox : public QListWidget, public TvekStyled
{
    Q_OBJECT
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(TvekScrollBar *VScrollBar READ VScrollBar WRITE SetVScrollBar)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(bool ExtendedSelect READ ExtendedSelect WRITE SetExtendedSelect)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)

public:
    explicit TvekListBox(QWidget *owner = nullptr);
    ~TvekListBox() override;

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    // A list box has no style of its own: a container's style gives it the
    // control border colour.
    void ApplyContainerStyle(TvekUIStyle style) override;
    TvekScrollBar *VScrollBar() const { return FVScrollBar; }
    // Attaches a skinned bar (never owned); the bar attached before is released.
    void SetVScrollBar(TvekScrollBar *value);

    // The list's colour: its background and the inner ring of the border.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // 0: one column scrolled vertically; n: n columns in view, items flowing
    // down and on into further columns reached by horizontal scrolling.
    int Columns() const { return FColumns; }
    void SetColumns(int value);
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);

    // Brings the attached bar in line with the list's own vertical scroll state.
    void UpdateScrollState();
    // Lays the attached bar over the list's right edge, in the parent's coordinates.
    void PlaceScrollBar();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void ReleaseScrollBar(TvekScrollBar *bar);
    void ScrollFromBar();
    void ItemsChanged();
    void ApplySelectionMode();
    void ApplyLayout();
    void ApplyHorizontalBarPolicy();
    // The length of the native bar's thumb in pixels.
    int NativeThumbLength() const;

    TColor FBorderColor = clBlack;
    bool FLeftButtonDown = false;
    QPointer<TvekScrollBar> FVScrollBar;
    bool FUpdating = false;
    TColor FColor = clWindow;
    int FColumns = 0;
    bool FExtendedSelect = true;
    int FItemHeight = 13;
    bool FMultiSelect = false;
};
