#pragma once

#include "commondialogs.h"
#include "conversionoptions.h"
#include "tform.h"
#include "vekdlg.h"

class QObject;
class TConvertRun;
class TLabel;
class TTextSizeSettings;
class TvekButton;
class TvekCheckBox;
class TvekForm;
class TvekListBox;
class TvekURLLabel;

// The main window: the list of texts, the page options and colours, and the
// buttons that convert, and reach help, About and the text-size dialog. The
// options are the controls' states; the page colours live in Label1. The
// text-size dialog is handed to it after both are created.
class TForm1 : public TForm
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    // The dialog behind the text-size button, which also holds the heading
    // and body options of every run; without one those keep their defaults.
    void SetTextSizeDialog(TTextSizeSettings *dialog);

    // Components, in the order the window declares them.
    TOpenDialog OpenDialog1;
    TvekMessageDialog *vekMessageDialog1 = nullptr;
    TColorDialog ColorDialog1;
    TvekForm *vekForm1 = nullptr;
    TLabel *Label1 = nullptr;
    TvekURLLabel *vekURLLabel1 = nullptr;
    TvekButton *vekButton1 = nullptr;
    TvekListBox *vekListBox1 = nullptr;
    TvekButton *vekButton2 = nullptr;
    TvekButton *vekButton3 = nullptr;
    TvekCheckBox *vekCheckBox1 = nullptr;
    TvekCheckBox *vekCheckBox2 = nullptr;
    TvekCheckBox *vekCheckBox3 = nullptr;
    TvekCheckBox *vekCheckBox4 = nullptr;
    TvekButton *vekButton4 = nullptr;
    TvekButton *vekButton5 = nullptr;
    TvekButton *vekButton6 = nullptr;
    TvekButton *vekButton7 = nullptr;
    TvekButton *vekButton8 = nullptr;
    TvekButton *vekButton9 = nullptr;

    // Handlers.
    void Button1Click(QObject *Sender);
    void vekButton3Click(QObject *Sender);
    void vekButton2Click(QObject *Sender);
    void vekCheckBox2Click(QObject *Sender);
    void vekButton6Click(QObject *Sender);
    void vekButton4Click(QObject *Sender);
    void vekButton5Click(QObject *Sender);
    void vekButton7Click(QObject *Sender);
    void vekButton8Click(QObject *Sender);
    void vekButton9Click(QObject *Sender);

    // The options of one run: this window's four check boxes and Label1, and
    // the five options of the text-size dialog.
    ConversionOptions ReadOptions() const;

    // Where the help button looks for "help.chm" and for the first of the
    // help's HTML pages.
    static QString HelpFilePath();
    static QString HelpPagePath();
    // The help file or page the help button opens; empty when the desktop
    // can open neither.
    static QString HelpToOpen();

protected:
    // Closing the window during a run cancels the run first.
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateWindow();
    void CreateFrame();
    void CreateButtons();
    void CreateCheckBoxes();
    void CreateListBox();
    void CreateLabels();
    void CreateDialogs();
    void SetTabOrder();
    void ShowMessage(const QString &text, TvekIconType iconType, const QString &caption);

    TTextSizeSettings *FTextSizeDialog = nullptr;
    TConvertRun *FRun = nullptr; // the batch run under way
    bool FCloseAfterRun = false;
};

// The main window, created first at start-up; the program's name for it,
// read by nothing else.
extern TForm1 *Form1;
