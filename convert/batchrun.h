#pragma once

#include "conversionoptions.h"
#include "itemlist.h"
#include "messagesink.h"

// Converts every text of `items`, in order, to its page beside it, and reports
// to `sink`: a warning for an empty list, a plain error box for the first file
// that fails (which ends the run), or the completion message.
void ConvertFiles(const ItemList &items, const ConversionOptions &options, MessageSink &sink);
