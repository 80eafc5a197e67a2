#include "pagefilename.h"

#include <gtest/gtest.h>

TEST(PageFileName, ExtensionAfterTheNamesLastDotBecomesHtm)
{
    const struct
    {
        const char *Text;
        const char *Page;
    } cases[] = {
        {"/home/user/texts/notes.txt", "/home/user/texts/notes.htm"},
        {"notes.txt", "notes.htm"},
        {"/texts/notes.TXT", "/texts/notes.htm"},
        {"/texts/a.b.txt", "/texts/a.b.htm"}, // the last dot of the name
        {"/my.texts/notes.txt", "/my.texts/notes.htm"},
        {"/my.texts/notes", "/my.texts/notes.htm"}, // a folder's dot is not the name's
        {"/texts/README", "/texts/README.htm"},
        {"README", "README.htm"},
        {"/texts/.profile", "/texts/.profile.htm"}, // a leading dot is part of the name
        {"/texts/..txt", "/texts/..htm"},
        {"/texts/notes.", "/texts/notes.htm"},
        {"/texts/page.htm", "/texts/page.htm"},           // a page names itself
        {"C:\\texts\\notes.txt", "C:\\texts\\notes.htm"}, // only "/" separates folders
        {"dir\\a.b\\notes", "dir\\a.htm"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PageFileName(c.Text), c.Page) << c.Text;
}
