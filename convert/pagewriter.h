#pragma once

#include "conversionoptions.h"

class TextReader;
class TextWriter;

// Writes the page of one text: head, title, heading and body markup around the
// text's bytes as `options` ask, or the text alone without markup. `text` is
// at its first byte; nothing of the text is escaped unless asked. The caller
// opens and closes both files and checks `text` and `page` for failures
// afterwards. With the character set decided from the text, a text that
// proves not to be UTF-8 after its first chunk has its page started over: the
// page must then be seekable (else the writer fails), as a page file is.
void WritePage(TextReader &text, TextWriter &page, const ConversionOptions &options);
