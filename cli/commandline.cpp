#include "commandline.h"

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

// Applies one option; false with `line.Error` set if it is not valid.
bool ApplyOption(std::string_view arg, CommandLine &line)
{
    ConversionOptions &o = line.Options;
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view() : arg.substr(equals + 1);
    const bool hasValue = equals != std::string_view::npos;

    const struct
    {
        std::string_view Name;
        bool ConversionOptions::*Field;
        bool Value;
    } switches[] = {
        {"--fixed-title", &ConversionOptions::TitleFromFirstLine, false},
        {"--no-markup", &ConversionOptions::NoMarkup, true},
        {"--strip-leading-space", &ConversionOptions::StripLeadingSpace, true},
        {"--keep-format", &ConversionOptions::KeepFormat, true},
        {"--no-heading", &ConversionOptions::HeadingFromFirstLine, false},
        {"--no-center-heading", &ConversionOptions::CenterHeading, false},
    };
    for (const auto &s : switches) {
        if (arg == s.Name) {
            o.*s.Field = s.Value;
            return true;
        }
    }

    const struct
    {
        std::string_view Name;
        std::int32_t ConversionOptions::*Field;
    } colours[] = {
        {"--page-color", &ConversionOptions::PageColor},
        {"--text-color", &ConversionOptions::TextColor},
        {"--heading-color", &ConversionOptions::HeadingColor},
    };
    for (const auto &c : colours) {
        if (name == c.Name && hasValue) {
            const auto colour = ParseHtmlColour(value);
            if (!colour) {
                line.Error = std::string(name) + " wants six hexadecimal digits RRGGBB, not '" +
                             std::string(value) + "'";
                return false;
            }
            o.*c.Field = *colour;
            return true;
        }
    }

    const struct
    {
        std::string_view Name;
        std::string ConversionOptions::*Field;
        char Largest;
    } sizes[] = {
        {"--heading-size", &ConversionOptions::HeadingSize, '6'},
        {"--body-size", &ConversionOptions::BodySize, '7'},
    };
    for (const auto &s : sizes) {
        if (name == s.Name && hasValue) {
            if (!IsSize(value, s.Largest)) {
                line.Error = std::string(name) + " wants a size from 1 to " + s.Largest +
                             ", not '" + std::string(value) + "'";
                return false;
            }
            o.*s.Field = std::string(value);
            return true;
        }
    }

    line.Error = "unknown option '" + std::string(arg) + "'";
    return false;
}

} // namespace

CommandLine ParseCommandLine(int argc, const char *const argv[])
{
    CommandLine line;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            line.Files.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            line.Action = CommandLine::Action::Help;
            return line;
        } else if (arg == "--version") {
            line.Action = CommandLine::Action::Version;
            return line;
        } else if (arg == "-v") {
            line.Verbose = true;
        } else if (arg == "--progress") {
            line.Progress = true;
        } else if (!ApplyOption(arg, line)) {
            line.Action = CommandLine::Action::UsageError;
            return line;
        }
    }
    if (line.Files.empty()) {
        line.Action = CommandLine::Action::UsageError;
        line.Error = "no FILE given";
    }
    return line;
}

std::string UsageText()
{
    return "Usage: txt2htm [OPTIONS] FILE...\n"
           "Converts each text FILE, in order, to an HTML page beside it (same name,\n"
           "extension htm), overwriting an existing page. Stops at the first failure.\n"
           "\n"
           "  --fixed-title           title \"htm文档\" instead of the first line\n"
           "  --no-markup             write the text itself, with no markup\n"
           "  --strip-leading-space   drop white space in front of the first character\n"
           "  --keep-format           keep the text's layout in a preformatted block\n"
           "  --page-color=RRGGBB     page background (default FFFFFF)\n"
           "  --text-color=RRGGBB     text colour (default 000000)\n"
           "  --no-heading            no heading from the first line\n"
           "  --no-center-heading     do not centre the heading\n"
           "  --heading-size=N        heading size, 1 to 6 (default 2)\n"
           "  --body-size=N           body font size, 1 to 7 (default 4)\n"
           "  --heading-color=RRGGBB  heading colour (default 000000)\n"
           "  -v                      list each page written\n"
           "  --progress              show progress on standard error even when it is\n"
           "                          not a terminal (Ctrl+C cancels the run)\n"
           "  --help                  show this help and exit\n"
           "  --version               show the version and exit\n"
           "  --                      end of options (for a FILE beginning with \"-\")\n"
           "\n"
           "Exit status: 0 all converted, 1 a file failed, 2 usage error, 130 cancelled.\n";
}
