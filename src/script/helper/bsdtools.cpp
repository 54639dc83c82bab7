#include "bsdtools.h"

#include <map>

namespace bsdtools {
namespace {

struct Parsed
{
    std::vector<char> options;
    std::vector<std::string> operands;
};

// BSD getopt: clustered single-letter flags up to "--" or the first operand.
std::variant<Parsed, std::string> parse(const std::vector<std::string> &arguments, const std::string &known,
                                        const char *tool)
{
    Parsed parsed;
    std::size_t i = 0;
    for (; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (argument == "--") {
            ++i;
            break;
        }
        if (argument.size() < 2 || argument[0] != '-')
            break;
        for (std::size_t j = 1; j < argument.size(); ++j) {
            if (known.find(argument[j]) == std::string::npos)
                return std::string(tool) + ": illegal option -- " + argument[j];
            parsed.options.push_back(argument[j]);
        }
    }
    parsed.operands.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
    return parsed;
}

std::vector<std::string> assemble(const char *program, const std::vector<char> &options,
                                  const std::map<char, const char *> &mapping, const std::vector<std::string> &operands)
{
    std::vector<std::string> out{program};
    for (const char option : options)
        out.emplace_back(mapping.at(option));
    out.emplace_back("--");
    out.insert(out.end(), operands.begin(), operands.end());
    return out;
}

} // namespace

std::variant<std::vector<std::string>, std::string> lnArguments(const std::vector<std::string> &arguments)
{
    static const std::map<char, const char *> mapping{
        {'f', "-f"}, {'h', "-n"}, {'n', "-n"}, {'s', "-s"}, {'i', "-i"}, {'v', "-v"}, {'L', "-L"}, {'P', "-P"},
    };
    auto parsed = parse(arguments, "fhnsivLP", "ln");
    if (auto *usage = std::get_if<std::string>(&parsed))
        return *usage + "\nusage: ln [-fhinsv] source_file [target_file]";
    const Parsed &p = std::get<Parsed>(parsed);
    if (p.operands.empty())
        return std::string("usage: ln [-fhinsv] source_file [target_file]");
    return assemble("/bin/ln", p.options, mapping, p.operands);
}

std::variant<std::vector<std::string>, std::string> cpArguments(const std::vector<std::string> &arguments)
{
    static const std::map<char, const char *> mapping{
        {'R', "-R"}, {'r', "-R"}, {'f', "-f"}, {'i', "-i"}, {'n', "-n"}, {'p', "-p"},
        {'v', "-v"}, {'P', "-P"}, {'H', "-H"}, {'L', "-L"}, {'a', "-a"},
    };
    auto parsed = parse(arguments, "RrfinpvPHLa", "cp");
    if (auto *usage = std::get_if<std::string>(&parsed))
        return *usage + "\nusage: cp [-R [-H | -L | -P]] [-fi | -n] [-apv] source_file target_file";
    Parsed p = std::get<Parsed>(std::move(parsed));
    if (p.operands.size() < 2)
        return std::string("usage: cp [-R [-H | -L | -P]] [-fi | -n] [-apv] source_file target_file");
    bool recursive = false;
    for (const char option : p.options)
        recursive = recursive || option == 'R' || option == 'r' || option == 'a';
    if (recursive) {
        // Every operand but the target is a source.
        for (std::size_t i = 0; i + 1 < p.operands.size(); ++i)
            if (!p.operands[i].empty() && p.operands[i].back() == '/')
                p.operands[i] += '.';
    }
    return assemble("/bin/cp", p.options, mapping, p.operands);
}

} // namespace bsdtools
