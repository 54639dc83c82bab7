#include "rtftestsupport.h"

#include "rtf/dump.h"
#include "rtf/reader.h"

#include <gtest/gtest.h>

QString rtfDataFolder()
{
    return QStringLiteral(VELTRANO_TEST_DATA_DIR "/rtf/data");
}

rtf::FormattedText readOrFail(std::string_view rtf)
{
    rtf::ReadResult result = rtf::read(rtf);
    if (const auto *error = std::get_if<rtf::ReadError>(&result)) {
        ADD_FAILURE() << "unexpected read error: " << error->description;
        return {};
    }
    return std::get<rtf::FormattedText>(std::move(result));
}

std::string plainTextOf(std::string_view rtf)
{
    const rtf::ReadResult result = rtf::read(rtf);
    if (const auto *error = std::get_if<rtf::ReadError>(&result))
        return "ERROR: " + error->description;
    return std::get<rtf::FormattedText>(result).plainText();
}

std::string dumpOf(std::string_view rtf)
{
    const rtf::ReadResult result = rtf::read(rtf);
    if (const auto *error = std::get_if<rtf::ReadError>(&result))
        return "ERROR: " + error->description;
    return rtf::toJsonLines(std::get<rtf::FormattedText>(result));
}
