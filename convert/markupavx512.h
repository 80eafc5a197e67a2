#pragma once

// The body's markup (a space as "&nbsp;", a tab as four of them, a line end as
// "<br>", a CR dropped) for processors with 512-bit byte permutes and
// compresses, which expand a stretch of text without a branch per byte.

// True when this processor (and the build) can run EncodeMarkupAvx512.
bool MarkupAvx512Available();

// Encodes [in, end) to `out` and returns the end of the output. The output
// needs room for 24 bytes per input byte plus 64 bytes of slack, which may be
// overwritten.
char *EncodeMarkupAvx512(const char *in, const char *end, char *out);

// The same with "<", ">", "&" and '"' written as "&lt;", "&gt;", "&amp;" and
// "&quot;".
char *EncodeEscapedMarkupAvx512(const char *in, const char *end, char *out);
