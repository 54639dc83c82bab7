#pragma once

#include <string>
#include <utility>

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

} // namespace pathtext
