#pragma once

#include "bitmapresource.h"
#include "tform.h"
#include "vekbutton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFont>
#include <QImage>
#include <QMetaObject>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

// A fake clock for the timers below a widget: advances time millisecond by
// millisecond and fires every running timer whenever its interval has
// elapsed since it was first seen running. No real time passes.
inline void AdvanceTimers(QObject *root, int milliseconds)
{
    std::map<QTimer *, int> started;
    for (int now = 0; now <= milliseconds; ++now)
        for (QTimer *timer : root->findChildren<QTimer *>()) {
            if (!timer->isActive() || timer->interval() <= 0) {
                started.erase(timer);
                continue;
            }
            const auto [it, fresh] = started.try_emplace(timer, now);
            if (!fresh && (now - it->second) % timer->interval() == 0)
                QMetaObject::invokeMethod(timer, "timeout");
        }
}

// A font without anti-aliasing, so caption pixels have exact colours.
inline QFont CrispFont(int pixelSize = 11)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

inline QImage Grab(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QRgb Rgb(int r, int g, int b)
{
    return qRgb(r, g, b) & RGB_MASK;
}

inline QRgb PixelAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & RGB_MASK;
}

// The bounding box of the pixels in which two grabs differ.
inline QRect DiffBox(const QImage &a, const QImage &b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & RGB_MASK) != (b.pixel(x, y) & RGB_MASK))
                box |= QRect(x, y, 1, 1);
    return box;
}

inline bool HasPixel(const QImage &image, const QRect &area, QRgb color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (PixelAt(image, x, y) == color)
                return true;
    return false;
}

inline void SendEnter(QWidget *widget)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(widget, &enter);
}

inline void SendLeave(QWidget *widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

// A shown, active form to place controls on.
inline std::unique_ptr<TForm> MakeHostForm()
{
    auto form = std::make_unique<TForm>();
    form->resize(320, 200);
    form->setFont(CrispFont());
    form->show();
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());
    return form;
}

// A push button on a shown form, its clicks, enters and exits counted.
class PushButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = MakeHostForm();
        QTest::mouseMove(form.get(), QPoint(310, 190)); // the pointer away from the button
        button = new TvekButton(form.get());
        button->SetBounds(20, 20, 80, 27);
        button->show();
        button->OnClick = [this](QObject *sender) {
            EXPECT_EQ(sender, button);
            clicks.push_back(form->ModalResult());
        };
        button->OnMouseExit = [this](QObject *) { ++exits; };
        button->OnMouseEnter = [this](QObject *) { ++enters; };
    }

    // The pixel at the middle of the stretched picture comes from (37, 10)
    // of the 74 x 21 DeepBlue pictures.
    QRgb Middle() { return PixelAt(Grab(button), 40, 13); }
    static QRgb PictureMiddle(const char *name)
    {
        return PixelAt(LoadBitmapResource(name), 37, 10);
    }

    std::unique_ptr<TForm> form;
    TvekButton *button = nullptr;
    std::vector<int> clicks; // the form's modal result seen by each OnClick
    int exits = 0;
    int enters = 0;
};

// A check box on a shown form; OnClick records the state it sees.
class CheckBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = MakeHostForm();
        QTest::mouseMove(form.get(), QPoint(310, 190));
        box = new TvekCheckBox(form.get());
        box->move(20, 20);
        box->SetFont(CrispFont());
        box->show();
        box->OnClick = [this](QObject *sender) {
            EXPECT_EQ(sender, box);
            states.push_back(box->Checked());
        };
    }

    std::unique_ptr<TForm> form;
    TvekCheckBox *box = nullptr;
    std::vector<bool> states; // Checked as each OnClick saw it
};
