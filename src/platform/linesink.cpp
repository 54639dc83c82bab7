#include "platform/linesink.h"

#include <cstdio>
#include <mutex>

namespace linesink {
namespace {

std::mutex &sinkMutex()
{
    static std::mutex m;
    return m;
}

Capture *activeCapture = nullptr;

} // namespace

void writeLine(const QString &line)
{
    const std::lock_guard lock(sinkMutex());
    if (activeCapture) {
        activeCapture->m_lines.append(line);
        return;
    }
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

Capture::Capture()
{
    const std::lock_guard lock(sinkMutex());
    m_outer = activeCapture;
    activeCapture = this;
}

Capture::~Capture()
{
    const std::lock_guard lock(sinkMutex());
    activeCapture = m_outer;
}

QStringList Capture::lines() const
{
    const std::lock_guard lock(sinkMutex());
    return m_lines;
}

} // namespace linesink
