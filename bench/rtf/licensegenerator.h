#pragma once

#include <cstddef>
#include <string>

// A license agreement in TextEdit's RTF, as long as asked for: numbered bold
// headings, justified paragraphs with accented letters (\'hh) and curly
// quotes (\u), italic clauses, numbered and bulleted lists, and links. The
// same size always yields the same bytes.
std::string generateLicenseRtf(std::size_t targetBytes);
