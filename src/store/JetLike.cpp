#include "store/JetLike.h"

#include <QChar>
#include <QList>

namespace tesorin::store {

char32_t foldCase(char32_t c) {
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

namespace {
std::vector<char32_t> foldedCodePoints(const QString& text) {
    std::vector<char32_t> out;
    out.reserve(std::size_t(text.size()));
    for (char32_t c : text.toUcs4())
        out.push_back(foldCase(c));
    return out;
}
} // namespace

std::optional<JetLikePattern> JetLikePattern::compile(const QString& pattern) {
    JetLikePattern compiled;
    const std::vector<char32_t> chars = foldedCodePoints(pattern);
    for (size_t i = 0; i < chars.size(); ++i) {
        Token token;
        token.kind = Token::Literal;
        switch (chars[i]) {
        case '*':
            token.kind = Token::AnyRun;
            break;
        case '?':
            token.kind = Token::OneChar;
            break;
        case '#':
            token.kind = Token::Digit;
            break;
        case '[': {
            size_t j = i + 1;
            token.kind = Token::Set;
            if (j < chars.size() && chars[j] == '!') {
                token.negated = true;
                ++j;
            }
            bool closed = false;
            // A ']' right after the opening (or after '!') is taken literally.
            bool first = true;
            for (; j < chars.size(); ++j) {
                if (chars[j] == ']' && !first) {
                    closed = true;
                    break;
                }
                first = false;
                if (j + 2 < chars.size() && chars[j + 1] == '-' && chars[j + 2] != ']') {
                    token.ranges.emplace_back(chars[j], chars[j + 2]);
                    j += 2;
                } else {
                    token.ranges.emplace_back(chars[j], chars[j]);
                }
            }
            if (!closed)
                return std::nullopt;
            i = j;
            break;
        }
        default:
            token.ch = chars[i];
            break;
        }
        // Consecutive '*' mean the same as one.
        if (token.kind == Token::AnyRun && !compiled.m_tokens.empty() &&
            compiled.m_tokens.back().kind == Token::AnyRun)
            continue;
        compiled.m_tokens.push_back(std::move(token));
    }
    return compiled;
}

bool JetLikePattern::tokenMatches(const Token& token, char32_t c) const {
    switch (token.kind) {
    case Token::Literal:
        return token.ch == c;
    case Token::OneChar:
        return true;
    case Token::Digit:
        return c >= '0' && c <= '9';
    case Token::Set: {
        bool inSet = false;
        for (const auto& [low, high] : token.ranges) {
            if (c >= low && c <= high) {
                inSet = true;
                break;
            }
        }
        return inSet != token.negated;
    }
    case Token::AnyRun:
        return false;
    }
    return false;
}

// Wildcard matching with one backtrack point per '*': linear for the usual
// "*text*" and never exponential.
bool JetLikePattern::matchesFolded(const std::vector<char32_t>& text) const {
    size_t t = 0, p = 0;
    size_t starToken = SIZE_MAX, starText = 0;
    while (t < text.size()) {
        if (p < m_tokens.size() && m_tokens[p].kind == Token::AnyRun) {
            starToken = p++;
            starText = t;
        } else if (p < m_tokens.size() && tokenMatches(m_tokens[p], text[t])) {
            ++p;
            ++t;
        } else if (starToken != SIZE_MAX) {
            p = starToken + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < m_tokens.size() && m_tokens[p].kind == Token::AnyRun)
        ++p;
    return p == m_tokens.size();
}

bool JetLikePattern::matches(const QString& value) const {
    return matchesFolded(foldedCodePoints(value));
}

bool JetLikePattern::matchesUtf8(const char* data, int size) const {
    std::vector<char32_t> text;
    text.reserve(size_t(size));
    bool ascii = true;
    for (int i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(data[i]) >= 0x80) {
            ascii = false;
            break;
        }
        text.push_back(foldCase(char32_t(data[i])));
    }
    if (!ascii)
        return matches(QString::fromUtf8(data, size));
    return matchesFolded(text);
}

} // namespace tesorin::store
