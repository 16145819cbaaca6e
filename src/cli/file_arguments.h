#pragma once

#include <string>
#include <vector>

namespace flenmark::cli {

// The arguments of the commands that turn a log into a file: LOG OUT and their options.
struct FileArguments {
    std::string log;
    std::string out;
    std::string name;      // --name NAME, when the command takes a name
    bool dark = false;     // --dark, when the command draws
    bool compact = false;  // --compact, when the command converts
    std::string error;     // what is wrong, naming the argument and the reason; empty when right
};

// Reads `args` of `command`; `options` are the options it takes ("--name", "--dark") and
// `extensions` the kinds of OUT it writes (lower case, empty: any).
FileArguments ReadFileArguments(const std::vector<std::string>& args, const std::string& command,
                                const std::vector<std::string>& options,
                                const std::vector<std::string>& extensions);

}  // namespace flenmark::cli
