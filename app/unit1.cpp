#include "unit1.h"

#include "appcontrols.h"
#include "appicon.h"
#include "apptexts.h"
#include "batchrun.h"
#include "convertrun.h"
#include "desktophandlers.h"
#include "dialogservices.h"
#include "filedrop.h"
#include "listboxitems.h"
#include "messagedialogsink.h"
#include "textsizesettings.h"
#include "tlabel.h"
#include "vekbutton.h"
#include "vekdlg.h"
#include "vekform.h"
#include "veklistbox.h"
#include "vekurllabel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

TForm1 *Form1 = nullptr;

namespace {

const QString kCaption = QStringLiteral("Quorvel Marlune v1.10");
const char kMultiSelectHint[] = "按住Ctrl即可多选";

// The MIME types a CHM help file goes by, and that of the HTML help pages.
const QStringList kChmTypes = {QStringLiteral("application/vnd.ms-htmlhelp"),
                               QStringLiteral("application/x-chm")};
const QStringList kHtmlTypes = {QStringLiteral("text/html")};

// Whether the desktop has an application for these types; when it cannot be
// asked, opening is tried.
bool DesktopOpens(const QStringList &mimeTypes, bool whenUnknown)
{
    const std::optional<QString> handler = DefaultDesktopHandler(mimeTypes);
    return handler ? !handler->isEmpty() : whenUnknown;
}

// The path of a help file beside the executable or, once installed, in the
// program's data folder; the first when neither exists.
QString ProgramDataFile(const QString &name)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        programFolder.filePath(QStringLiteral("../share/quorvel-marlune/") + name);
    return QFileInfo::exists(installed) ? QDir::cleanPath(installed) : beside;
}

const QString kHomePage = QStringLiteral("https://quorvel-marlune.example.org/");

// One push button of the window: where it stands, what it says and does.
struct TButtonRow
{
    const char *Name;
    TvekButton *TForm1::*Field;
    QRect Bounds;
    const char *Caption;
    const char *Hint; // shown on hover; null for none
    void (TForm1::*Handler)(QObject *);
};

const TButtonRow kButtons[] = {
    {"vekButton1",
     &TForm1::vekButton1,
     {58, 168, 80, 27},
     "选取txt文件",
     kMultiSelectHint,
     &TForm1::Button1Click},
    {"vekButton2",
     &TForm1::vekButton2,
     {303, 168, 89, 27},
     "转换为htm文件",
     "转换时将覆盖原有的同名htm文件",
     &TForm1::vekButton2Click},
    {"vekButton3",
     &TForm1::vekButton3,
     {181, 168, 80, 27},
     "删除选定",
     kMultiSelectHint,
     &TForm1::vekButton3Click},
    {"vekButton4",
     &TForm1::vekButton4,
     {453, 169, 153, 27},
     "请选择htm文件中文本颜色",
     nullptr,
     &TForm1::vekButton4Click},
    {"vekButton5",
     &TForm1::vekButton5,
     {520, 239, 153, 27},
     "请选择htm文件中背景颜色",
     nullptr,
     &TForm1::vekButton5Click},
    {"vekButton6",
     &TForm1::vekButton6,
     {320, 288, 89, 27},
     "帮助",
     nullptr,
     &TForm1::vekButton6Click},
    {"vekButton7",
     &TForm1::vekButton7,
     {519, 288, 80, 27},
     "退出",
     nullptr,
     &TForm1::vekButton7Click},
    {"vekButton8",
     &TForm1::vekButton8,
     {424, 288, 80, 27},
     "关于",
     nullptr,
     &TForm1::vekButton8Click},
    {"vekButton9",
     &TForm1::vekButton9,
     {305, 224, 152, 27},
     "对文本大小进行详细设置",
     nullptr,
     &TForm1::vekButton9Click},
};

// One check box of the window.
struct TCheckBoxRow
{
    const char *Name;
    TvekCheckBox *TForm1::*Field;
    QRect Bounds;
    const char *Caption;
    bool Checked;
};

const TCheckBoxRow kCheckBoxes[] = {
    {"vekCheckBox1",
     &TForm1::vekCheckBox1,
     {62, 208, 233, 15},
     "使用第一行文字作为htm文件的标题栏",
     true},
    {"vekCheckBox2", &TForm1::vekCheckBox2, {62, 261, 137, 17}, "不添加任何html标记", false},
    {"vekCheckBox3",
     &TForm1::vekCheckBox3,
     {62, 288, 217, 17},
     "删除首字以前的空格、换行及制表符",
     false},
    {"vekCheckBox4", &TForm1::vekCheckBox4, {62, 234, 137, 17}, "尽可能保留原有的格式", false},
};

} // namespace

TForm1::TForm1(QWidget *parent) : TForm(parent)
{
    CreateWindow();
    CreateFrame();
    CreateLabels();
    CreateButtons();
    CreateListBox();
    CreateCheckBoxes();
    CreateDialogs();
    SetTabOrder();
}

// The window as designed: its size comes from the frame panel below.
void TForm1::CreateWindow()
{
    setObjectName(QStringLiteral("Form1"));
    SetUpWindow(this, {43, 109, 720, 328}, kCaption);
    setWindowIcon(ProgramWindowIcon());
}

void TForm1::CreateFrame()
{
    vekForm1 = NewVekForm(this, {718, 327}, kCaption, 12, true);
}

void TForm1::CreateLabels()
{
    Label1 = NewLabel(vekForm1, {483, 212, 89, 13}, QStringLiteral(" 预览 Hello! "));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->SetColor(clWhite);
    Label1->setFont(PixelFont(QStringLiteral("宋体"), 13));
    Label1->SetFontColor(clBlack);

    vekURLLabel1 = new TvekURLLabel(vekForm1);
    vekURLLabel1->setObjectName(QStringLiteral("vekURLLabel1"));
    // Sized as designed rather than to the caption in whichever font stands in.
    vekURLLabel1->SetAutoSize(false);
    vekURLLabel1->setGeometry(608, 296, 84, 13);
    vekURLLabel1->SetCaption(QStringLiteral("访问作者主页    "));
    vekURLLabel1->SetURL(kHomePage);
    vekURLLabel1->SetFontHoverColor(clRed);
    vekURLLabel1->SetLinkColor(clBlue);
    QFont linkFont = WindowFont();
    linkFont.setUnderline(true);
    vekURLLabel1->SetFont(linkFont);
    vekURLLabel1->SetFontColor(clBlue);
    vekURLLabel1->SetCursor(crHandPoint);
}

void TForm1::CreateButtons()
{
    for (const TButtonRow &row : kButtons) {
        auto *button = NewButton(vekForm1, row.Bounds, QString::fromUtf8(row.Caption));
        this->*row.Field = button;
        button->setObjectName(QString::fromLatin1(row.Name));
        if (row.Hint)
            button->setToolTip(QString::fromUtf8(row.Hint));
        button->OnClick = [this, handler = row.Handler](QObject *sender) {
            (this->*handler)(sender);
        };
    }
}

void TForm1::CreateListBox()
{
    vekListBox1 = new TvekListBox(vekForm1);
    vekListBox1->setObjectName(QStringLiteral("vekListBox1"));
    vekListBox1->setGeometry(22, 44, 674, 109);
    vekListBox1->SetBorderColor(clBlack);
    vekListBox1->SetColumns(1);
    vekListBox1->SetItemHeight(13);
    vekListBox1->SetMultiSelect(true);
    vekListBox1->setAccessibleName(QStringLiteral("txt文件列表"));
    // Files and folders dropped from the desktop join the list at its end.
    new TFileDropHandler(vekListBox1);
}

void TForm1::CreateCheckBoxes()
{
    for (const TCheckBoxRow &row : kCheckBoxes) {
        auto *checkBox =
            NewCheckBox(vekForm1, row.Bounds, QString::fromUtf8(row.Caption), row.Checked);
        this->*row.Field = checkBox;
        checkBox->setObjectName(QString::fromLatin1(row.Name));
    }
    vekCheckBox2->OnClick = [this](QObject *sender) { vekCheckBox2Click(sender); };
}

void TForm1::CreateDialogs()
{
    OpenDialog1.FileName = QStringLiteral("*.txt");
    OpenDialog1.Filter = QStringLiteral("纯文本文件|.txt");

    vekMessageDialog1 = new TvekMessageDialog(this);
    vekMessageDialog1->setObjectName(QStringLiteral("vekMessageDialog1"));
    vekMessageDialog1->SetPosition(TPosition::poScreenCenter);
    vekMessageDialog1->SetCaption(kMessageDialogCaption);
    vekMessageDialog1->SetUIStyle(TvekUIStyle::DeepBlue);
    vekMessageDialog1->SetFont(WindowFont());
    vekMessageDialog1->SetButtonCount(1);
    vekMessageDialog1->SetIconType(TvekIconType::vekInformation);
    vekMessageDialog1->SetText(kMessageDialogText);
}

void TForm1::SetTextSizeDialog(TTextSizeSettings *dialog)
{
    FTextSizeDialog = dialog;
}

void TForm1::SetTabOrder()
{
    const QList<QWidget *> order = {
        vekButton1,   vekListBox1, vekButton2, vekButton3, vekCheckBox1, vekCheckBox2, vekCheckBox3,
        vekCheckBox4, vekButton4,  vekButton5, vekButton6, vekButton7,   vekButton8,   vekButton9};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm1::ShowMessage(const QString &text, TvekIconType iconType, const QString &caption)
{
    vekMessageDialog1->SetText(text);
    vekMessageDialog1->SetIconType(iconType);
    vekMessageDialog1->SetCaption(caption);
    vekMessageDialog1->ShowModal();
}

// Adds the chosen texts in the dialog's order; the same text may come twice.
void TForm1::Button1Click(QObject *)
{
    OpenDialog1.FileName = QStringLiteral("*.txt");
    if (!OpenDialog1.Execute(this)) {
        DialogServices().MessageBox(kCannotOpenFile, kErrorCaption);
        return;
    }
    vekListBox1->addItems(OpenDialog1.Files);
}

// Removes the selected items from the last to the first, so the indexes of
// those still to go stay valid.
void TForm1::vekButton3Click(QObject *)
{
    bool removed = false;
    for (int i = vekListBox1->count() - 1; i >= 0; --i) {
        if (vekListBox1->item(i)->isSelected()) {
            delete vekListBox1->takeItem(i);
            removed = true;
        }
    }
    if (!removed)
        ShowMessage(kSelectFilesToDelete, TvekIconType::vekWarning, kWarningCaption);
}

// The run goes on another thread while this window stays alive; it returns
// when the run has ended.
void TForm1::vekButton2Click(QObject *)
{
    TListBoxItems items(*vekListBox1);
    TMessageDialogSink sink(*vekMessageDialog1);
    TConvertRun run(this, sink);
    FRun = &run;
    run.Run(items, ReadOptions());
    FRun = nullptr;
    if (FCloseAfterRun)
        Close();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (FRun && FRun->Running()) {
        FCloseAfterRun = true;
        FRun->Cancel(true);
        event->ignore();
        return;
    }
    TForm::closeEvent(event);
}

ConversionOptions TForm1::ReadOptions() const
{
    ConversionOptions options;
    options.TitleFromFirstLine = vekCheckBox1->Checked();
    options.NoMarkup = vekCheckBox2->Checked();
    options.StripLeadingSpace = vekCheckBox3->Checked();
    options.KeepFormat = vekCheckBox4->Checked();
    options.PageColor = Label1->Color();
    options.TextColor = Label1->FontColor();
    if (FTextSizeDialog)
        FTextSizeDialog->ReadOptions(options);
    return options;
}

// Without markup there is no title, layout, colour or size to choose.
void TForm1::vekCheckBox2Click(QObject *)
{
    const bool noMarkup = vekCheckBox2->Checked();
    if (noMarkup)
        vekCheckBox4->SetChecked(false);
    vekCheckBox1->SetChecked(!noMarkup);
    for (QWidget *control :
         {static_cast<QWidget *>(vekCheckBox1), static_cast<QWidget *>(vekCheckBox4),
          static_cast<QWidget *>(vekButton4), static_cast<QWidget *>(vekButton5),
          static_cast<QWidget *>(vekButton9)})
        control->setEnabled(!noMarkup);
}

QString TForm1::HelpFilePath()
{
    return ProgramDataFile(QStringLiteral("help.chm"));
}

QString TForm1::HelpPagePath()
{
    return ProgramDataFile(QStringLiteral("help/index.htm"));
}

// What the help button hands to the desktop: "help.chm" where the desktop has
// a CHM viewer, otherwise the HTML pages for the browser; nothing when neither
// can be opened.
QString TForm1::HelpToOpen()
{
    const QString chm = HelpFilePath();
    if (QFileInfo::exists(chm) && DesktopOpens(kChmTypes, false))
        return chm;
    const QString page = HelpPagePath();
    if (QFileInfo::exists(page) && DesktopOpens(kHtmlTypes, true))
        return page;
    return QString();
}

// When nothing opens the help, the plain box says where its pages are.
void TForm1::vekButton6Click(QObject *)
{
    const QString help = HelpToOpen();
    if (!help.isEmpty() && DialogServices().OpenWithDesktop(help))
        return;
    const QString page = HelpPagePath();
    const QString shown = QFileInfo::exists(page) ? page : HelpFilePath();
    DialogServices().MessageBox(kCannotOpenHelp + QLatin1Char('\n') + shown, kErrorCaption);
}

void TForm1::vekButton4Click(QObject *)
{
    if (ColorDialog1.Execute(this))
        Label1->SetFontColor(ColorDialog1.Color);
    else
        DialogServices().MessageBox(kCannotOpenColorDialog, kErrorCaption);
}

void TForm1::vekButton5Click(QObject *)
{
    if (ColorDialog1.Execute(this))
        Label1->SetColor(ColorDialog1.Color);
    else
        DialogServices().MessageBox(kCannotOpenColorDialog, kErrorCaption);
}

void TForm1::vekButton7Click(QObject *)
{
    Close();
}

void TForm1::vekButton8Click(QObject *)
{
    ShowMessage(kAboutText, TvekIconType::vekInformation, kAboutCaption);
}

// The dialog's preview shows the heading colour on the page's background.
void TForm1::vekButton9Click(QObject *)
{
    if (!FTextSizeDialog)
        return;
    FTextSizeDialog->SetPreviewBackground(Label1->Color());
    FTextSizeDialog->ShowDialog();
}
