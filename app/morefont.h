#pragma once

#include "commondialogs.h"
#include "conversionoptions.h"
#include "textsizesettings.h"
#include "tform.h"

class QObject;
class TLabel;
class TvekButton;
class TvekCheckBox;
class TvekComboBox;
class TvekForm;

// The heading and text-size dialog: whether the first line becomes a heading,
// its centring, size and colour, the body's text size, and two opt-in page
// options (declare the character set, escape markup characters). Its controls
// take effect at once; OK and the title bar's close button both just close it.
// The main window sees it only as its TTextSizeSettings.
class Tfm_morefont : public TForm, public TTextSizeSettings
{
    Q_OBJECT

public:
    explicit Tfm_morefont(QWidget *parent = nullptr);

    // Components, in the order the dialog declares them.
    TvekForm *vekForm1 = nullptr;
    TvekCheckBox *vekCheckBox1 = nullptr;
    TvekButton *vekButton2 = nullptr;
    TvekComboBox *vekComboBox1 = nullptr;
    TvekComboBox *vekComboBox2 = nullptr;
    TvekCheckBox *vekCheckBox2 = nullptr;
    TLabel *Label1 = nullptr;
    TLabel *Label2 = nullptr;
    TvekButton *vekButton1 = nullptr;
    TLabel *Label3 = nullptr;
    TColorDialog ColorDialog1;
    // The page options added below the original controls, unchecked at start.
    TvekCheckBox *vekCheckBox3 = nullptr; // declare the character set, decided per text
    TvekCheckBox *vekCheckBox4 = nullptr; // write < > & " as character references

    // Handlers.
    void vekButton2Click(QObject *Sender);
    void vekCheckBox1Click(QObject *Sender);
    void vekButton1Click(QObject *Sender);

    // TTextSizeSettings: the preview label's background, ShowModal, and the
    // seven options this dialog holds.
    void SetPreviewBackground(TColor color) override;
    void ShowDialog() override;
    void ReadOptions(ConversionOptions &options) const override;

private:
    void CreateWindow();
    void CreateFrame();
    void CreateCheckBoxes();
    void CreateLabels();
    void CreateComboBoxes();
    void CreateButtons();
    void CreatePageOptions();
    void SetTabOrder();
    void FillSizeLists();
};

// The text-size dialog, created hidden at start-up after the main window and
// handed to it; the program's name for it, read by nothing else.
extern Tfm_morefont *fm_morefont;
