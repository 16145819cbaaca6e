#include "cli/file_arguments.h"

#include <algorithm>

#include "exports/flight_export.h"

namespace flenmark::cli {
namespace {

bool Takes(const std::vector<std::string>& options, const std::string& option) {
    return std::find(options.begin(), options.end(), option) != options.end();
}

std::string KindsText(const std::vector<std::string>& extensions) {
    std::string text;
    for (size_t i = 0; i < extensions.size(); ++i)
        text += (i == 0 ? "" : i + 1 == extensions.size() ? " or " : ", ") + ("." + extensions[i]);
    return text;
}

}  // namespace

FileArguments ReadFileArguments(const std::vector<std::string>& args, const std::string& command,
                                const std::vector<std::string>& options,
                                const std::vector<std::string>& extensions) {
    FileArguments f;
    std::vector<std::string> paths;
    for (size_t i = 0; i < args.size() && f.error.empty(); ++i) {
        const std::string& a = args[i];
        if (a == "--name" && Takes(options, a) && i + 1 < args.size())
            f.name = args[++i];
        else if (a == "--name" && Takes(options, a))
            f.error = "--name: needs a value";
        else if (a == "--dark" && Takes(options, a))
            f.dark = true;
        else if (a == "--compact" && Takes(options, a))
            f.compact = true;
        else if (a.size() > 2 && a.compare(0, 2, "--") == 0)
            f.error = a + ": not an option of " + command;
        else
            paths.push_back(a);
    }
    if (!f.error.empty()) return f;
    if (paths.size() != 2) {
        f.error = command + " needs two files, LOG and OUT; " + std::to_string(paths.size()) +
                  (paths.size() == 1 ? " was" : " were") + " given";
        return f;
    }
    f.log = paths[0];
    f.out = paths[1];
    if (!extensions.empty() &&
        std::find(extensions.begin(), extensions.end(), FileExtension(f.out)) == extensions.end())
        f.error = f.out + ": " + command + " writes " + KindsText(extensions) + " files";
    return f;
}

}  // namespace flenmark::cli
