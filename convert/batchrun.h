#pragma once

#include "conversionoptions.h"
#include "itemlist.h"
#include "messagesink.h"

class RunControl;

// Converts every text of `items`, in order, to its page beside it, and reports
// to `sink`: a warning for an empty list, a plain error box for the first file
// that fails (which ends the run), or the completion message. With `control`,
// the run reports its progress there and stops when a cancel is requested: the
// page being written is discarded as after a failed write, the pages written
// before stay, and the cancel message replaces the completion message.
void ConvertFiles(const ItemList &items, const ConversionOptions &options, MessageSink &sink,
                  RunControl *control = nullptr);
