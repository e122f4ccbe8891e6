// refgen: derives the refrigerant data of the program from the property
// tables and the capillary model, and writes data/Olvane.txt,
// docs/refrigerant-data.md and docs/plots/*.svg.
//
//   refgen <project folder>          write the files
//   refgen --check <project folder>  compare them with what would be written;
//                                    exit status 1 when any differs
#include "tools/refgen/Generator.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {

bool readFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out);
}

void makeFolders(const std::string& path) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
}

// First differing line, for the check's message.
int firstDifferentLine(const std::string& a, const std::string& b) {
    int line = 1;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i]) {
            return line;
        }
        if (a[i] == '\n') {
            ++line;
        }
    }
    return line;
}

} // namespace

int main(int argc, char** argv) {
    bool check = false;
    std::string root;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0) {
            check = true;
        } else {
            root = argv[i];
        }
    }
    if (root.empty()) {
        std::fprintf(stderr, "usage: refgen [--check] <project folder>\n");
        return 2;
    }
    const unsigned hardware = std::thread::hardware_concurrency();
    const int threads = hardware >= 2 ? 2 : 1;
    std::vector<OutputFile> files;
    std::string error;
    if (!generateOutputs(root, threads, files, error)) {
        std::fprintf(stderr, "refgen: %s\n", error.c_str());
        return 2;
    }
    int differing = 0;
    for (const OutputFile& f : files) {
        const std::string path = root + "/" + f.path;
        if (check) {
            std::string shipped;
            if (!readFile(path, shipped)) {
                std::fprintf(stderr, "refgen: %s is missing\n", f.path.c_str());
                ++differing;
            } else if (shipped != f.content) {
                std::fprintf(stderr, "refgen: %s differs from the generated file (line %d)\n",
                             f.path.c_str(), firstDifferentLine(shipped, f.content));
                ++differing;
            }
            continue;
        }
        makeFolders(path);
        if (!writeFile(path, f.content)) {
            std::fprintf(stderr, "refgen: cannot write %s\n", path.c_str());
            return 2;
        }
        std::printf("wrote %s\n", f.path.c_str());
    }
    if (check) {
        if (differing > 0) {
            std::fprintf(stderr, "refgen: %d file(s) differ; run `make data` and commit them\n",
                         differing);
            return 1;
        }
        std::printf("refgen: all %zu generated files match\n", files.size());
    }
    return 0;
}
