#include "database/DataFileReader.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr unsigned char CR = 0x0D;
constexpr unsigned char LF = 0x0A;
constexpr unsigned char END_OF_DATA = 0x1A;

#ifdef _WIN32
constexpr const char* CURRENT_DIRECTORY = ".\\";
#else
constexpr const char* CURRENT_DIRECTORY = "./";
#endif

// Longest file name ReadDataFile accepts; a longer one cannot be opened.
constexpr std::size_t MAX_PATH_LENGTH = 1024;

} // namespace

int unscrambleData(const unsigned char* bytes, std::size_t byteCount, DataFileText& text) {
    std::memset(text.chars, 0, sizeof text.chars);
    text.length = 0;
    if (bytes == nullptr) {
        return 0;
    }

    // Only the first MAX_DATA_FILE_BYTES stored bytes are looked at. A CR that
    // is the last byte looked at is delivered as CR: the byte after it lies
    // beyond the limit and is never read, so it cannot turn the pair into LF.
    // Either way that last byte is a filler or the first half of a character
    // without its filler, so it never reaches the text. The delivered data is
    // never longer than the stored bytes looked at, so the text holds at most
    // MAX_DATA_TEXT characters.
    const std::size_t limit =
        byteCount < static_cast<std::size_t>(MAX_DATA_FILE_BYTES) ? byteCount : MAX_DATA_FILE_BYTES;

    std::size_t delivered = 0; // bytes delivered by the text-mode translation
    int length = 0;
    for (std::size_t i = 0; i < limit; ++i) {
        unsigned char byte = bytes[i];
        if (byte == END_OF_DATA) {
            break;
        }
        if (byte == CR && i + 1 < limit && bytes[i + 1] == LF) {
            byte = LF;
            ++i;
        }
        // Even offsets carry the characters, odd offsets are filler.
        if (delivered % 2 == 0) {
            text.chars[length] =
                static_cast<char>(static_cast<unsigned char>(byte - SCRAMBLE_OFFSET));
        } else {
            ++length;
        }
        ++delivered;
    }
    // A character whose filler was never delivered does not count (n / 2).
    if (delivered % 2 != 0) {
        text.chars[length] = 0;
    }
    text.length = length;
    return length;
}

int ReadDataFile(const char* fileName, DataFileText& text) {
    char path[MAX_PATH_LENGTH];
    const int pathLength =
        fileName == nullptr ? -1
                            : std::snprintf(path, sizeof path, "%s%s", CURRENT_DIRECTORY, fileName);
    if (pathLength < 0 || static_cast<std::size_t>(pathLength) >= sizeof path) {
        return readDataFileAt(nullptr, text); // clears the text, gives 0
    }
    return readDataFileAt(path, text);
}

int readDataFileAt(const char* path, DataFileText& text, DataFileReadInfo* info) {
    std::memset(text.chars, 0, sizeof text.chars);
    text.length = 0;
    if (info != nullptr) {
        *info = DataFileReadInfo{};
    }
    if (path == nullptr) {
        return 0;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return 0;
    }
    // The bytes are read as stored; unscrambleData applies the text-mode
    // translation itself, identically on every platform.
    static_assert(MAX_DATA_FILE_BYTES <= 128 * 1024, "the read buffer lives on the stack");
    unsigned char bytes[MAX_DATA_FILE_BYTES];
    const std::size_t byteCount = std::fread(bytes, 1, sizeof bytes, file);
    if (info != nullptr) {
        info->opened = true;
        // Only the tool asks; it warns that the rest of the file is never read.
        info->longerThanRead = byteCount == sizeof bytes && std::fgetc(file) != EOF;
    }
    std::fclose(file);

    return unscrambleData(bytes, byteCount, text);
}
