#pragma once

#include <cstdint>

// Tells whether a text is valid UTF-8, fed piece by piece as it is read, with
// a sequence split between pieces carried over. Valid means well formed: no
// overlong form, no surrogate, nothing above U+10FFFF, no sequence cut off by
// the end. A CR is a byte like any other (inside a character it is an error).
class Utf8Validator
{
public:
    // Takes the next piece; false once the text is known to be invalid.
    bool Feed(const char *begin, const char *end);
    // True if what was fed so far is valid and ends with a whole character.
    bool Finish() const { return !FInvalid && FPending == 0; }
    bool Invalid() const { return FInvalid; }

private:
    const unsigned char *FeedSlowly(const unsigned char *in, const unsigned char *end);

    // Continuation bytes still expected, and the range the next one must lie
    // in (narrower than 0x80–0xBF right after some lead bytes).
    int FPending = 0;
    std::uint8_t FLow = 0x80, FHigh = 0xBF;
    bool FInvalid = false;
};
