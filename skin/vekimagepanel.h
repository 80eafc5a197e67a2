#pragma once

#include "vekthemes.h"

#include <QImage>
#include <QWidget>

// A panel that shows one picture and sizes itself to it. Placed on a
// skinned window it passes a style on to the controls it holds.
class TvekImagePanel : public QWidget, public TvekStyleContainer
{
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)

public:
    explicit TvekImagePanel(QWidget *owner = nullptr);

    QImage Picture() const { return FPicture; }
    void SetPicture(const QImage &value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    // Takes the picture's size (nothing for an empty picture).
    void AdjustSize();

    void UpdateUIStyle(TvekUIStyle style) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage FPicture;
    bool FAutoSize = true;
};
