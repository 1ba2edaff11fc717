// zandrel-cli's entry: the ANSI code page for paths, then RunCli.
#include <cstdio>

#ifdef _WIN32
#include <mbctype.h>
#endif

#include "cli/cli.h"

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Paths arrive in the ANSI code page; search them by its characters.
    _setmbcp(_MB_CP_ANSI);
#endif
    return zandrel::RunCli(argc, argv, stdout, stderr);
}
