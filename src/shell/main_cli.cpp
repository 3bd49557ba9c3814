// annals-cli: the game without a window.
#include "shell/cli.h"
#include "shell/program.h"
#include "state/state.h"

#include <cstdio>

using namespace annals;

int main(int argc, char** argv) {
    gameFolder = GameFolderFromPath(ProgramPath(argc > 0 ? argv[0] : nullptr), CurrentDirectory());
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string out, err;
    const int code = RunCli(args, out, err, /*recordsFresh=*/true);
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
    return code;
}
