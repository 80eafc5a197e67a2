#include "apptestfixture.h"

#include "tlabel.h"
#include "vekbutton.h"
#include "vekcombobox.h"
#include "veklistbox.h"
#include "vekurllabel.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace {

QAccessibleInterface *Iface(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString Name(QObject *object)
{
    return Iface(object)->text(QAccessible::Name);
}

// What a label names, as its relations give it.
QList<QObject *> LabelledBy(QObject *label)
{
    QList<QObject *> controls;
    for (const auto &relation : Iface(label)->relations(QAccessible::Labelled))
        controls << relation.first->object();
    return controls;
}

} // namespace

using AccessibilityTest = AppTest;

TEST_F(AccessibilityTest, MainWindowAndItsControlsAreNamed)
{
    EXPECT_EQ(Iface(&form)->role(), QAccessible::Window);
    EXPECT_EQ(Name(&form), QStringLiteral("Quorvel Marlune v1.10"));
    EXPECT_EQ(Iface(form.vekListBox1)->role(), QAccessible::List);
    EXPECT_EQ(Name(form.vekListBox1), QStringLiteral("txt文件列表"));
    EXPECT_EQ(Iface(form.vekURLLabel1)->role(), QAccessible::Link);
    EXPECT_EQ(Name(form.vekURLLabel1), QStringLiteral("访问作者主页"));
    EXPECT_EQ(Iface(form.Label1)->role(), QAccessible::StaticText);
    EXPECT_EQ(Name(form.Label1), QStringLiteral("预览 Hello!"));
    EXPECT_EQ(Name(form.vekButton8), QStringLiteral("关于"));
    EXPECT_EQ(Iface(form.vekCheckBox1)->role(), QAccessible::CheckBox);
    EXPECT_TRUE(Iface(form.vekCheckBox1)->state().checked);
}

// The controls a label names, as the control's relations give them. (On
// Linux Qt names a combo box by its current text and finds its label here.)
QList<QObject *> LabelsOf(QObject *control)
{
    QList<QObject *> labels;
    for (const auto &relation : Iface(control)->relations(QAccessible::Label))
        labels << relation.first->object();
    return labels;
}

TEST_F(AccessibilityTest, SizeListsAreNamedAndLabelledByTheirCaptions)
{
    EXPECT_EQ(morefont.vekComboBox1->accessibleName(), QStringLiteral("请选择标题字号(1号最大)："));
    EXPECT_EQ(morefont.vekComboBox2->accessibleName(), QStringLiteral("请选择正文字号(1号最小)："));
    EXPECT_EQ(LabelsOf(morefont.vekComboBox1), QList<QObject *>{morefont.Label2});
    EXPECT_EQ(LabelsOf(morefont.vekComboBox2), QList<QObject *>{morefont.Label1});
    EXPECT_EQ(Iface(morefont.Label2)->role(), QAccessible::StaticText);
    EXPECT_EQ(Name(morefont.Label2), QStringLiteral("请选择标题字号(1号最大)："));
    EXPECT_EQ(LabelledBy(morefont.Label2), QList<QObject *>{morefont.vekComboBox1});
    EXPECT_EQ(LabelledBy(morefont.Label1), QList<QObject *>{morefont.vekComboBox2});
    EXPECT_TRUE(LabelledBy(morefont.Label3).isEmpty()) << "the preview names nothing";
    EXPECT_EQ(Name(&morefont), QStringLiteral("对文本大小进行详细设置"));
}
