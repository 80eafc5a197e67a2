#pragma once

class TextWriter;

// Writes the bytes of [begin, end) to `page` with a space as "&nbsp;", a tab as
// four of them and a line end as "<br>" (no line end follows it); every other
// byte is written unchanged.
void WriteSpaceMarkup(TextWriter &page, const char *begin, const char *end);
