#pragma once

#include "vekcollection.h"

#include <QImage>
#include <QMetaType>

#include <cstdint>

class TvekTitleBar;
class TvekTitleBarSections;

// Where a title-bar section is packed.
enum class TvekTitleBarAlign : std::uint8_t { vekLeft = 0, vekRight = 1, vekClient = 2 };

// One background piece of the title bar; an item of TvekTitleBarSections.
class TvekTitleBarSection
{
public:
    explicit TvekTitleBarSection(TvekTitleBarSections *collection);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TvekTitleBarAlign Align() const { return FAlign; }
    void SetAlign(TvekTitleBarAlign value);
    const QImage &Picture() const { return FPicture; }
    void SetPicture(const QImage &value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);

    int Index() const;
    void Assign(const TvekTitleBarSection &source);

private:
    void Changed();

    TvekTitleBarSections *FCollection;
    bool FAutoSize = false;
    int FWidth = 10;
    TvekTitleBarAlign FAlign = TvekTitleBarAlign::vekLeft;
    QImage FPicture;
    bool FStretch = false;
};

// The background sections of a title bar; any change repaints the bar.
class TvekTitleBarSections
    : public TvekCollection<TvekTitleBarSections, TvekTitleBarSection, TvekTitleBar>
{
public:
    using TvekCollection::TvekCollection;
    TvekTitleBar *TitleBar() const { return Owner(); }
};

Q_DECLARE_METATYPE(TvekTitleBarSections *)
