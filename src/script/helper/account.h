#pragma once

#include "childprocess.h"

#include <optional>
#include <string>
#include <sys/types.h>

// The user who asked for the installation, as the user database knows them.
struct Account
{
    std::string name;
    std::string home;
    childprocess::Credentials credentials; // uid, primary gid, every group

    // The user named by PKEXEC_UID when pkexec started this process, else
    // the process's own real user. Absent when PKEXEC_UID is malformed or
    // the user is unknown.
    static std::optional<Account> invoking();
    static std::optional<Account> of(uid_t uid);
};
