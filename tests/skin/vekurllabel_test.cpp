// The link label: colours by hover, the hand cursor, and what a click opens.
#include "buttontestsupport.h"

#include "scripteddialogservices.h"
#include "vekform.h"
#include "vekurllabel.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class URLLabelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = MakeHostForm();
        label = new TvekURLLabel(form.get());
        label->move(10, 10);
        label->SetFont(CrispFont());
        label->SetCaption("Home page");
        label->show();
        label->OnClick = [this](QObject *sender) {
            EXPECT_EQ(sender, label);
            events << "click";
        };
    }

    // Exact colours among the caption's pixels.
    bool Shows(QRgb color) { return HasPixel(Grab(label), label->rect(), color); }

    ScriptedDialogServices dialogs;
    std::unique_ptr<TForm> form;
    TvekURLLabel *label = nullptr;
    QStringList events;
};

TEST_F(URLLabelTest, StartsAsAnUnderlinedBlueLink)
{
    TvekURLLabel fresh;
    EXPECT_TRUE(fresh.font().underline());
    EXPECT_EQ(fresh.FontColor(), clBlue);
    EXPECT_EQ(fresh.FontLinkColor(), clBlue);
    EXPECT_EQ(fresh.FontHoverColor(), clRed);
    EXPECT_EQ(fresh.Cursor(), crHandPoint);
    EXPECT_EQ(fresh.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(fresh.AutoSize());
    EXPECT_FALSE(fresh.Caption().isEmpty());
    EXPECT_FALSE(fresh.URL().isEmpty());
}

TEST_F(URLLabelTest, HoverColourWhileThePointerIsOver)
{
    EXPECT_TRUE(Shows(Rgb(0, 0, 255)));
    SendEnter(label);
    EXPECT_EQ(label->FontColor(), clRed);
    EXPECT_TRUE(Shows(Rgb(255, 0, 0)));
    EXPECT_FALSE(Shows(Rgb(0, 0, 255)));
    SendLeave(label);
    EXPECT_TRUE(Shows(Rgb(0, 0, 255)));
}

TEST_F(URLLabelTest, LinkColourShowsAtOnceHoverColourAtTheNextEntry)
{
    SendEnter(label);
    label->SetLinkColor(0x00008000); // green
    EXPECT_TRUE(Shows(Rgb(0, 0x80, 0))) << "even while the pointer is over it";
    label->SetFontHoverColor(0x00800080);
    EXPECT_EQ(label->FontColor(), 0x00008000);
    SendLeave(label);
    SendEnter(label);
    EXPECT_TRUE(Shows(Rgb(0x80, 0, 0x80)));
}

struct OpenCase
{
    const char *url;
    bool opens;
};

void PrintTo(const OpenCase &c, std::ostream *os)
{
    *os << '"' << c.url << '"';
}

class URLOpenTest : public URLLabelTest, public ::testing::WithParamInterface<OpenCase>
{
};

TEST_P(URLOpenTest, OpensTheUntrimmedAddressThenRaisesOnClick)
{
    const OpenCase c = GetParam();
    label->SetURL(QString::fromUtf8(c.url));
    dialogs.openAnswers.push_back(false); // a failing handler is not reported
    label->OnClick = [this](QObject *) {
        events << QStringLiteral("click after %1").arg(dialogs.opened.size());
    };
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    if (c.opens)
        EXPECT_EQ(dialogs.opened, QStringList{QString::fromUtf8(c.url)});
    else
        EXPECT_TRUE(dialogs.opened.isEmpty());
    EXPECT_EQ(events, QStringList{c.opens ? "click after 1" : "click after 0"});
}

INSTANTIATE_TEST_SUITE_P(Addresses, URLOpenTest,
                         ::testing::Values(OpenCase{"http://example.org/", true},
                                           OpenCase{"  http://example.org/ ", true},
                                           OpenCase{"   ", false}, OpenCase{"", false}));

TEST_F(URLLabelTest, ReleaseOutsideDoesNotClick)
{
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, 3));
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(dialogs.opened.isEmpty());
}

TEST_F(URLLabelTest, AutoSizeFollowsTheCaption)
{
    const int before = label->width();
    label->SetCaption("A much longer caption for the link");
    EXPECT_GT(label->width(), before);
    // A font inherited from the parent resizes it too.
    auto *inheriting = new TvekURLLabel(form.get());
    inheriting->show();
    form->setFont(CrispFont(30));
    EXPECT_GE(inheriting->height(), 30);
    label->SetAutoSize(false);
    label->resize(20, 10);
    label->SetCaption("Short");
    EXPECT_EQ(label->size(), QSize(20, 10));
}

} // namespace

// Until it is given a colour of its own the label shows its parent's colour:
// on a skinned panel of E8E8E8 no lighter button-face box stands around it.
TEST(URLLabelColour, FollowsTheParentUntilGivenAColour)
{
    auto form = MakeHostForm();
    auto *frame = new TvekForm(form.get());
    frame->SetUIStyle(TvekUIStyle::DeepBlue);
    auto *label = new TvekURLLabel(frame);
    label->SetFont(CrispFont());
    label->SetAutoSize(false);
    label->setGeometry(40, 60, 120, 13);
    label->SetCaption("Home");
    label->show();
    QApplication::processEvents();

    EXPECT_TRUE(label->ParentColor());
    EXPECT_EQ(label->Color(), TColor(0x00E8E8E8));
    const QRect area = label->geometry();
    const QImage panel = Grab(frame);
    EXPECT_FALSE(HasPixel(panel, area, Rgb(0xEF, 0xEF, 0xEF)));
    EXPECT_EQ(PixelAt(panel, area.right() - 1, area.center().y()), Rgb(0xE8, 0xE8, 0xE8));

    label->SetColor(clWhite);
    QApplication::processEvents();
    EXPECT_FALSE(label->ParentColor());
    EXPECT_EQ(label->Color(), clWhite);
    EXPECT_EQ(PixelAt(Grab(frame), area.right() - 1, area.center().y()), Rgb(255, 255, 255));
}
