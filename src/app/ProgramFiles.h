#pragma once
// Where the program finds the files it ships beside itself (the manual, the examples): next to
// the program in a build folder, under the share folder once installed.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace umbrix {

/// The folder, below the installation prefix, that holds the program's shipped files.
inline constexpr std::string_view kSharedFilesFolder = "share/umbrix";

/// `name` beside the program when it is there, else under the installed share folder
/// (`programDir/../share/umbrix`) when it is there, else beside the program: the path a
/// "file absent" message then names.
std::filesystem::path LocateProgramFile(const std::filesystem::path& programDir,
                                        std::string_view name);

/// A bundled example project: its file and the first line of its comments, as a menu shows it.
struct ExampleProject {
  std::filesystem::path file;
  std::string title;
};

/// The example projects (".umd") of `folder`, in the order of their file names; a project
/// without comments takes its file name. A title longer than 70 characters keeps 70 and "...".
std::vector<ExampleProject> ListExamples(const std::filesystem::path& folder);

}  // namespace umbrix
