// Every skinned button kind in every style and state.
//   buttondemo              live buttons of every kind and style, for a try by hand
//   buttondemo --grab FILE  a sheet of every kind, style and state saved as FILE
//                           (tools run it under Xvfb); hover and pressed looks are
//                           set through the buttons' own state flags

#include "tapplication.h"
#include "tform.h"
#include "vekbutton.h"
#include "vekthemes.h"
#include "vekurllabel.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

const std::vector<std::pair<TvekUIStyle, QString>> Styles = {
    {TvekUIStyle::MacOS, QStringLiteral("MacOS")},
    {TvekUIStyle::WinXP, QStringLiteral("WinXP")},
    {TvekUIStyle::DeepBlue, QStringLiteral("DeepBlue")},
    {TvekUIStyle::Protein, QStringLiteral("Protein")},
    {TvekUIStyle::BlueGlass, QStringLiteral("BlueGlass")},
};

// One look of a control: how to put it in that look.
struct Look
{
    QString name;
    bool hover = false;
    bool pressed = false;
    bool disabled = false;
    bool focused = false;
    bool checked = false;
};

QFont DesignFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

// A small glyph: a green disc on the fuchsia mask colour.
QImage SampleGlyph()
{
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(QColor(255, 0, 255));
    QPainter p(&glyph);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 150, 60));
    p.drawEllipse(2, 2, 12, 12);
    return glyph;
}

void ApplyLook(TvekCustomButton *button, const Look &look)
{
    TvekButtonLook::Show(button, look.hover || look.pressed, look.pressed);
    button->SetEnabled(!look.disabled);
    if (look.focused)
        button->setFocus();
}

// The host on which each cell is made, shown so that focus marks appear.
class Sheet
{
public:
    Sheet()
    {
        FHost.resize(260, 80);
        FHost.setFont(DesignFont());
        FHost.setAutoFillBackground(true);
        FHost.show();
        FHost.activateWindow();
        Settle();
    }

    // A control made by make, in the look, on the style's form colour.
    QImage Cell(TvekUIStyle style, const std::function<QWidget *(QWidget *)> &make)
    {
        QPalette pal = FHost.palette();
        pal.setColor(QPalette::Window, ToQColor(GetThemeColor(style, TvekThemeElement::FormColor)));
        FHost.setPalette(pal);
        QWidget *control = make(&FHost);
        control->move(6, 6);
        control->show();
        Settle();
        const QRect area = control->geometry().adjusted(-6, -6, 6, 6);
        const QImage image = FHost.grab(area).toImage();
        delete control;
        return image;
    }

private:
    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }

    TForm FHost;
};

// Lays out titled rows of cells under column headings into one image.
class SheetImage
{
public:
    void Section(const QString &title, const QStringList &columns)
    {
        FRows.push_back({title, {}, true, columns});
    }
    void Row(const QString &title, std::vector<QImage> cells)
    {
        FRows.push_back({title, std::move(cells), false, {}});
    }

    QImage Render() const
    {
        const int labelWidth = 112, gap = 8;
        int columnWidth = 0;
        for (const RowData &row : FRows)
            for (const QImage &cell : row.cells)
                columnWidth = std::max(columnWidth, cell.width());
        columnWidth += gap;
        int width = labelWidth, height = gap;
        for (const RowData &row : FRows) {
            width = std::max(
                width, labelWidth + int(std::max<size_t>(row.cells.size(), row.columns.size())) *
                                        columnWidth);
            height += RowHeight(row) + gap;
        }
        QImage sheet(width + gap, height, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter p(&sheet);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        int y = gap;
        for (const RowData &row : FRows) {
            const int h = RowHeight(row);
            font.setBold(row.heading);
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(QRect(gap, y, labelWidth, h), Qt::AlignLeft | Qt::AlignVCenter, row.title);
            for (int i = 0; i < row.columns.size(); ++i)
                p.drawText(QRect(labelWidth + i * columnWidth, y, columnWidth, h),
                           Qt::AlignLeft | Qt::AlignBottom, row.columns[i]);
            for (size_t i = 0; i < row.cells.size(); ++i)
                p.drawImage(labelWidth + int(i) * columnWidth, y, row.cells[i]);
            y += h + gap;
        }
        return sheet;
    }

private:
    struct RowData
    {
        QString title;
        std::vector<QImage> cells;
        bool heading;
        QStringList columns;
    };
    static int RowHeight(const RowData &row)
    {
        int h = row.heading ? 26 : 0;
        for (const QImage &cell : row.cells)
            h = std::max(h, cell.height());
        return h;
    }

    std::vector<RowData> FRows;
};

QStringList Names(const std::vector<Look> &looks)
{
    QStringList names;
    for (const Look &look : looks)
        names << look.name;
    return names;
}

void PushButtons(Sheet &sheet, SheetImage &image)
{
    const std::vector<Look> looks = {{"normal"},
                                     {"hover", true},
                                     {"pressed", false, true},
                                     {"disabled", false, false, true},
                                     {"focused", false, false, false, true}};
    image.Section(QStringLiteral("Push button"), Names(looks));
    const auto row = [&](const QString &title, TvekUIStyle style, bool glyph) {
        std::vector<QImage> cells;
        for (const Look &look : looks)
            cells.push_back(sheet.Cell(style, [&](QWidget *host) {
                auto *button = new TvekButton(host);
                button->SetUIStyle(style);
                button->SetWidth(96);
                button->SetCaption(glyph ? QStringLiteral("&Open") : QStringLiteral("确定(&O)"));
                if (glyph)
                    button->SetGlyph(SampleGlyph());
                ApplyLook(button, look);
                return button;
            }));
        image.Row(title, cells);
    };
    for (const auto &[style, name] : Styles)
        row(name, style, false);
    row(QStringLiteral("glyph"), TvekUIStyle::DeepBlue, true);
}

template <class Control>
void CheckControls(Sheet &sheet, SheetImage &image, const QString &title, const QString &caption)
{
    const std::vector<Look> looks = {{"unchecked"},
                                     {"checked", false, false, false, false, true},
                                     {"hover", true, false, false, false, true},
                                     {"pressed", false, true},
                                     {"disabled", false, false, true},
                                     {"disabled ✓", false, false, true, false, true},
                                     {"focused", false, false, false, true, true}};
    image.Section(title, Names(looks));
    for (const auto &[style, name] : Styles) {
        std::vector<QImage> cells;
        for (const Look &look : looks)
            cells.push_back(sheet.Cell(style, [&](QWidget *host) {
                auto *control = new Control(host);
                control->SetUIStyle(style);
                control->SetCaption(caption);
                control->SetAutoSize(true);
                control->SetChecked(look.checked);
                ApplyLook(control, look);
                return control;
            }));
        image.Row(name, cells);
    }
}

void ImageButtons(Sheet &sheet, SheetImage &image)
{
    const std::vector<Look> looks = {{"normal"},
                                     {"hover", true},
                                     {"pressed", false, true},
                                     {"disabled", false, false, true},
                                     {"focused", false, false, false, true}};
    image.Section(QStringLiteral("Image button"), Names(looks));
    for (const auto &[style, name] : Styles) {
        std::vector<QImage> cells;
        for (const Look &look : looks)
            cells.push_back(sheet.Cell(style, [&](QWidget *host) {
                auto *button = new TvekImageButton(host);
                button->SetAutoSize(true);
                button->SetTabStop(true);
                button->SetPicNormalF(
                    LoadThemeBitmap(style, TvekThemeElement::ScrollTopButtonNormalPic));
                button->SetPicMouseOnF(
                    LoadThemeBitmap(style, TvekThemeElement::ScrollTopButtonMouseOnPic));
                button->SetPicMouseDownF(
                    LoadThemeBitmap(style, TvekThemeElement::ScrollTopButtonMouseDownPic));
                ApplyLook(button, look);
                return button;
            }));
        image.Row(name, cells);
    }
    // A stretched picture with a caption, and one with no picture at all.
    std::vector<QImage> cells;
    for (const Look &look : looks)
        cells.push_back(sheet.Cell(TvekUIStyle::DeepBlue, [&](QWidget *host) {
            auto *button = new TvekImageButton(host);
            button->resize(80, 24);
            button->SetTabStop(true);
            button->SetStretch(true);
            button->SetCaption(QStringLiteral("Stretch"));
            button->SetPicNormalF(
                LoadThemeBitmap(TvekUIStyle::WinXP, TvekThemeElement::ButtonNormalPic));
            button->SetPicMouseOnF(
                LoadThemeBitmap(TvekUIStyle::WinXP, TvekThemeElement::ButtonMouseOnPic));
            button->SetPicMouseDownF(
                LoadThemeBitmap(TvekUIStyle::WinXP, TvekThemeElement::ButtonMouseDownPic));
            ApplyLook(button, look);
            return button;
        }));
    image.Row(QStringLiteral("stretched"), cells);
}

void LinkLabels(Sheet &sheet, SheetImage &image)
{
    image.Section(QStringLiteral("Link label"), {QStringLiteral("link"), QStringLiteral("hover")});
    std::vector<QImage> cells;
    for (const bool hover : {false, true})
        cells.push_back(sheet.Cell(TvekUIStyle::DeepBlue, [&](QWidget *host) {
            auto *label = new TvekURLLabel(host);
            label->SetFont(DesignFont());
            QFont font = label->font();
            font.setUnderline(true);
            label->SetFont(font);
            label->SetCaption(QStringLiteral("访问作者主页    "));
            if (hover)
                label->SetFontColor(label->FontHoverColor());
            return label;
        }));
    image.Row(QString(), cells);
}

int Grab(const QString &path)
{
    Sheet sheet;
    SheetImage image;
    PushButtons(sheet, image);
    CheckControls<TvekCheckBox>(sheet, image, QStringLiteral("Check box"),
                                QStringLiteral("自动换行(&W)"));
    CheckControls<TvekRadioButton>(sheet, image, QStringLiteral("Radio button"),
                                   QStringLiteral("单选(&R)"));
    ImageButtons(sheet, image);
    LinkLabels(sheet, image);
    if (!image.Render().save(path)) {
        std::fprintf(stderr, "buttondemo: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}

// A window with live buttons of every kind, one row per style.
int Live()
{
    TForm window;
    window.setFont(DesignFont());
    window.SetCaption(QStringLiteral("buttondemo"));
    window.resize(520, 60 + 40 * int(Styles.size()));
    auto *status =
        new QLabel(QStringLiteral("Click, hold, drag off, press Space or Alt+digit"), &window);
    int y = 10, row = 1;
    for (const auto &[style, name] : Styles) {
        (new QLabel(name, &window))->setGeometry(10, y + 4, 70, 20);
        auto *button = new TvekButton(&window);
        button->SetUIStyle(style);
        button->SetBounds(80, y, 96, button->height());
        button->SetCaption(QStringLiteral("重复(&%1)").arg(row++));
        button->OnMouseContinuouslyDown = [status, repeats = 0](QObject *) mutable {
            status->setText(QStringLiteral("auto-repeat %1").arg(++repeats));
        };
        button->OnClick = [status, name](QObject *) {
            status->setText(QStringLiteral("%1 button clicked").arg(name));
        };
        auto *check = new TvekCheckBox(&window);
        check->SetUIStyle(style);
        check->SetCaption(QStringLiteral("自动换行"));
        check->move(200, y + 5);
        auto *radio = new TvekRadioButton(&window);
        radio->SetUIStyle(style);
        radio->move(320, y + 5);
        y += 40;
    }
    auto *link = new TvekURLLabel(&window);
    link->SetCaption(QStringLiteral("访问作者主页    "));
    link->move(80, y);
    status->setGeometry(10, y + 20, 500, 20);
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const int grab = args.indexOf(QStringLiteral("--grab"));
    if (grab > 0 && grab + 1 < args.size())
        return Grab(args[grab + 1]);
    return Live();
}
