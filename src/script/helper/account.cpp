#include "account.h"

#include <cerrno>
#include <cstdlib>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

std::optional<Account> Account::of(uid_t uid)
{
    const passwd *entry = getpwuid(uid);
    if (!entry)
        return std::nullopt;
    return Account{entry->pw_name, entry->pw_dir, {entry->pw_uid, entry->pw_gid, {}}};
}

bool Account::readGroups()
{
    std::vector<gid_t> groups;
    int count = 32;
    for (int attempt = 0; attempt < 4; ++attempt) {
        groups.resize(static_cast<std::size_t>(count));
        const int previous = count;
        if (getgrouplist(name.c_str(), credentials.gid, groups.data(), &count) >= 0) {
            groups.resize(static_cast<std::size_t>(count));
            credentials.groups = std::move(groups);
            return true;
        }
        if (count <= previous)
            count = previous * 4;
    }
    return false;
}

std::optional<Account> Account::invoking()
{
    const char *text = std::getenv("PKEXEC_UID");
    if (!text)
        return of(getuid());
    char *end = nullptr;
    errno = 0;
    const unsigned long uid = std::strtoul(text, &end, 10);
    if (!*text || errno != 0 || *end != '\0' || uid != static_cast<uid_t>(uid))
        return std::nullopt;
    return of(static_cast<uid_t>(uid));
}
