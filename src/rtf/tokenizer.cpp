#include "rtf/tokenizer.h"

#include <array>

namespace rtf {
namespace {

constexpr std::array<bool, 256> stopBytes = [] {
    std::array<bool, 256> stops{};
    stops[static_cast<unsigned char>('\\')] = true;
    stops[static_cast<unsigned char>('{')] = true;
    stops[static_cast<unsigned char>('}')] = true;
    stops[static_cast<unsigned char>('\r')] = true;
    stops[static_cast<unsigned char>('\n')] = true;
    return stops;
}();

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

Token token(TokenKind kind, std::string_view text = {})
{
    Token result;
    result.kind = kind;
    result.text = text;
    return result;
}

} // namespace

Token Tokenizer::next()
{
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            return token(TokenKind::GroupStart);
        case '}':
            ++m_pos;
            return token(TokenKind::GroupEnd);
        case '\r':
        case '\n':
            // Raw line breaks only wrap the source; they are not text.
            ++m_pos;
            continue;
        case '\\':
            return controlSequence();
        default: {
            const std::size_t start = m_pos;
            while (m_pos < m_data.size() && !stopBytes[static_cast<unsigned char>(m_data[m_pos])])
                ++m_pos;
            return token(TokenKind::Text, m_data.substr(start, m_pos - start));
        }
        }
    }
    return {};
}

Token Tokenizer::controlSequence()
{
    ++m_pos; // the backslash
    if (m_pos >= m_data.size())
        return {};
    const char c = m_data[m_pos];
    if (isLetter(c)) {
        // Words longer than RTF's 32 letters are read whole, so that the tail
        // never turns into text; no keyword matches them.
        const std::size_t start = m_pos;
        while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
            ++m_pos;
        Token word = token(TokenKind::ControlWord, m_data.substr(start, m_pos - start));
        bool negative = false;
        if (m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        if (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
            long long value = 0;
            while (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
                if (value < maxParameter)
                    value = value * 10 + (m_data[m_pos] - '0');
                ++m_pos;
            }
            if (value > maxParameter)
                value = maxParameter;
            word.hasParameter = true;
            word.parameter = static_cast<int>(negative ? -value : value);
        }
        if (m_pos < m_data.size() && m_data[m_pos] == ' ')
            ++m_pos; // the delimiter belongs to the word
        return word;
    }
    ++m_pos;
    switch (c) {
    case '\r':
    case '\n':
        // A backslash before a line break is a paragraph mark.
        return token(TokenKind::ControlWord, "par");
    case '\\':
    case '{':
    case '}':
        return token(TokenKind::Text, m_data.substr(m_pos - 1, 1));
    case '\'': {
        Token hex = token(TokenKind::HexByte);
        hex.valid = false;
        const int high = m_pos < m_data.size() ? hexValue(m_data[m_pos]) : -1;
        if (high < 0)
            return hex;
        ++m_pos;
        const int low = m_pos < m_data.size() ? hexValue(m_data[m_pos]) : -1;
        if (low < 0)
            return hex;
        ++m_pos;
        hex.byte = static_cast<unsigned char>(high * 16 + low);
        hex.valid = true;
        return hex;
    }
    default: {
        Token symbol = token(TokenKind::ControlSymbol);
        symbol.symbol = c;
        return symbol;
    }
    }
}

void Tokenizer::skipBytes(long long count)
{
    if (count <= 0)
        return;
    const std::size_t left = m_data.size() - m_pos;
    m_pos += static_cast<unsigned long long>(count) < left ? static_cast<std::size_t>(count) : left;
}

void Tokenizer::skipGroup()
{
    long long depth = 0;
    for (;;) {
        const Token item = next();
        switch (item.kind) {
        case TokenKind::End:
            return;
        case TokenKind::GroupStart:
            ++depth;
            break;
        case TokenKind::GroupEnd:
            if (depth == 0)
                return;
            --depth;
            break;
        case TokenKind::ControlWord:
            if (item.hasParameter && item.text == "bin")
                skipBytes(item.parameter);
            break;
        default:
            break;
        }
    }
}

} // namespace rtf
