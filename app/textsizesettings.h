#pragma once

#include "conversionoptions.h"
#include "tcolor.h"

// What the main window needs of the heading and text-size dialog, and no
// more: the window hands the dialog the page's background for its preview,
// shows it, and reads its seven options into a run's ConversionOptions.
class TTextSizeSettings
{
public:
    virtual ~TTextSizeSettings() = default;

    // The preview shows the heading colour on this background.
    virtual void SetPreviewBackground(TColor color) = 0;
    // Shows the dialog modally until it is closed.
    virtual void ShowDialog() = 0;
    // Puts the heading, body and page options the dialog holds into `options`.
    virtual void ReadOptions(ConversionOptions &options) const = 0;
};
