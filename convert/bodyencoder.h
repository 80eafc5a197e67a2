#pragma once

class TextWriter;

// Both write the bytes of [begin, end) to `page` as a page holds them: CR
// bytes are dropped (a reader that keeps them passes them here) and every
// other byte but the ones named is written unchanged. With `escape`, "<", ">",
// "&" and '"' become "&lt;", "&gt;", "&amp;" and "&quot;" as well.

// A space becomes "&nbsp;", a tab four of them, a line end "<br>" (with no line
// end after it).
void WriteSpaceMarkup(TextWriter &page, const char *begin, const char *end, bool escape = false);

// A line end becomes CR LF.
void WriteUnchanged(TextWriter &page, const char *begin, const char *end, bool escape = false);
