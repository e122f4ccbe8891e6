#include "tests/core/TestDataFiles.h"

#include "tools/tbx/Scrambler.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

std::string testRecordLine(const std::string& name) {
    return recordLine(name,
                      {-40, -5, 25, 65, -20, 45, 0.3, 0, 0, 0, 0, 5.5, 0, 0, 0, 0, 100, 0, 0, 0});
}

std::string recordLine(const std::string& name, const std::vector<double>& fields) {
    std::string line = name;
    for (double value : fields) {
        char number[40];
        std::snprintf(number, sizeof number, ",%.17g", value);
        line += number;
    }
    return line;
}

std::string buildDataText(const DataTextParts& parts) {
    const std::string& end = parts.lineEnd;
    std::string text;
    if (parts.withHelp) {
        text += "[HELP]" + end;
        for (const std::string& line : parts.helpLines) {
            text += line + end;
        }
    }
    text += "[START]" + end;
    text += parts.title + end;
    text += parts.version + end;
    text += parts.targetLength + end;
    text += parts.europe + end;
    text += parts.northAmerica + end;
    text += parts.headings + end;
    for (const std::string& record : parts.records) {
        text += record + end;
    }
    return text;
}

std::vector<unsigned char> scrambleForTest(const std::string& text) {
    std::vector<unsigned char> bytes;
    PackProblem problem;
    if (!scrambleText(reinterpret_cast<const unsigned char*>(text.data()), text.size(), bytes,
                      problem)) {
        ADD_FAILURE() << "cannot scramble the test text: line " << problem.line << ", column "
                      << problem.column << ": " << problem.reason;
    }
    return bytes;
}

void setDataText(DataFileText& out, const std::string& text) {
    std::memset(out.chars, 0, sizeof out.chars);
    const std::size_t count =
        text.size() < static_cast<std::size_t>(MAX_DATA_TEXT) ? text.size() : MAX_DATA_TEXT;
    std::memcpy(out.chars, text.data(), count);
    out.length = static_cast<int>(count);
}

LoadedDatabase loadStoredBytes(const std::vector<unsigned char>& bytes, const char* presetVersion) {
    LoadedDatabase result;
    auto text = std::make_unique<DataFileText>();
    result.textLength = unscrambleData(bytes.data(), bytes.size(), *text);
    result.db = std::make_unique<RefrigerantDatabase>();
    std::snprintf(result.db->databaseVersion, sizeof result.db->databaseVersion, "%s",
                  presetVersion);
    result.loaded = ParseDatabase(*text, *result.db, &result.failure);
    return result;
}

LoadedDatabase loadText(const std::string& text, const char* presetVersion) {
    return loadStoredBytes(scrambleForTest(text), presetVersion);
}

bool writeBinaryFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::vector<unsigned char> readSourceFile(const std::string& relativePath) {
    std::vector<unsigned char> bytes;
    const std::string path = std::string(OLVANE_SOURCE_DIR) + "/" + relativePath;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return bytes;
    }
    unsigned char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    std::fclose(file);
    return bytes;
}
