#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Trailing slashes of a path, for the installer and its helper alike: plain
// C++ without Qt, so that the helper includes it too. Each works on any
// string type of the code base (std::string, QString, QByteArray).
namespace pathtext {

namespace detail {

template<typename Text>
Text chopSlashes(Text path, decltype(path.size()) keep)
{
    auto size = path.size();
    while (size > keep && path[size - 1] == u'/')
        --size;
    path.resize(size);
    return path;
}

} // namespace detail

// The same file named without trailing slashes: "/a/b//" is "/a/b"; the
// root folder stays "/".
template<typename Text>
Text withoutTrailingSlashes(Text path)
{
    return detail::chopSlashes(std::move(path), 1);
}

// A folder to join "/" and a name to, with exactly one slash between them:
// "/a/b/" is "/a/b", and the root folder is empty.
template<typename Text>
Text joinable(Text path)
{
    return detail::chopSlashes(std::move(path), 0);
}

// The last name of a path: "b" of "/a/b/"; empty for the root folder.
inline std::string lastComponent(const std::string &path)
{
    const std::string bare = withoutTrailingSlashes(path);
    return bare.substr(bare.rfind('/') + 1);
}

// The names between the slashes of a path, empty ones included: "/a//b/" is
// "", "a", "", "b", "". Views into `path`.
inline std::vector<std::string_view> components(std::string_view path)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos)
            end = path.size();
        out.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

} // namespace pathtext
