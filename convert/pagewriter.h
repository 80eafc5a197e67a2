#pragma once

#include "conversionoptions.h"

class TextReader;
class TextWriter;

// Writes the page of one text: head, title, heading and body markup around the
// text's bytes as `options` ask, or the text alone without markup. `text` is
// at its first byte; nothing of the text is escaped. The caller opens and
// closes both files and checks `text` and `page` for failures afterwards.
void WritePage(TextReader &text, TextWriter &page, const ConversionOptions &options);
