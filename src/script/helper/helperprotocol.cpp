#include "helperprotocol.h"

#include <cstdint>

namespace helperprotocol {
namespace {

constexpr char requestTag = 'Q';
constexpr char replyTag = 'A';
constexpr char readyTag = 'R';
constexpr std::uint32_t protocolVersion = 3;

void putNumber(std::string &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xff);
}

void putField(std::string &out, const std::string &field)
{
    putNumber(out, static_cast<std::uint32_t>(field.size()));
    out += field;
}

// Walks a buffer and remembers whether it ran out or met something invalid.
class Reader
{
public:
    explicit Reader(std::string_view buffer)
        : m_buffer(buffer)
    {
    }

    bool tag(char expected)
    {
        if (!need(1))
            return false;
        if (m_buffer[m_pos] != expected) {
            m_status = DecodeStatus::malformed;
            return false;
        }
        ++m_pos;
        return true;
    }

    // One byte that must be one of `allowed`.
    bool byte(char &value, std::string_view allowed)
    {
        if (!need(1))
            return false;
        if (allowed.find(m_buffer[m_pos]) == std::string_view::npos) {
            m_status = DecodeStatus::malformed;
            return false;
        }
        value = m_buffer[m_pos++];
        return true;
    }

    bool number(std::uint32_t &value)
    {
        if (!need(4))
            return false;
        value = 0;
        for (int i = 0; i < 4; ++i)
            value |= std::uint32_t(static_cast<unsigned char>(m_buffer[m_pos + i])) << (8 * i);
        m_pos += 4;
        return true;
    }

    bool field(std::string &value, std::size_t limit)
    {
        std::uint32_t size = 0;
        if (!number(size))
            return false;
        if (size > limit) {
            m_status = DecodeStatus::malformed;
            return false;
        }
        if (!need(size))
            return false;
        value.assign(m_buffer.substr(m_pos, size));
        m_pos += size;
        return true;
    }

    Decoded finish() const
    {
        if (m_status != DecodeStatus::complete)
            return {m_status, 0};
        return {DecodeStatus::complete, m_pos};
    }

private:
    bool need(std::size_t count)
    {
        if (m_status != DecodeStatus::complete)
            return false;
        if (m_buffer.size() - m_pos < count) {
            m_status = DecodeStatus::incomplete;
            return false;
        }
        return true;
    }

    std::string_view m_buffer;
    std::size_t m_pos = 0;
    DecodeStatus m_status = DecodeStatus::complete;
};

} // namespace

std::string encode(const Request &request)
{
    std::string out(1, requestTag);
    out += static_cast<char>(request.kind);
    out += static_cast<char>(request.folder);
    putField(out, request.path);
    putField(out, request.text);
    putField(out, request.user);
    putField(out, request.home);
    return out;
}

const char *nameOf(RequestKind kind)
{
    switch (kind) {
    case RequestKind::makeFolder: return "make an install folder";
    case RequestKind::copyElement: return "copy a product element";
    case RequestKind::linkElement: return "link an element into the plug-ins folder";
    case RequestKind::writeFile: return "write a file in an element";
    case RequestKind::userCommand: return "run a command as the user";
    case RequestKind::giveBack: return "give the user's folders back";
    case RequestKind::endOfRun: return "end the run";
    }
    return "an unknown request";
}

std::string encode(const Reply &reply)
{
    std::string out(1, replyTag);
    putNumber(out, static_cast<std::uint32_t>(reply.status));
    putField(out, reply.out);
    putField(out, reply.err);
    return out;
}

std::string encodeReady()
{
    std::string out(1, readyTag);
    putNumber(out, protocolVersion);
    return out;
}

Decoded decode(std::string_view buffer, Request &request)
{
    Reader reader(buffer);
    Request decoded;
    char kind = 0, folder = 0;
    (void)(reader.tag(requestTag) && reader.byte(kind, "MCLWUGE") && reader.byte(folder, "MP")
           && reader.field(decoded.path, maxNameSize) && reader.field(decoded.text, maxTextSize)
           && reader.field(decoded.user, maxNameSize) && reader.field(decoded.home, maxNameSize));
    const Decoded result = reader.finish();
    if (result.status == DecodeStatus::complete) {
        decoded.kind = static_cast<RequestKind>(kind);
        decoded.folder = static_cast<InstallFolder>(folder);
        request = std::move(decoded);
    }
    return result;
}

Decoded decodeReady(std::string_view buffer)
{
    Reader reader(buffer);
    std::uint32_t version = 0;
    if (reader.tag(readyTag) && reader.number(version) && version != protocolVersion)
        return {DecodeStatus::malformed, 0};
    return reader.finish();
}

Decoded decode(std::string_view buffer, Reply &reply)
{
    Reader reader(buffer);
    Reply decoded;
    std::uint32_t status = 0;
    (void)(reader.tag(replyTag) && reader.number(status) && reader.field(decoded.out, maxOutputSize)
           && reader.field(decoded.err, maxOutputSize));
    const Decoded result = reader.finish();
    if (result.status == DecodeStatus::complete) {
        decoded.status = static_cast<int>(status);
        reply = std::move(decoded);
    }
    return result;
}

} // namespace helperprotocol
