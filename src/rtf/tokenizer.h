#pragma once

#include <cstddef>
#include <string_view>

// Splits RTF bytes into groups, control words, control symbols and text.
// It never fails: whatever the bytes, every call makes progress and the
// stream ends with TokenKind::End.
namespace rtf {

enum class TokenKind {
    End,
    GroupStart,
    GroupEnd,
    ControlWord,   // `word`, with `parameter` when `hasParameter`
    ControlSymbol, // `symbol`: one of * ~ - _ | : and other non-letters
    HexByte,       // \'hh: `byte`, or nothing usable when `!valid`
    Text,          // `text`: bytes to show, never containing \ { } or a line break
};

struct Token
{
    TokenKind kind = TokenKind::End;
    std::string_view text; // the word of a ControlWord, the bytes of Text
    int parameter = 0;
    bool hasParameter = false;
    char symbol = 0;
    unsigned char byte = 0;
    bool valid = true;
};

class Tokenizer
{
public:
    // Parameters are saturated to this magnitude instead of overflowing.
    static constexpr int maxParameter = 1'000'000'000;

    explicit Tokenizer(std::string_view data)
        : m_data(data)
    {
    }

    Token next();

    // Passes over `count` bytes of \binN data, or to the end of the data.
    void skipBytes(long long count);

    // Passes over the rest of a group whose `{` has been read, up to and
    // including its `}`, honouring escaped braces, nested groups and \bin.
    void skipGroup();

private:
    Token controlSequence();

    std::string_view m_data;
    std::size_t m_pos = 0;
};

} // namespace rtf
