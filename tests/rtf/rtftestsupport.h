#pragma once

#include "rtf/formattedtext.h"

#include <QString>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

// The folder of the RTF corpus and its golden dumps.
QString rtfDataFolder();

// Reads `rtf`, failing the current test when the reader reports an error.
rtf::FormattedText readOrFail(std::string_view rtf);

// The plain text of `rtf` as read, or "ERROR: <description>".
std::string plainTextOf(std::string_view rtf);

// The JSON lines of `rtf` as read, or "ERROR: <description>".
std::string dumpOf(std::string_view rtf);

// Names a parameterised test after its row's `name`.
template<typename Row>
std::string rowName(const ::testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}
