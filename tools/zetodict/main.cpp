// zetodict: builds, dumps and queries Zeto's dictionary files.
#include "tools/zetodict/Commands.h"
#include "tools/zetodict/ZetodictVersion.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void Usage(FILE* to)
{
    std::fputs("usage: zetodict build --from tsv|dictd INPUT... [--pivot ENG-X.index X-BUL.index]...\n"
               "                      [--supplement FILE.tsv] -o FILE.dat\n"
               "       zetodict explain ENG-BUL.index [--pivot ENG-X.index X-BUL.index]... WORD...\n"
               "       zetodict dump FILE.dat\n"
               "       zetodict lookup [--forms] FILE.dat [FILE.dat...] < queries\n"
               "       zetodict forms noun.exc verb.exc adj.exc adv.exc [--men-plurals index.noun] -o forms.dat\n"
               "       zetodict pronunciations DICT.index -o pron.dat\n"
               "       zetodict coverage [--forms] [--misses N] FILE.dat [FILE.dat...] < text\n"
               "       zetodict quality [--forms] [--misses] PANEL.tsv FILE.dat [FILE.dat...]\n"
               "       zetodict selections [--misses] SET.tsv FILE.dat [FILE.dat...]\n"
               "       zetodict --version\n", to);
}

} // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Our output is UTF-8 with LF line ends on every platform.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc < 2) {
        Usage(stderr);
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "--version") {
        std::printf("zetodict %s\n", WORDLUMO_VERSION);
        return 0;
    }
    if (command == "--help" || command == "-h") {
        Usage(stdout);
        return 0;
    }
    if (command == "build")
        return RunBuild(args, stderr);
    if (command == "dump")
        return RunDump(args, stdout, stderr);
    if (command == "lookup")
        return RunLookup(args, stdin, stdout, stderr);
    if (command == "forms")
        return RunForms(args, stderr);
    if (command == "pronunciations")
        return RunPronunciations(args, stderr);
    if (command == "explain")
        return RunExplain(args, stdout, stderr);
    if (command == "selections")
        return RunSelections(args, stdout, stderr);
    if (command == "quality")
        return RunQuality(args, stdout, stderr);
    if (command == "coverage")
        return RunCoverage(args, stdin, stdout, stderr);
    std::fprintf(stderr, "zetodict: unknown command %s\n", command.c_str());
    Usage(stderr);
    return 2;
}
