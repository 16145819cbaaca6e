#include "base/folder_problem.h"

#include <cctype>
#include <filesystem>

#include "base/utf8_path.h"

namespace flenmark {

std::optional<os::FileProblem> FolderWriteProblem(const std::string& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(PathOf(folder), ec)) return os::FileProblem::Missing;
    const std::string probe = folder + "/.write-probe.tmp" + std::to_string(os::ProcessId());
    const os::File file = os::OpenForWriting(probe);
    if (file == os::kNoFile) return os::LastFileProblem();
    std::optional<os::FileProblem> problem;
    if (!os::Write(file, std::string(512, ' ')) || !os::Sync(file)) problem = os::LastFileProblem();
    os::Close(file);
    os::RemoveFile(probe);
    return problem;
}

std::string FolderProblemMessage(const std::string& what, const std::string& folder,
                                 os::FileProblem problem) {
    std::string named = what + " " + folder;
    if (problem == os::FileProblem::Full) return "The disk of " + named + " is full.";
    named[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(named[0])));
    switch (problem) {
        case os::FileProblem::Missing:
            return named + " does not exist and cannot be made.";
        case os::FileProblem::ReadOnly:
            return named + " is read-only.";
        default:
            return named + " cannot be written.";
    }
}

}  // namespace flenmark
