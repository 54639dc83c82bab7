#pragma once

#include "childprocess.h"

#include <string>
#include <vector>

// While it lives, files are opened with the identity of `user`: the file
// system's checks use that user's uid, gid and groups, so root opens only
// what the user could open. Only for a single-threaded process running as
// root; anywhere else it changes nothing, as the process already has no
// more rights than its user.
class ReadingIdentity
{
public:
    explicit ReadingIdentity(const childprocess::Credentials &user);
    ~ReadingIdentity();
    ReadingIdentity(const ReadingIdentity &) = delete;
    ReadingIdentity &operator=(const ReadingIdentity &) = delete;

    // False when the identity could not be taken; nothing may be opened then.
    bool held() const { return m_held; }

private:
    bool m_switched = false;
    bool m_held = true;
    std::vector<gid_t> m_ownGroups;
};
