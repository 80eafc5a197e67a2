#include "morefont.h"

#include "appcontrols.h"
#include "apptexts.h"
#include "dialogservices.h"
#include "tlabel.h"
#include "vekbutton.h"
#include "vekcombobox.h"
#include "vekform.h"

Tfm_morefont *fm_morefont = nullptr;

namespace {

const QString kCaption = QStringLiteral("对文本大小进行详细设置");
const QString kDeclareCharsetCaption = QStringLiteral("在网页中声明字符集（自动识别UTF-8/GBK）");
// "&&" shows one "&"; a single one would mark the space after it as the accelerator.
const QString kEscapeMarkupCaption = QStringLiteral("将 < > && 转换为网页实体");

} // namespace

Tfm_morefont::Tfm_morefont(QWidget *parent) : TForm(parent)
{
    CreateWindow();
    CreateFrame();
    CreateCheckBoxes();
    CreateLabels();
    CreateComboBoxes();
    CreateButtons();
    CreatePageOptions();
    SetTabOrder();
    FillSizeLists();
}

void Tfm_morefont::CreateWindow()
{
    setObjectName(QStringLiteral("fm_morefont"));
    SetUpWindow(this, {152, 127, 507, 343}, kCaption);
}

void Tfm_morefont::CreateFrame()
{
    vekForm1 = NewVekForm(this, {505, 342}, kCaption, 11, false);
}

void Tfm_morefont::CreateCheckBoxes()
{
    vekCheckBox1 = NewCheckBox(vekForm1, {48, 56, 249, 17},
                               QStringLiteral("使用文本文件的第一行作为网页正文标题"), true);
    vekCheckBox1->setObjectName(QStringLiteral("vekCheckBox1"));
    vekCheckBox1->OnClick = [this](QObject *sender) { vekCheckBox1Click(sender); };

    vekCheckBox2 = NewCheckBox(vekForm1, {104, 88, 89, 17}, QStringLiteral("标题居中"), true);
    vekCheckBox2->setObjectName(QStringLiteral("vekCheckBox2"));
}

void Tfm_morefont::CreateLabels()
{
    Label2 = NewLabel(vekForm1, {104, 117, 174, 13},
                      QStringLiteral("请选择标题字号(1号最大)：          "));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = NewLabel(vekForm1, {296, 168, 131, 15}, QStringLiteral("  预览 Hello!  "));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->SetColor(clWhite);
    Label3->setFont(PixelFont(QStringLiteral("宋体"), 15, true));
    Label3->SetFontColor(clBlack);
    Label1 =
        NewLabel(vekForm1, {64, 224, 162, 13}, QStringLiteral("请选择正文字号(1号最小)：      "));
    Label1->setObjectName(QStringLiteral("Label1"));
}

void Tfm_morefont::CreateComboBoxes()
{
    const QRect bounds[] = {{272, 112, 49, 21}, {240, 216, 57, 21}};
    TvekComboBox **fields[] = {&vekComboBox1, &vekComboBox2};
    for (int i = 0; i < 2; ++i) {
        auto *comboBox = new TvekComboBox(vekForm1);
        *fields[i] = comboBox;
        comboBox->setObjectName(QStringLiteral("vekComboBox%1").arg(i + 1));
        comboBox->setGeometry(bounds[i]);
        comboBox->SetStyle(TComboBoxStyle::csDropDownList);
        comboBox->SetUIStyle(TvekUIStyle::DeepBlue);
        comboBox->SetBorderColor(clBlack);
        comboBox->SetArrowColor(clBlack);
        comboBox->SetButtonColor(kFrameColor);
    }
    // Each size list is named by the label in front of it.
    Label2->setBuddy(vekComboBox1);
    vekComboBox1->setAccessibleName(Label2->Caption().trimmed());
    Label1->setBuddy(vekComboBox2);
    vekComboBox2->setAccessibleName(Label1->Caption().trimmed());
}

void Tfm_morefont::CreateButtons()
{
    vekButton1 = NewButton(vekForm1, {104, 160, 161, 27}, QStringLiteral("请选择标题文字颜色"));
    vekButton1->setObjectName(QStringLiteral("vekButton1"));
    vekButton1->OnClick = [this](QObject *sender) { vekButton1Click(sender); };

    vekButton2 = NewButton(vekForm1, {136, 288, 153, 27}, QStringLiteral("确定"));
    vekButton2->setObjectName(QStringLiteral("vekButton2"));
    vekButton2->OnClick = [this](QObject *sender) { vekButton2Click(sender); };
}

// In the free band between the body size and OK, aligned with the heading
// check box. Off, every page is what the original options make of it.
void Tfm_morefont::CreatePageOptions()
{
    vekCheckBox3 = NewCheckBox(vekForm1, {48, 245, 265, 17}, kDeclareCharsetCaption, false);
    vekCheckBox3->setObjectName(QStringLiteral("vekCheckBox3"));
    vekCheckBox4 = NewCheckBox(vekForm1, {48, 265, 161, 17}, kEscapeMarkupCaption, false);
    vekCheckBox4->setObjectName(QStringLiteral("vekCheckBox4"));
    vekCheckBox4->setAccessibleName(QStringLiteral("将 < > & 转换为网页实体"));
}

// The original controls keep their order; the page options follow them.
void Tfm_morefont::SetTabOrder()
{
    const QList<QWidget *> order = {vekCheckBox1, vekButton2, vekComboBox1, vekComboBox2,
                                    vekCheckBox2, vekButton1, vekCheckBox3, vekCheckBox4};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Heading sizes 1 to 6 with "2" chosen, body sizes 1 to 7 with "4" chosen.
void Tfm_morefont::FillSizeLists()
{
    vekComboBox1->addItems({"1", "2", "3", "4", "5", "6"});
    vekComboBox1->setCurrentIndex(1);
    vekComboBox2->addItems({"1", "2", "3", "4", "5", "6", "7"});
    vekComboBox2->setCurrentIndex(3);
}

void Tfm_morefont::SetPreviewBackground(TColor color)
{
    Label3->SetColor(color);
}

void Tfm_morefont::ShowDialog()
{
    ShowModal();
}

void Tfm_morefont::ReadOptions(ConversionOptions &options) const
{
    options.HeadingFromFirstLine = vekCheckBox1->Checked();
    options.CenterHeading = vekCheckBox2->Checked();
    options.HeadingSize = vekComboBox1->currentText().toStdString();
    options.BodySize = vekComboBox2->currentText().toStdString();
    options.HeadingColor = Label3->FontColor();
    options.Charset = vekCheckBox3->Checked() ? kAutoCharset : "";
    options.Escape = vekCheckBox4->Checked();
}

void Tfm_morefont::vekButton2Click(QObject *)
{
    Close();
}

// Without a heading there is nothing to centre, size or colour; the body
// size stays open.
void Tfm_morefont::vekCheckBox1Click(QObject *)
{
    const bool heading = vekCheckBox1->Checked();
    vekCheckBox2->SetChecked(heading);
    for (QWidget *control :
         {static_cast<QWidget *>(Label2), static_cast<QWidget *>(vekCheckBox2),
          static_cast<QWidget *>(vekComboBox1), static_cast<QWidget *>(vekButton1)})
        control->setEnabled(heading);
}

void Tfm_morefont::vekButton1Click(QObject *)
{
    if (ColorDialog1.Execute(this))
        Label3->SetFontColor(ColorDialog1.Color);
    else
        DialogServices().MessageBox(kCannotOpenColorDialog, kErrorCaption);
}
