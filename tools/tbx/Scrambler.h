#pragma once
// Turning plain text into the scrambled data file format.
//
// Each character is stored as two bytes: the character's code plus 53
// (modulo 256), then a filler byte. The program reads the file through a
// text-mode translation (CR LF becomes LF, 0x1A ends the data), so no stored
// byte may be 0x1A and no two neighbouring bytes may be 0x0D 0x0A. The
// fillers are chosen to keep that true and are a fixed function of the
// position, so packing the same text always gives the same file.
#include <cstddef>
#include <vector>

// Where and why a text cannot be packed. `line` and `column` count from 1
// (both 0 when the problem concerns the whole text).
struct PackProblem {
    int line = 0;
    int column = 0;
    const char* reason = "";
};

// The line ends of the data file are CR LF: a CR LF pair, a lone LF and a
// lone CR each become CR LF. Everything else is kept byte for byte.
std::vector<unsigned char> normaliseLineEnds(const unsigned char* bytes, std::size_t count);

// The filler byte stored after the scrambled character `scrambled` at
// character index `index`. `nextScrambled` is the scrambled character that
// follows the filler, or -1 at the end of the file.
unsigned char chooseFiller(std::size_t index, unsigned char scrambled, int nextScrambled);

// Scrambles `count` characters exactly as given (no line-end conversion)
// into `out`. Fails on a character the format cannot hold: 0xE5, which
// scrambles to the end-of-data byte 0x1A, and 0x00, at which the program's
// text ends.
bool scrambleText(const unsigned char* chars, std::size_t count, std::vector<unsigned char>& out,
                  PackProblem& problem);

// What `tbx pack` does: normaliseLineEnds, then scrambleText. Also fails
// when the text is longer than the program reads (51200 characters).
bool packText(const unsigned char* bytes, std::size_t count, std::vector<unsigned char>& out,
              PackProblem& problem);

// True when the text-mode read delivers the stored bytes unchanged: no byte
// 0x1A and no pair 0x0D 0x0A.
bool survivesTextModeRead(const unsigned char* bytes, std::size_t count);
