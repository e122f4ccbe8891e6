// tbx: packs, unpacks and checks the program's data file.
#include "tools/tbx/TbxCommands.h"

#include <cstdio>
#include <cstring>

namespace {

void printUsage(std::FILE* stream) {
    std::fputs("usage: tbx pack <text> <tbx>     plain text to the scrambled data file\n"
               "       tbx unpack <tbx> <text>   scrambled data file to plain text\n"
               "       tbx check <tbx>           load the data file as the program does: list its\n"
               "                                 contents, or say why the program refuses it\n",
               stream);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "pack") == 0) {
        return runPack(argv[2], argv[3], stdout, stderr);
    }
    if (argc == 4 && std::strcmp(argv[1], "unpack") == 0) {
        return runUnpack(argv[2], argv[3], stdout, stderr);
    }
    if (argc == 3 && std::strcmp(argv[1], "check") == 0) {
        return runCheck(argv[2], stdout, stderr);
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        printUsage(stdout);
        return 0;
    }
    printUsage(stderr);
    return 2;
}
