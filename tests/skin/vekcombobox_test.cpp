#include "bitmapresource.h"
#include "vekcombobox.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

QColor Rgb(TColor color)
{
    return ToQColor(ColorToRGB(color));
}

// A combo box whose drop-down button lies where the test says.
class TFixedButtonCombo : public TvekComboBox
{
public:
    using TvekComboBox::TvekComboBox;
    QRect button;
    int closeUps = 0;
    void CloseUp() override { ++closeUps; }
    QRect Reported() const { return DropDownButtonRect(); }

protected:
    QRect DropDownButtonRect() const override
    {
        return button.isNull() ? TvekComboBox::DropDownButtonRect() : button;
    }
};

// The dialog's pick list: 57 x 21, DeepBlue, items "1" to "7".
class ComboBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(120, 60);
        combo = new TFixedButtonCombo(host.get());
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        for (int i = 1; i <= 7; ++i)
            combo->addItem(QString::number(i));
        combo->setGeometry(10, 10, 57, 21);
        host->show();
    }

    QImage Grab() const { return combo->grab().toImage(); }
    QRect Button() const { return combo->Reported(); }

    std::unique_ptr<QWidget> host;
    TFixedButtonCombo *combo = nullptr;
};

TEST(ComboBoxArrow, OriginOfAnOddWidthButton)
{
    // From 30 to 47: the centre is truncated, and y is half the height.
    EXPECT_EQ(TvekCustomComboBox::ArrowOrigin(QRect(QPoint(30, 0), QPoint(46, 20))),
              QPoint(34, 10));
    EXPECT_EQ(TvekCustomComboBox::ArrowOrigin(QRect(QPoint(30, 2), QPoint(46, 18))), QPoint(34, 8));
}

TEST_F(ComboBoxTest, StyleColoursOfDeepBlue)
{
    EXPECT_EQ(combo->UIStyle(), TvekUIStyle::DeepBlue);
    EXPECT_EQ(combo->ButtonColor(), 0x00E8E8E8);
    EXPECT_EQ(combo->ArrowColor(), clBlack);
    EXPECT_EQ(combo->BorderColor(), clBlack);
}

TEST_F(ComboBoxTest, StyleColoursTable)
{
    struct Row
    {
        TvekUIStyle style;
        TColor button, border;
    };
    const Row rows[] = {
        {TvekUIStyle::MacOS, 0x00E7E7E7, 0x007F7F7F}, {TvekUIStyle::WinXP, 0x00DEEBEF, 0x00686868},
        {TvekUIStyle::Protein, 0x00FBFBFB, clBlack},  {TvekUIStyle::BlueGlass, 0x00E9D6D5, clBlack},
        {TvekUIStyle::Custom, clBlack, clBlack},
    };
    for (const Row &row : rows) {
        combo->SetUIStyle(row.style);
        EXPECT_EQ(combo->ButtonColor(), row.button) << int(row.style);
        EXPECT_EQ(combo->ArrowColor(), row.border) << int(row.style);
        EXPECT_EQ(combo->BorderColor(), row.border) << int(row.style);
    }
}

TEST_F(ComboBoxTest, RestylingReplacesExplicitColours)
{
    combo->SetBorderColor(clRed);
    combo->SetArrowColor(clBlue);
    combo->SetButtonColor(clWhite);
    combo->SetUIStyle(TvekUIStyle::DeepBlue); // the same style still restyles
    EXPECT_EQ(combo->ButtonColor(), 0x00E8E8E8);
    EXPECT_EQ(combo->ArrowColor(), clBlack);
    EXPECT_EQ(combo->BorderColor(), clBlack);
}

TEST_F(ComboBoxTest, ButtonFilledAtTheReportedRectangle)
{
    const QRect b = Button();
    ASSERT_GE(b.width(), 11);
    const QImage image = Grab();
    // A pixel of the button beside the arrow, inside the border rings.
    const QPoint probe(b.right() - 2, b.top() + 3);
    EXPECT_EQ(image.pixelColor(probe), Rgb(0x00E8E8E8));
}

TEST_F(ComboBoxTest, EnabledArrowInArrowColour)
{
    combo->SetArrowColor(clRed);
    const QPoint o = TvekCustomComboBox::ArrowOrigin(Button());
    const QImage image = Grab();
    EXPECT_EQ(image.pixelColor(o), Rgb(clRed));
    EXPECT_EQ(image.pixelColor(o + QPoint(6, 0)), Rgb(clRed));
    EXPECT_EQ(image.pixelColor(o + QPoint(3, 3)), Rgb(clRed));
    // Beside the point of the triangle lies the button.
    EXPECT_EQ(image.pixelColor(o + QPoint(2, 3)), Rgb(0x00E8E8E8));
    EXPECT_EQ(image.pixelColor(o + QPoint(4, 3)), Rgb(0x00E8E8E8));
}

TEST_F(ComboBoxTest, DisabledArrowGreyWithWhiteShadowThenBlackAgain)
{
    combo->setEnabled(false);
    const QPoint o = TvekCustomComboBox::ArrowOrigin(Button());
    QImage image = Grab();
    EXPECT_EQ(image.pixelColor(o), Rgb(clGray));
    EXPECT_EQ(image.pixelColor(o + QPoint(3, 3)), Rgb(clGray));
    EXPECT_EQ(image.pixelColor(o + QPoint(7, 1)), Rgb(clWhite));
    EXPECT_EQ(image.pixelColor(o + QPoint(4, 4)), Rgb(clWhite));
    EXPECT_EQ(image.pixelColor(o + QPoint(-1, 0)), Rgb(0x00E8E8E8));

    combo->setEnabled(true);
    image = Grab();
    EXPECT_EQ(image.pixelColor(o), Rgb(clBlack));
    EXPECT_EQ(image.pixelColor(o + QPoint(4, 4)), Rgb(0x00E8E8E8));
}

TEST_F(ComboBoxTest, OddWidthButtonArrowCoversColumns34To40)
{
    combo->button = QRect(30, 0, 17, 21);
    const QImage image = Grab();
    EXPECT_EQ(image.pixelColor(33, 10), Rgb(0x00E8E8E8));
    EXPECT_EQ(image.pixelColor(34, 10), Rgb(clBlack));
    EXPECT_EQ(image.pixelColor(40, 10), Rgb(clBlack));
    EXPECT_EQ(image.pixelColor(41, 10), Rgb(0x00E8E8E8));
}

TEST_F(ComboBoxTest, TwoRingBorder)
{
    combo->SetBorderColor(clRed);
    combo->SetColor(clBlue);
    const QImage image = Grab();
    const int w = image.width(), h = image.height();
    for (const QPoint p : {QPoint(0, 0), QPoint(w / 2, 0), QPoint(w - 1, h - 1), QPoint(0, h / 2)})
        EXPECT_EQ(image.pixelColor(p), Rgb(clRed)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(1, 1), QPoint(w / 4, 1), QPoint(w - 2, h - 2), QPoint(1, h / 2)})
        EXPECT_EQ(image.pixelColor(p), Rgb(clBlue)) << p.x() << "," << p.y();
}

TEST_F(ComboBoxTest, BorderInnerRingResolvesTheSystemWindowColour)
{
    EXPECT_EQ(combo->Color(), clWindow);
    const QImage image = Grab();
    EXPECT_EQ(image.pixelColor(1, 1), Rgb(clWindow));
}

TEST_F(ComboBoxTest, CustomTurnsButtonArrowAndBorderBlack)
{
    combo->SetUIStyle(TvekUIStyle::Custom);
    const QRect b = Button();
    const QImage image = Grab();
    EXPECT_EQ(image.pixelColor(b.right() - 2, b.top() + 3), Rgb(clBlack));
    EXPECT_EQ(image.pixelColor(0, 0), Rgb(clBlack));
}

TEST_F(ComboBoxTest, MacOSButtonBitmapUnderTheGreyArrow)
{
    if (!HasBitmapResource(QStringLiteral("MACOS_COMBOBOX_BUTTON")))
        GTEST_SKIP() << "no MacOS button bitmap";
    combo->SetUIStyle(TvekUIStyle::MacOS);
    const QPoint o = TvekCustomComboBox::ArrowOrigin(Button());
    const QImage image = Grab();
    EXPECT_EQ(image.pixelColor(o), Rgb(0x007F7F7F));
    EXPECT_EQ(image.pixelColor(o + QPoint(3, 3)), Rgb(0x007F7F7F));
}

TEST_F(ComboBoxTest, ClosingTheListCallsCloseUp)
{
    combo->showPopup();
    combo->hidePopup();
    EXPECT_EQ(combo->closeUps, 1);
}

} // namespace

namespace {

// The framework's default style keeps an edit field; the skin still draws over it.
TEST(ComboBoxStyle, DefaultDropDownHasAnEditFieldUnderTheSkin)
{
    QWidget host;
    auto *combo = new TvekComboBox(&host);
    combo->setGeometry(0, 0, 57, 21);
    host.show();
    EXPECT_EQ(combo->Style(), TComboBoxStyle::csDropDown);
    EXPECT_TRUE(combo->isEditable());
    const QImage image = combo->grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(56, 20), QColor(Qt::black));
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    EXPECT_FALSE(combo->isEditable());
}

} // namespace
