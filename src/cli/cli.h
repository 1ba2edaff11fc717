// zandrel-cli: the conversion engine for build scripts.
#pragma once

#include <cstdio>

namespace zandrel {

// Exit statuses.
enum : int {
    kExitAllConverted = 0,
    kExitSomeFailed = 1,   // a file was refused or its output could not be written
    kExitUsage = 2,
};

// Runs the tool on its arguments (argv[0] is the program name); reports go
// to out, errors and usage mistakes to err.
int RunCli(int argc, const char* const* argv, std::FILE* out, std::FILE* err);

}  // namespace zandrel
