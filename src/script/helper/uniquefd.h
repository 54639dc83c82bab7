#pragma once

#include <fcntl.h>
#include <unistd.h>
#include <utility>

// Owns one file descriptor and closes it exactly once.
class UniqueFd
{
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd)
        : m_fd(fd)
    {
    }
    UniqueFd(UniqueFd &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    {
    }
    UniqueFd &operator=(UniqueFd &&other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.m_fd, -1));
        return *this;
    }
    UniqueFd(const UniqueFd &) = delete;
    UniqueFd &operator=(const UniqueFd &) = delete;
    ~UniqueFd() { reset(); }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd = -1;
};

// Both ends of a new pipe, each owned, neither inherited by a program this
// process starts.
struct Pipe
{
    UniqueFd reading;
    UniqueFd writing;

    // Both ends are invalid when no pipe could be made; errno says why.
    static Pipe open()
    {
        Pipe pipe;
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) == 0) {
            pipe.reading.reset(ends[0]);
            pipe.writing.reset(ends[1]);
        }
        return pipe;
    }

    bool valid() const { return reading.valid(); }
};
