#include "commandline.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

// "RRGGBB" as written in markup, into a colour value 0x00BBGGRR.
std::optional<std::int32_t> ParseHtmlColour(std::string_view text)
{
    if (text.size() != 6)
        return std::nullopt;
    std::uint32_t rgb = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        rgb = rgb * 16 + digit;
    }
    const std::uint32_t red = rgb >> 16, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    return static_cast<std::int32_t>(blue << 16 | green << 8 | red);
}

// A size is one digit from "1" to `largest`, as the dialog's lists hold.
bool IsSize(std::string_view text, char largest)
{
    return text.size() == 1 && text[0] >= '1' && text[0] <= largest;
}

// A character-set name goes into an attribute: letters, digits and . _ : -
bool IsCharsetName(std::string_view text)
{
    if (text.empty() || text.size() > 40)
        return false;
    for (char c : text) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '.' || c == '_' || c == ':' || c == '-';
        if (!ok)
            return false;
    }
    return true;
}

std::optional<int> ParseJobs(std::string_view text)
{
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

// Sets what one option asks for from its value (empty for a switch); returns
// the reason if the value will not do.
using Apply = std::optional<std::string> (*)(CommandLine &line, std::string_view value);

std::optional<std::string> SetColour(std::int32_t &field, std::string_view value)
{
    const auto colour = ParseHtmlColour(value);
    if (!colour)
        return "wants six hexadecimal digits RRGGBB, not '" + std::string(value) + "'";
    field = *colour;
    return std::nullopt;
}

std::optional<std::string> SetSize(std::string &field, std::string_view value, char largest)
{
    if (!IsSize(value, largest))
        return std::string("wants a size from 1 to ") + largest + ", not '" + std::string(value) +
               "'";
    field = std::string(value);
    return std::nullopt;
}

// One option: its short letter (or 0), long name, the value it takes (empty
// for a switch) as the help shows it, and what it does.
struct OptionSpec
{
    char Short;
    std::string_view Long;
    std::string_view Value;
    std::string_view Help;
    Apply Set;
};

// A switch: sets a field of the page options or of the run.
template <auto Field, auto Value>
std::optional<std::string> SetPageOption(CommandLine &line, std::string_view)
{
    line.Options.*Field = Value;
    return std::nullopt;
}

template <auto Field, auto Value>
std::optional<std::string> SetRunOption(CommandLine &line, std::string_view)
{
    line.*Field = Value;
    return std::nullopt;
}

const OptionSpec kOptions[] = {
    {0, "fixed-title", "", "title \"htm文档\" instead of the first line",
     SetPageOption<&ConversionOptions::TitleFromFirstLine, false>},
    {0, "no-markup", "", "write the text itself, with no markup",
     SetPageOption<&ConversionOptions::NoMarkup, true>},
    {0, "strip-leading-space", "", "drop white space in front of the first character",
     SetPageOption<&ConversionOptions::StripLeadingSpace, true>},
    {0, "keep-format", "", "keep the text's layout in a preformatted block",
     SetPageOption<&ConversionOptions::KeepFormat, true>},
    {0, "page-color", "RRGGBB", "page background (default FFFFFF)",
     [](CommandLine &line, std::string_view value) {
         return SetColour(line.Options.PageColor, value);
     }},
    {0, "text-color", "RRGGBB", "text colour (default 000000)",
     [](CommandLine &line, std::string_view value) {
         return SetColour(line.Options.TextColor, value);
     }},
    {0, "no-heading", "", "no heading from the first line",
     SetPageOption<&ConversionOptions::HeadingFromFirstLine, false>},
    {0, "no-center-heading", "", "do not centre the heading",
     SetPageOption<&ConversionOptions::CenterHeading, false>},
    {0, "heading-size", "N", "heading size, 1 to 6 (default 2)",
     [](CommandLine &line, std::string_view value) {
         return SetSize(line.Options.HeadingSize, value, '6');
     }},
    {0, "body-size", "N", "body font size, 1 to 7 (default 4)",
     [](CommandLine &line, std::string_view value) {
         return SetSize(line.Options.BodySize, value, '7');
     }},
    {0, "heading-color", "RRGGBB", "heading colour (default 000000)",
     [](CommandLine &line, std::string_view value) {
         return SetColour(line.Options.HeadingColor, value);
     }},
    {0, "charset", "NAME|auto",
     "declare character set NAME in the page; auto: utf-8\n"
     "for valid UTF-8, otherwise gb18030 (a page declared\n"
     "UTF-8 leaves out a byte-order mark)",
     [](CommandLine &line, std::string_view value) -> std::optional<std::string> {
         if (!IsCharsetName(value))
             return "wants a character-set name or auto, not '" + std::string(value) + "'";
         line.Options.Charset = std::string(value);
         return std::nullopt;
     }},
    {0, "escape", "", "write < > & \" of the text as &lt; &gt; &amp; &quot;",
     SetPageOption<&ConversionOptions::Escape, true>},
    {'r', "recursive", "",
     "a FOLDER stands for every .txt file under it, in sorted\n"
     "order (symbolic links to folders are not followed)",
     SetRunOption<&CommandLine::Recursive, true>},
    {'o', "output-dir", "DIR", "write the pages to DIR (with -r, mirroring the folders)",
     [](CommandLine &line, std::string_view value) -> std::optional<std::string> {
         if (value.empty())
             return std::string("wants a folder");
         line.OutputDir = std::string(value);
         return std::nullopt;
     }},
    {0, "files-from", "FILE",
     "convert the texts named in FILE, one a line (- for\n"
     "standard input)",
     [](CommandLine &line, std::string_view value) -> std::optional<std::string> {
         if (value.empty())
             return std::string("wants a file");
         line.FilesFrom = std::string(value);
         return std::nullopt;
     }},
    {'0', "null", "", "names in --files-from end with a NUL byte, not a line end",
     SetRunOption<&CommandLine::NullSeparated, true>},
    {0, "keep-going", "", "go on after a failure; exit 1 at the end if any failed",
     SetRunOption<&CommandLine::KeepGoing, true>},
    {0, "no-clobber", "", "leave an existing page as it is",
     SetRunOption<&CommandLine::NoClobber, true>},
    {'j', "jobs", "N", "convert N texts at once (default 1; 0: one per processor)",
     [](CommandLine &line, std::string_view value) -> std::optional<std::string> {
         const auto jobs = ParseJobs(value);
         if (!jobs)
             return "wants a number, not '" + std::string(value) + "'";
         line.Jobs = *jobs;
         return std::nullopt;
     }},
    {'v', "verbose", "", "list each page written (and each page left as it was)",
     SetRunOption<&CommandLine::Verbose, true>},
    {0, "progress", "", "show progress on standard error even when it is no terminal",
     SetRunOption<&CommandLine::Progress, true>},
    {'h', "help", "", "show this help and exit",
     SetRunOption<&CommandLine::Action, CommandLine::Action::Help>},
    {0, "version", "", "show the version and exit",
     SetRunOption<&CommandLine::Action, CommandLine::Action::Version>},
};

const OptionSpec *FindLong(std::string_view name)
{
    for (const OptionSpec &option : kOptions)
        if (option.Long == name)
            return &option;
    return nullptr;
}

const OptionSpec *FindShort(char letter)
{
    for (const OptionSpec &option : kOptions)
        if (option.Short != 0 && option.Short == letter)
            return &option;
    return nullptr;
}

// Walks the arguments; each option is applied as it comes.
class Parser
{
public:
    Parser(int argc, const char *const argv[]) : FArgc(argc), FArgv(argv) {}

    CommandLine Parse()
    {
        bool optionsEnded = false;
        for (FIndex = 1; FIndex < FArgc && Ok(); ++FIndex) {
            const std::string_view arg = FArgv[FIndex];
            if (optionsEnded || arg.size() < 2 || arg[0] != '-')
                FLine.Files.emplace_back(arg);
            else if (arg == "--")
                optionsEnded = true;
            else if (arg.starts_with("--"))
                ParseLong(arg.substr(2));
            else
                ParseShorts(arg.substr(1));
            // Help and version win over whatever follows.
            if (FLine.Action == CommandLine::Action::Help ||
                FLine.Action == CommandLine::Action::Version)
                return FLine;
        }
        if (Ok() && FLine.Files.empty() && FLine.FilesFrom.empty())
            Fail("no FILE given");
        const bool textFromInput =
            std::find(FLine.Files.begin(), FLine.Files.end(), "-") != FLine.Files.end();
        if (Ok() && FLine.FilesFrom == "-" && textFromInput)
            Fail("standard input cannot hold both the list and a text");
        return FLine;
    }

private:
    bool Ok() const { return FLine.Action != CommandLine::Action::UsageError; }

    void Fail(std::string reason)
    {
        FLine.Action = CommandLine::Action::UsageError;
        FLine.Error = std::move(reason);
    }

    // The next argument as an option's value.
    std::optional<std::string_view> NextArgument()
    {
        if (FIndex + 1 >= FArgc)
            return std::nullopt;
        return std::string_view(FArgv[++FIndex]);
    }

    void Apply(const OptionSpec &option, std::string_view shown, std::string_view value)
    {
        if (auto reason = option.Set(FLine, value))
            Fail(std::string(shown) + " " + *reason);
    }

    // "--name", "--name=VALUE" or "--name VALUE".
    void ParseLong(std::string_view body)
    {
        const std::size_t equals = body.find('=');
        const std::string_view name = body.substr(0, equals);
        const std::string shown = "--" + std::string(name);
        const OptionSpec *option = FindLong(name);
        if (!option) {
            Fail("unknown option '--" + std::string(body) + "'");
            return;
        }
        if (option->Value.empty()) {
            if (equals != std::string_view::npos)
                Fail(shown + " takes no value");
            else
                Apply(*option, shown, {});
            return;
        }
        ApplyValue(*option, shown,
                   equals != std::string_view::npos ? std::optional(body.substr(equals + 1))
                                                    : std::nullopt);
    }

    // Applies an option that takes a value: `given` in the same argument, or
    // else the next argument.
    void ApplyValue(const OptionSpec &option, const std::string &shown,
                    std::optional<std::string_view> given)
    {
        const std::optional<std::string_view> value = given ? given : NextArgument();
        if (!value)
            Fail(shown + " wants " + std::string(option.Value));
        else
            Apply(option, shown, *value);
    }

    // "-rv", "-j2", "-j 2", "-oDIR", "-o DIR".
    void ParseShorts(std::string_view letters)
    {
        for (std::size_t i = 0; i < letters.size() && Ok(); ++i) {
            const OptionSpec *option = FindShort(letters[i]);
            const std::string shown = std::string("-") + letters[i];
            if (!option) {
                Fail("unknown option '" + shown + "'");
                return;
            }
            if (option->Value.empty()) {
                Apply(*option, shown, {});
                continue;
            }
            ApplyValue(*option, shown,
                       i + 1 < letters.size() ? std::optional(letters.substr(i + 1))
                                              : std::nullopt);
            return;
        }
    }

    int FArgc;
    const char *const *FArgv;
    int FIndex = 1;
    CommandLine FLine;
};

// "  -o, --output-dir=DIR" as the help's left column.
std::string Synopsis(const OptionSpec &option)
{
    std::string text =
        option.Short ? std::string("  -") + option.Short + ", " : std::string("      ");
    text += "--" + std::string(option.Long);
    if (!option.Value.empty())
        text += "=" + std::string(option.Value);
    return text;
}

} // namespace

CommandLine ParseCommandLine(int argc, const char *const argv[])
{
    return Parser(argc, argv).Parse();
}

std::string UsageText()
{
    constexpr std::size_t kColumn = 30;
    std::string text = "Usage: txt2htm [OPTIONS] FILE...\n"
                       "Converts each text FILE, in order, to an HTML page beside it (same name,\n"
                       "extension htm), overwriting an existing page. Stops at the first failure.\n"
                       "With FILE -, reads standard input and writes the page to standard output.\n"
                       "\n";
    for (const OptionSpec &option : kOptions) {
        std::string left = Synopsis(option);
        left.resize(std::max(left.size() + 2, kColumn), ' ');
        std::string_view help = option.Help;
        // Continuation lines of the help stand in the same column.
        for (std::size_t nl; (nl = help.find('\n')) != std::string_view::npos;) {
            text += left + std::string(help.substr(0, nl)) + "\n";
            left = std::string(kColumn, ' ');
            help.remove_prefix(nl + 1);
        }
        text += left + std::string(help) + "\n";
    }
    text += "      --                      end of options (for a FILE beginning with \"-\")\n"
            "\n"
            "An option's value may follow as --opt=VALUE or as the next argument.\n"
            "Exit status: 0 all converted, 1 a file failed, 2 usage error, 130 cancelled.\n"
            "\n"
            "Report problems to the Quorvel Marlune issue tracker.\n";
    return text;
}
