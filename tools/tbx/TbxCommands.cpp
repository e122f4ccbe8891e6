#include "tools/tbx/TbxCommands.h"

#include "database/DataFileReader.h"
#include "database/RefrigerantDatabase.h"
#include "selection/DatabaseUsability.h"
#include "tools/tbx/Scrambler.h"

#include <memory>
#include <vector>

namespace {

constexpr double INCH_IN_MM = 25.4;

bool readWholeFile(const char* path, std::vector<unsigned char>& bytes, std::FILE* err) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        std::fprintf(err, "tbx: cannot open %s\n", path);
        return false;
    }
    bytes.clear();
    unsigned char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        std::fprintf(err, "tbx: cannot read %s\n", path);
        return false;
    }
    return true;
}

bool writeWholeFile(const char* path, const unsigned char* bytes, std::size_t count,
                    std::FILE* err) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        std::fprintf(err, "tbx: cannot create %s\n", path);
        return false;
    }
    const bool written = std::fwrite(bytes, 1, count, file) == count;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::fprintf(err, "tbx: cannot write %s\n", path);
        std::remove(path);
        return false;
    }
    return true;
}

// Reads the data file with the program's own reader, which looks at the
// first MAX_DATA_FILE_BYTES bytes only. False (with the message written) when
// the file cannot be opened; an empty text is for the caller to judge.
bool readDataText(const char* tbxPath, DataFileText& text, std::FILE* err) {
    DataFileReadInfo info;
    readDataFileAt(tbxPath, text, &info);
    if (!info.opened) {
        std::fprintf(err, "tbx: cannot open %s\n", tbxPath);
        return false;
    }
    if (info.longerThanRead) {
        std::fprintf(err,
                     "tbx: warning: %s is longer than %d bytes; the program reads only the "
                     "first %d\n",
                     tbxPath, MAX_DATA_FILE_BYTES, MAX_DATA_FILE_BYTES);
    }
    return true;
}

void printList(std::FILE* out, const char* label, const DiameterList& list, bool inches) {
    std::fprintf(out, "%s: %d values\n", label, list.count);
    for (int i = 0; i < list.count; ++i) {
        if (inches) {
            std::fprintf(out, "  %2d  %.4g in = %.4f mm\n", i + 1, list.values[i] / INCH_IN_MM,
                         list.values[i]);
        } else {
            std::fprintf(out, "  %2d  %.4g mm\n", i + 1, list.values[i]);
        }
    }
}

void printRefrigerant(std::FILE* out, int index, const RefrigerantRecord& r) {
    std::fprintf(out,
                 "  %2d  %-20s evaporating %g to %g C, condensing %g to %g C, "
                 "return gas %g to %g C\n",
                 index, r.name, r.evapMin, r.evapMax, r.condMin, r.condMax, r.returnGasMin,
                 r.returnGasMax);
    std::fputs("      B0..B9:", out);
    for (double b : r.flowCoefficients) {
        std::fprintf(out, " %g", b);
    }
    std::fputs("\n      A0..A3:", out);
    for (double a : r.divisorCoefficients) {
        std::fprintf(out, " %g", a);
    }
    std::fputc('\n', out);
}

} // namespace

int runPack(const char* textPath, const char* tbxPath, std::FILE* out, std::FILE* err) {
    std::vector<unsigned char> text;
    if (!readWholeFile(textPath, text, err)) {
        return 1;
    }
    std::vector<unsigned char> packed;
    PackProblem problem;
    if (!packText(text.data(), text.size(), packed, problem)) {
        if (problem.line > 0) {
            std::fprintf(err, "%s:%d:%d: %s\n", textPath, problem.line, problem.column,
                         problem.reason);
        } else {
            std::fprintf(err, "%s: %s\n", textPath, problem.reason);
        }
        return 1;
    }
    if (!writeWholeFile(tbxPath, packed.data(), packed.size(), err)) {
        return 1;
    }
    std::fprintf(out, "tbx: packed %s (%zu characters) into %s (%zu bytes)\n", textPath,
                 packed.size() / 2, tbxPath, packed.size());
    return 0;
}

int runUnpack(const char* tbxPath, const char* textPath, std::FILE* out, std::FILE* err) {
    auto text = std::make_unique<DataFileText>();
    if (!readDataText(tbxPath, *text, err)) {
        return 1;
    }
    if (text->length == 0) {
        std::fprintf(err, "tbx: %s gives no text (fewer than two bytes before the end of data)\n",
                     tbxPath);
        return 1;
    }
    if (!writeWholeFile(textPath, reinterpret_cast<const unsigned char*>(text->chars),
                        static_cast<std::size_t>(text->length), err)) {
        return 1;
    }
    std::fprintf(out, "tbx: unpacked %s into %s (%d characters)\n", tbxPath, textPath,
                 text->length);
    return 0;
}

int runCheck(const char* tbxPath, std::FILE* out, std::FILE* err) {
    auto text = std::make_unique<DataFileText>();
    if (!readDataText(tbxPath, *text, err)) {
        return 1;
    }
    // The program's own start-up decision, with its reason.
    auto db = std::make_unique<RefrigerantDatabase>();
    LoadFailure failure;
    if (!loadUsableDatabase(*text, *db, &failure)) {
        std::fprintf(err, "%s: %s\n", tbxPath, describeLoadFailure(failure).c_str());
        std::fprintf(err, "%s: the program refuses this file\n", tbxPath);
        return 1;
    }

    std::fprintf(out, "%s: loads (%d characters of text)\n", tbxPath, text->length);
    std::fprintf(out, "Version: %s\n",
                 db->databaseVersion[0] != 0 ? db->databaseVersion
                                             : "(empty line: the program keeps its own)");
    std::fprintf(out, "Title: %s\n", db->title);
    std::fprintf(out, "Target length: %g m\n", db->targetLength);
    std::fprintf(out, "Help lines: %d\n", db->helpLineCount);
    printList(out, "Europe diameters", db->europeDiameters, false);
    printList(out, "North America diameters", db->northAmericaDiameters, true);
    std::fprintf(out, "Refrigerants: %d\n", db->refrigerantCount);
    for (int i = 0; i < db->refrigerantCount; ++i) {
        printRefrigerant(out, i, db->refrigerants[i]);
    }
    return 0;
}
