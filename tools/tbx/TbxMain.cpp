// tbx: packs, unpacks and checks the program's data file.
#include "tools/tbx/TbxCommands.h"

#include <cstdio>
#include <cstring>

namespace {

void PrintUsage(std::FILE* stream) {
    std::fputs("usage: tbx pack <text> <tbx>     plain text to the scrambled data file\n"
               "       tbx unpack <tbx> <text>   scrambled data file to plain text\n"
               "       tbx check <tbx>           load the data file and list its contents\n",
               stream);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "pack") == 0) {
        return RunPack(argv[2], argv[3], stdout, stderr);
    }
    if (argc == 4 && std::strcmp(argv[1], "unpack") == 0) {
        return RunUnpack(argv[2], argv[3], stdout, stderr);
    }
    if (argc == 3 && std::strcmp(argv[1], "check") == 0) {
        return RunCheck(argv[2], stdout, stderr);
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(stdout);
        return 0;
    }
    PrintUsage(stderr);
    return 2;
}
