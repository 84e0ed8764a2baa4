#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace tesorin::store {

// A LIKE pattern as the program writes it: '*' any run of characters, '?' one
// character, '#' one digit, "[abc]", "[a-z]" and "[!abc]" one character of (or
// not of) a set. Letters match without regard to case.
class JetLikePattern {
public:
    // Empty optional when the pattern is malformed (an unclosed '[').
    static std::optional<JetLikePattern> compile(const QString& pattern);
    bool matches(const QString& value) const;
    bool matchesUtf8(const char* data, int size) const;

private:
    struct Token {
        enum Kind { Literal, AnyRun, OneChar, Digit, Set } kind = Literal;
        char32_t ch = 0;
        bool negated = false;
        std::vector<std::pair<char32_t, char32_t>> ranges;
    };
    bool matchesFolded(const std::vector<char32_t>& text) const;
    bool tokenMatches(const Token& token, char32_t c) const;
    std::vector<Token> m_tokens;
};

char32_t foldCase(char32_t c);

} // namespace tesorin::store
