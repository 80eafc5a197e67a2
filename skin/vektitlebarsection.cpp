#include "vektitlebarsection.h"

#include "veksetter.h"
#include "vekskintexts.h"
#include "vektitlebar.h"

TvekTitleBarSection::TvekTitleBarSection(TvekTitleBarSections *collection) : FCollection(collection)
{}

int TvekTitleBarSection::Index() const
{
    return FCollection ? FCollection->IndexOf(this) : -1;
}

void TvekTitleBarSection::Changed()
{
    if (FCollection)
        FCollection->Changed();
}

void TvekTitleBarSection::SetAutoSize(bool value)
{
    FAutoSize = value;
    if (!FPicture.isNull())
        FWidth = FPicture.width();
    Changed();
}

void TvekTitleBarSection::SetWidth(int value)
{
    if (!vekAssign(FWidth, value))
        return;
    Changed();
}

// Only one section may fill the space between the others; it always stretches.
void TvekTitleBarSection::SetAlign(TvekTitleBarAlign value)
{
    if (value == TvekTitleBarAlign::vekClient && FCollection) {
        for (int i = 0; i < FCollection->Count(); ++i) {
            if (FCollection->Items(i)->Align() == TvekTitleBarAlign::vekClient) {
                ShowRuleMessage(vekText::OneClientSection);
                return;
            }
        }
    }
    FAlign = value;
    if (value == TvekTitleBarAlign::vekClient)
        FStretch = true;
    Changed();
}

void TvekTitleBarSection::SetPicture(const QImage &value)
{
    if (!vekAssign(FPicture, value))
        return;
    if (FAutoSize)
        FWidth = FPicture.width();
    Changed();
}

void TvekTitleBarSection::SetStretch(bool value)
{
    if (!vekAssign(FStretch, value || FAlign == TvekTitleBarAlign::vekClient))
        return;
    Changed();
}

void TvekTitleBarSection::Assign(const TvekTitleBarSection &source)
{
    SetWidth(source.FWidth);
    SetAlign(source.FAlign);
    SetPicture(source.FPicture);
    SetStretch(source.FStretch);
    SetAutoSize(source.FAutoSize);
}
