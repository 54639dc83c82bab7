#include "rtf/hyperlink.h"

#include <algorithm>

namespace rtf {

std::string hyperlinkTarget(std::string_view instruction)
{
    const auto skipSpaces = [&] {
        while (!instruction.empty() && (instruction.front() == ' ' || instruction.front() == '\t'))
            instruction.remove_prefix(1);
    };
    skipSpaces();
    constexpr std::string_view keyword = "HYPERLINK";
    if (instruction.size() < keyword.size())
        return {};
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        const char c = instruction[i];
        if ((c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c) != keyword[i])
            return {};
    }
    instruction.remove_prefix(keyword.size());

    // Arguments are quoted, or run to the next blank.
    const auto nextArgument = [&]() -> std::string_view {
        skipSpaces();
        if (instruction.empty())
            return {};
        std::string_view argument;
        if (instruction.front() == '"') {
            instruction.remove_prefix(1);
            const std::size_t end = std::min(instruction.find('"'), instruction.size());
            argument = instruction.substr(0, end);
            instruction.remove_prefix(std::min(end + 1, instruction.size()));
        } else {
            const std::size_t end = std::min(instruction.find_first_of(" \t"), instruction.size());
            argument = instruction.substr(0, end);
            instruction.remove_prefix(end);
        }
        return argument;
    };

    std::string address;
    std::string bookmark;
    for (;;) {
        skipSpaces();
        if (instruction.empty())
            break;
        if (instruction.front() != '\\') {
            const std::string_view argument = nextArgument();
            if (address.empty())
                address = argument;
            continue;
        }
        const char name = instruction.size() >= 2 ? instruction[1] : 0;
        instruction.remove_prefix(std::min<std::size_t>(2, instruction.size()));
        // \l names a bookmark; \o (tip), \t (frame) and \m take an argument
        // that is no address; \n and \h take none.
        if (name == 'l')
            bookmark = nextArgument();
        else if (name == 'o' || name == 't' || name == 'm')
            nextArgument();
    }
    if (bookmark.empty())
        return address;
    return address + '#' + bookmark;
}

} // namespace rtf
