#include "apptestfixture.h"

#include "tlabel.h"
#include "vekbutton.h"
#include "vekform.h"
#include "vektitlebar.h"

#include <QFontMetrics>
#include <QImage>

namespace {

// A control as the window's design places it, relative to the frame panel.
struct ControlRow
{
    const char *name;
    QRect bounds;
    const char *caption; // null: no caption to check
    const char *hint;    // null: no hint
};

const ControlRow kMainControls[] = {
    {"Label1", {483, 212, 89, 13}, " 预览 Hello! ", nullptr},
    {"vekURLLabel1", {608, 296, 84, 13}, "访问作者主页    ", nullptr},
    {"vekButton1", {58, 168, 80, 27}, "选取txt文件", "按住Ctrl即可多选"},
    {"vekListBox1", {22, 44, 674, 109}, nullptr, nullptr},
    {"vekButton2", {303, 168, 89, 27}, "转换为htm文件", "转换时将覆盖原有的同名htm文件"},
    {"vekButton3", {181, 168, 80, 27}, "删除选定", "按住Ctrl即可多选"},
    {"vekCheckBox1", {62, 208, 233, 15}, "使用第一行文字作为htm文件的标题栏", nullptr},
    {"vekCheckBox2", {62, 261, 137, 17}, "不添加任何html标记", nullptr},
    {"vekCheckBox3", {62, 288, 217, 17}, "删除首字以前的空格、换行及制表符", nullptr},
    {"vekCheckBox4", {62, 234, 137, 17}, "尽可能保留原有的格式", nullptr},
    {"vekButton4", {453, 169, 153, 27}, "请选择htm文件中文本颜色", nullptr},
    {"vekButton5", {520, 239, 153, 27}, "请选择htm文件中背景颜色", nullptr},
    {"vekButton6", {320, 288, 89, 27}, "帮助", nullptr},
    {"vekButton7", {519, 288, 80, 27}, "退出", nullptr},
    {"vekButton8", {424, 288, 80, 27}, "关于", nullptr},
    {"vekButton9", {305, 224, 152, 27}, "对文本大小进行详细设置", nullptr},
};

const ControlRow kDialogControls[] = {
    {"vekCheckBox1", {48, 56, 249, 17}, "使用文本文件的第一行作为网页正文标题", nullptr},
    {"vekCheckBox2", {104, 88, 89, 17}, "标题居中", nullptr},
    {"Label2", {104, 117, 174, 13}, "请选择标题字号(1号最大)：          ", nullptr},
    {"vekComboBox1", {272, 112, 49, 21}, nullptr, nullptr},
    {"vekButton1", {104, 160, 161, 27}, "请选择标题文字颜色", nullptr},
    {"Label3", {296, 168, 131, 15}, "  预览 Hello!  ", nullptr},
    {"Label1", {64, 224, 162, 13}, "请选择正文字号(1号最小)：      ", nullptr},
    {"vekComboBox2", {240, 216, 57, 21}, nullptr, nullptr},
    {"vekButton2", {136, 288, 153, 27}, "确定", nullptr},
};

// The two page options added below the original controls.
const ControlRow kDialogPageOptions[] = {
    {"vekCheckBox3", {48, 245, 265, 17}, "在网页中声明字符集（自动识别UTF-8/GBK）", nullptr},
    {"vekCheckBox4", {48, 265, 161, 17}, "将 < > && 转换为网页实体", nullptr},
};

void CheckControls(TvekForm *panel, const ControlRow *begin, const ControlRow *end)
{
    for (const ControlRow *row = begin; row != end; ++row) {
        SCOPED_TRACE(row->name);
        auto *control =
            panel->findChild<QWidget *>(QString::fromLatin1(row->name), Qt::FindDirectChildrenOnly);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), row->bounds);
        EXPECT_TRUE(control->isVisibleTo(panel->window()));
        if (row->caption) {
            EXPECT_EQ(control->property("Caption").toString(), QString::fromUtf8(row->caption));
        }
        EXPECT_EQ(control->toolTip(), row->hint ? QString::fromUtf8(row->hint) : QString());
    }
}

// The window's controls in the order Tab visits them, starting at the first.
QStringList TabOrder(QWidget *first, int count)
{
    QStringList names;
    QWidget *w = first;
    while (names.size() < count) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->parentWidget() == first->parentWidget())
            names << w->objectName();
        w = w->nextInFocusChain();
        if (w == first)
            break;
    }
    return names;
}

QRgb Pixel(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

const QRgb kPanel = 0xE8E8E8;

} // namespace

using LayoutTest = AppTest;

TEST_F(LayoutTest, MainWindowAndFrameHaveTheirDesignedSizes)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quorvel Marlune v1.10"));
    EXPECT_EQ(form.size(), QSize(720, 328));
    EXPECT_EQ(form.pos(), QPoint(43, 109));
    EXPECT_EQ(form.minimumWidth(), 130);
    EXPECT_EQ(form.vekForm1->geometry(), QRect(1, 0, 718, 327));
    EXPECT_EQ(form.vekForm1->Caption(), QStringLiteral("Quorvel Marlune v1.10"));
    EXPECT_EQ(form.vekForm1->Color(), TColor(0x00E8E8E8));
    EXPECT_EQ(form.vekForm1->UIStyle(), TvekUIStyle::DeepBlue);

    const TvekTitleBarButtons *buttons = form.vekForm1->TitleBarButtons();
    ASSERT_EQ(buttons->Count(), 3);
    EXPECT_EQ(buttons->Items(0)->ButtonType(), TvekTitleBarBtnType::vekControlBox);
    EXPECT_EQ(buttons->Items(1)->ButtonType(), TvekTitleBarBtnType::vekClose);
    EXPECT_EQ(buttons->Items(2)->ButtonType(), TvekTitleBarBtnType::vekMin);

    const QFont title = form.vekForm1->Font();
    EXPECT_EQ(title.family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(title.pixelSize(), 12);
    EXPECT_TRUE(title.bold());
    EXPECT_EQ(form.vekForm1->FontColor(), clWhite);
}

TEST_F(LayoutTest, MainWindowControlsStandWhereDesigned)
{
    CheckControls(form.vekForm1, std::begin(kMainControls), std::end(kMainControls));

    EXPECT_EQ(form.font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_EQ(form.vekButton1->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(form.Label1->font().family(), QStringLiteral("宋体"));
    EXPECT_EQ(form.Label1->font().pixelSize(), 13);
    EXPECT_EQ(form.Label1->Color(), clWhite);
    EXPECT_EQ(form.Label1->FontColor(), clBlack);
    EXPECT_TRUE(form.vekCheckBox1->Checked());
}

TEST_F(LayoutTest, MainWindowTabOrder)
{
    EXPECT_EQ(TabOrder(form.vekButton1, 14),
              (QStringList{"vekButton1", "vekListBox1", "vekButton2", "vekButton3", "vekCheckBox1",
                           "vekCheckBox2", "vekCheckBox3", "vekCheckBox4", "vekButton4",
                           "vekButton5", "vekButton6", "vekButton7", "vekButton8", "vekButton9"}));
}

TEST_F(LayoutTest, DialogAndItsControlsHaveTheirDesignedSizes)
{
    EXPECT_EQ(morefont.windowTitle(), QStringLiteral("对文本大小进行详细设置"));
    EXPECT_EQ(morefont.size(), QSize(507, 343));
    EXPECT_EQ(morefont.pos(), QPoint(152, 127));
    EXPECT_EQ(morefont.minimumWidth(), 130);
    EXPECT_EQ(morefont.vekForm1->geometry(), QRect(1, 0, 505, 342));
    EXPECT_FALSE(morefont.isVisible());

    const TvekTitleBarButtons *buttons = morefont.vekForm1->TitleBarButtons();
    ASSERT_EQ(buttons->Count(), 2);
    EXPECT_EQ(buttons->Items(0)->ButtonType(), TvekTitleBarBtnType::vekControlBox);
    EXPECT_EQ(buttons->Items(1)->ButtonType(), TvekTitleBarBtnType::vekClose);
    EXPECT_EQ(morefont.vekForm1->Font().pixelSize(), 11);

    CheckControls(morefont.vekForm1, std::begin(kDialogControls), std::end(kDialogControls));
    EXPECT_EQ(morefont.Label3->font().pixelSize(), 15);
    EXPECT_TRUE(morefont.Label3->font().bold());
    EXPECT_EQ(TabOrder(morefont.vekCheckBox1, 6),
              (QStringList{"vekCheckBox1", "vekButton2", "vekComboBox1", "vekComboBox2",
                           "vekCheckBox2", "vekButton1"}));
}

// The page options sit in the panel below the title bar, clear of every other
// control, show their whole caption in the window's font, and come last in
// the tab order.
TEST_F(LayoutTest, DialogPageOptionsFillTheFreeBandAndComeLastInTheTabOrder)
{
    TvekForm *panel = morefont.vekForm1;
    CheckControls(panel, std::begin(kDialogPageOptions), std::end(kDialogPageOptions));
    const QRect client(0, panel->TitleBar()->geometry().bottom() + 1, panel->width(),
                       panel->height() - panel->TitleBar()->height());
    const QList<QWidget *> others = panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (TvekCheckBox *box : {morefont.vekCheckBox3, morefont.vekCheckBox4}) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_TRUE(client.contains(box->geometry()));
        for (QWidget *other : others) {
            if (other == box)
                continue;
            EXPECT_FALSE(box->geometry().intersects(other->geometry()))
                << other->objectName().toStdString();
        }
        EXPECT_EQ(box->font(), morefont.vekCheckBox1->font());
        EXPECT_EQ(box->font().family(), QStringLiteral("MS Sans Serif"));
        const int captionEnd =
            box->GetPicWidth() + 4 + QFontMetrics(box->font()).horizontalAdvance(box->Caption());
        EXPECT_LE(captionEnd, box->width());
        EXPECT_EQ(box->UIStyle(), TvekUIStyle::DeepBlue);
        EXPECT_FALSE(box->AutoSize());
        EXPECT_FALSE(box->Transparent());
        EXPECT_TRUE(box->TabStop());
        EXPECT_FALSE(box->Checked());
        EXPECT_TRUE(box->isEnabled());
    }
    // The ampersand is shown as itself: it marks no accelerator, and the
    // accessible name reads as the caption looks.
    EXPECT_FALSE(TvekCustomButton::DispatchDialogChar(&morefont, QLatin1Char(' ')));
    EXPECT_FALSE(morefont.vekCheckBox4->Checked());
    EXPECT_EQ(morefont.vekCheckBox4->accessibleName(), QStringLiteral("将 < > & 转换为网页实体"));
    EXPECT_EQ(TabOrder(morefont.vekCheckBox1, 8),
              (QStringList{"vekCheckBox1", "vekButton2", "vekComboBox1", "vekComboBox2",
                           "vekCheckBox2", "vekButton1", "vekCheckBox3", "vekCheckBox4"}));
}

// The frame: a 32-pixel title bar across the top, a black one-pixel border
// at the left, right and bottom, the panel's colour inside.
TEST_F(LayoutTest, MainWindowFramePixels)
{
    form.show();
    const QImage image = form.grab().toImage();
    ASSERT_EQ(image.size(), QSize(720, 328));

    EXPECT_EQ(form.vekForm1->TitleBar()->geometry(), QRect(0, 0, 718, 32));
    for (int y : {40, 200, 320}) {
        EXPECT_EQ(Pixel(image, 0, y), 0u) << y;
        EXPECT_EQ(Pixel(image, 719, y), 0u) << y;
        EXPECT_EQ(Pixel(image, 1, y), kPanel) << y;
        EXPECT_EQ(Pixel(image, 718, y), kPanel) << y;
    }
    for (int x : {0, 5, 360, 719})
        EXPECT_EQ(Pixel(image, x, 327), 0u) << x;
    EXPECT_EQ(Pixel(image, 360, 326), kPanel);
    // The title bar ends with row 31; the panel starts at row 32.
    EXPECT_NE(Pixel(image, 360, 31), kPanel);
    EXPECT_NE(Pixel(image, 360, 16), kPanel);
    EXPECT_EQ(Pixel(image, 360, 32), kPanel);
    EXPECT_EQ(Pixel(image, 10, 200), kPanel);
}
