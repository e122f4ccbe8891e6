#include "tools/tbx/Scrambler.h"

#include "database/DataFileReader.h"

namespace {

constexpr unsigned char CR = 0x0D;
constexpr unsigned char LF = 0x0A;
constexpr unsigned char END_OF_DATA = 0x1A;

unsigned char scramble(unsigned char c) {
    return static_cast<unsigned char>(c + SCRAMBLE_OFFSET);
}

} // namespace

std::vector<unsigned char> normaliseLineEnds(const unsigned char* bytes, std::size_t count) {
    std::vector<unsigned char> text;
    text.reserve(count + count / 16);
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] == CR || bytes[i] == LF) {
            if (bytes[i] == CR && i + 1 < count && bytes[i + 1] == LF) {
                ++i;
            }
            text.push_back(CR);
            text.push_back(LF);
        } else {
            text.push_back(bytes[i]);
        }
    }
    return text;
}

unsigned char chooseFiller(std::size_t index, unsigned char scrambled, int nextScrambled) {
    // A spread-out but fixed sequence, nudged past the few values that the
    // text-mode read would alter.
    auto filler = static_cast<unsigned char>((index * 151u + 0x5Bu) & 0xFFu);
    for (;;) {
        const bool endsData = filler == END_OF_DATA;
        const bool pairsWithCharacter = scrambled == CR && filler == LF;
        const bool pairsWithNext = filler == CR && nextScrambled == LF;
        if (!endsData && !pairsWithCharacter && !pairsWithNext) {
            return filler;
        }
        ++filler;
    }
}

bool scrambleText(const unsigned char* chars, std::size_t count, std::vector<unsigned char>& out,
                  PackProblem& problem) {
    out.clear();
    out.reserve(count * 2);
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char c = chars[i];
        if (scramble(c) == END_OF_DATA) {
            problem = PackProblem{line, column,
                                  "character 0xE5 cannot be stored: it scrambles to 0x1A, "
                                  "which ends the data"};
            return false;
        }
        if (c == 0) {
            problem = PackProblem{line, column,
                                  "character 0x00 cannot be stored: the program's text ends there"};
            return false;
        }
        const unsigned char scrambled = scramble(c);
        const int next = i + 1 < count ? scramble(chars[i + 1]) : -1;
        out.push_back(scrambled);
        out.push_back(chooseFiller(i, scrambled, next));

        if (c == LF || (c == CR && !(i + 1 < count && chars[i + 1] == LF))) {
            ++line;
            column = 1;
        } else if (c != CR) {
            ++column;
        }
    }
    return true;
}

bool packText(const unsigned char* bytes, std::size_t count, std::vector<unsigned char>& out,
              PackProblem& problem) {
    const std::vector<unsigned char> text = normaliseLineEnds(bytes, count);
    if (text.size() > static_cast<std::size_t>(MAX_DATA_TEXT)) {
        problem = PackProblem{0, 0,
                              "the text (with CR LF line ends) has more than 51200 characters, "
                              "more than the program reads"};
        out.clear();
        return false;
    }
    return scrambleText(text.data(), text.size(), out, problem);
}

bool survivesTextModeRead(const unsigned char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] == END_OF_DATA) {
            return false;
        }
        if (bytes[i] == CR && i + 1 < count && bytes[i + 1] == LF) {
            return false;
        }
    }
    return true;
}
