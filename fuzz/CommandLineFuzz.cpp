// Fuzz target "cmdline": a command line of arbitrary bytes is split like a
// Windows command line, and the arguments are joined again with the quoting
// that splitting undoes: splitting that line must give the same arguments.
// A line without quotes and backslashes splits at blanks alone, and the free
// text of `words` gives no empty argument and none holding a blank.

#include "fuzz/FuzzTarget.h"
#include "platform/ProgramLauncher.h"

#include <vector>

namespace {

// An argument as a Windows program's command line carries it: bare when it
// has no blank or quote, else in quotes, a quote as \" and the backslashes
// before a quote (or before the closing one) doubled.
std::string quoted(const std::string& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
        return argument;
    std::string out = "\"";
    std::size_t slashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        out.append(c == '"' ? 2 * slashes + 1 : slashes, '\\');
        out += c;
        slashes = 0;
    }
    out.append(2 * slashes, '\\');
    return out + '"';
}

std::vector<std::string> blankSeparated(std::string_view line, std::string_view blanks)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while ((i = line.find_first_not_of(blanks, i)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(blanks, i), line.size());
        words.emplace_back(line.substr(i, end - i));
        i = end;
    }
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line = kx::fuzz::AsText(data, size);
    const std::vector<std::string> arguments = kx::SplitCommandLine(line);
    KX_FUZZ_CHECK(kx::CommandLine(line).arguments() == arguments, "CommandLine splits otherwise");

    std::string joined;
    for (const std::string& a : arguments)
        joined += (joined.empty() ? "" : " ") + quoted(a);
    KX_FUZZ_CHECK(kx::SplitCommandLine(joined) == arguments, "quoted arguments do not split back");
    if (line.find_first_of("\"\\") == std::string::npos)
        KX_FUZZ_CHECK(arguments == blankSeparated(line, " \t"), "a plain line is not split at blanks");

    kx::CommandLine words;
    words.arg("program").words(line);
    KX_FUZZ_CHECK(words.arguments().size() == blankSeparated(line, " ").size() + 1, "words() lost a word");
    for (const std::string& w : words.arguments())
        KX_FUZZ_CHECK(!w.empty() && w.find(' ') == std::string::npos, "words() gave an empty or blank word");
    words.text();
    return 0;
}
