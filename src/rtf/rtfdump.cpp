// rtfdump: prints what the RTF reader makes of a file, as JSON lines (see
// dump.h), so that a developer can see why a document looks the way it does.
//   rtfdump FILE          the paragraphs and runs
//   rtfdump --stats FILE  only counts, for timing and memory measurements

#include "rtf/dump.h"
#include "rtf/reader.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <algorithm>
#include <string>
#include <string_view>

int main(int argc, char *argv[])
{
    const bool statsOnly = argc == 3 && std::string_view(argv[1]) == "--stats";
    if (argc != 2 && !statsOnly) {
        std::cerr << "usage: rtfdump [--stats] FILE\n";
        return 2;
    }
    const char *path = argv[argc - 1];
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "rtfdump: cannot open " << path << '\n';
        return 1;
    }
    std::string bytes;
    file.seekg(0, std::ios::end);
    bytes.resize(static_cast<std::size_t>(std::max<std::streamoff>(file.tellg(), 0)));
    file.seekg(0);
    file.read(bytes.data(), std::streamsize(bytes.size()));
    const rtf::ReadResult result = rtf::read(bytes);
    if (const auto *error = std::get_if<rtf::ReadError>(&result)) {
        std::cerr << "rtfdump: " << path << ": " << error->description << '\n';
        return 1;
    }
    const auto &text = std::get<rtf::FormattedText>(result);
    if (statsOnly) {
        std::size_t runs = 0;
        std::size_t bytesOfText = 0;
        for (const auto &paragraph : text.paragraphs) {
            runs += paragraph.runs.size();
            for (const auto &run : paragraph.runs)
                bytesOfText += run.text.size();
        }
        std::cout << "{\"paragraphs\":" << text.paragraphs.size() << ",\"runs\":" << runs
                  << ",\"textBytes\":" << bytesOfText << "}\n";
        return 0;
    }
    std::cout << rtf::toJsonLines(text);
    return 0;
}
