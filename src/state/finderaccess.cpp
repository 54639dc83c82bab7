#include "state/finderaccess.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<FinderAccess, const char16_t *>, 3> rawValues{{
    {FinderAccess::unknown, u"-1"},
    {FinderAccess::denied, u"0"},
    {FinderAccess::allowed, u"1"},
}};

} // namespace

QString rawValue(FinderAccess access)
{
    for (const auto &[value, raw] : rawValues) {
        if (value == access)
            return QString::fromUtf16(raw);
    }
    return {};
}

std::optional<FinderAccess> finderAccessFromRawValue(QStringView text)
{
    for (const auto &[value, raw] : rawValues) {
        if (text == QStringView(raw))
            return value;
    }
    return std::nullopt;
}
