#pragma once
// Runs a piece of the program in a child process: stopped after a time limit, so that a call that
// would block fails the test instead of hanging it, and, where the test needs rights that root
// would bypass, as the user "nobody".
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <functional>
#include <optional>
#include <string>

namespace vardo::testing {

struct ChildOutcome {
    bool finished = false;  // ended by itself within the limit
    std::string output;     // what the body returned, or the text of what it threw
};

struct OtherUser {
    uid_t uid;
    gid_t gid;
};

// The user the permission tests run as: "nobody" when this process is root (root would write
// anything), nothing when it is already an ordinary user. Empty optional and a reason in `why`
// when root has no such user to become.
inline std::optional<OtherUser> permissionTestUser(std::string& why, bool& asSelf) {
    asSelf = ::geteuid() != 0;
    if (asSelf) return OtherUser{::geteuid(), ::getegid()};
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr) {
        why = "running as root and there is no user \"nobody\" to run the permission test as";
        return std::nullopt;
    }
    return OtherUser{nobody->pw_uid, nobody->pw_gid};
}

inline ChildOutcome runInChild(const std::function<std::string()>& body, unsigned seconds,
                               std::optional<OtherUser> user = std::nullopt) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        if (user && ::geteuid() != user->uid &&
            (::setgroups(0, nullptr) != 0 || ::setgid(user->gid) != 0 ||
             ::setuid(user->uid) != 0)) {
            ::_exit(3);
        }
        ::alarm(seconds);
        std::string output;
        try {
            output = body();
        } catch (const std::exception& e) {
            output = e.what();
        }
        for (std::size_t done = 0; done < output.size();) {
            const ssize_t n = ::write(ends[1], output.data() + done, output.size() - done);
            if (n <= 0) ::_exit(4);
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(ends[1]);
    ChildOutcome outcome;
    char buffer[4096];
    for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0) break;
        outcome.output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    outcome.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return outcome;
}

}  // namespace vardo::testing
