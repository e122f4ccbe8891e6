#pragma once
// Reading and unscrambling the data file into text.
//
// The file stores each character as two bytes: the character's code plus 53
// (modulo 256), then a filler byte. The bytes are first put through the
// text-mode translation of a Windows C runtime (CR LF becomes LF, 0x1A ends the
// data), which this code does itself so that every platform reads the same
// text from the same file.
#include <cstddef>

constexpr int MAX_DATA_FILE_BYTES = 102400;
constexpr int MAX_DATA_TEXT = MAX_DATA_FILE_BYTES / 2;
constexpr int SCRAMBLE_OFFSET = 53;

// The unscrambled text: single bytes of the Windows-1252 code page. Zeros
// follow the last character up to the end of the buffer.
struct DataFileText {
    char chars[MAX_DATA_TEXT + 1] = {};
    int length = 0;
};

// Applies the text-mode translation to the stored bytes (at most the first
// MAX_DATA_FILE_BYTES are looked at) and unscrambles them into `text`, which is
// cleared first. Returns the number of characters, 0 for fewer than two
// delivered bytes.
int unscrambleData(const unsigned char* bytes, std::size_t byteCount, DataFileText& text);

// Opens the file in the process's current directory (".\" or "./" followed by
// fileName), reads it and unscrambles it. Returns the number of characters of
// text; 0 when the file cannot be opened or gives fewer than two bytes.
int ReadDataFile(const char* fileName, DataFileText& text);

// What reading a file found besides its text, for the data file tool's
// messages; the program needs only the character count.
struct DataFileReadInfo {
    bool opened = false;         // the file could be opened for reading
    bool longerThanRead = false; // it holds bytes beyond the first MAX_DATA_FILE_BYTES
};

// ReadDataFile's read of the file at `path`, taken as given: the first
// MAX_DATA_FILE_BYTES bytes through unscrambleData. The data file tool reads
// any path through this so that it sees exactly the program's text.
int readDataFileAt(const char* path, DataFileText& text, DataFileReadInfo* info = nullptr);
