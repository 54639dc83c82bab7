#include "readingidentity.h"

#include <cstdlib>
#include <grp.h>
#include <sys/fsuid.h>
#include <unistd.h>

ReadingIdentity::ReadingIdentity(const childprocess::Credentials &user)
{
    if (geteuid() != 0 || user.uid == 0)
        return;
    const int count = getgroups(0, nullptr);
    m_ownGroups.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (count < 0 || getgroups(count, m_ownGroups.data()) != count) {
        m_held = false;
        return;
    }
    m_switched = true;
    // setfsuid and setfsgid report no errors; reading the value back does.
    if (setgroups(user.groups.size(), user.groups.data()) != 0) {
        m_held = false;
        return;
    }
    setfsgid(user.gid);
    setfsuid(user.uid);
    m_held = static_cast<uid_t>(setfsuid(static_cast<uid_t>(-1))) == user.uid
             && static_cast<gid_t>(setfsgid(static_cast<gid_t>(-1))) == user.gid;
}

ReadingIdentity::~ReadingIdentity()
{
    if (!m_switched)
        return;
    setfsuid(0);
    setfsgid(getegid());
    // Root can always take its own groups back; a process that could not
    // would write with the user's groups, so it stops instead.
    if (setgroups(m_ownGroups.size(), m_ownGroups.data()) != 0 || setfsuid(static_cast<uid_t>(-1)) != 0)
        std::abort();
}
