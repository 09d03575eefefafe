#pragma once
// Runs the built umbrix-cli as a separate process and collects its exit status and output.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/GoldenFile.h"

namespace umbrix::testing {

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

/// The argument quoted for the shell.
inline std::string ShellQuoted(const std::string& arg) {
  std::string out = "'";
  for (char c : arg) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

struct CliRunResult {
  int status = -1;  // exit status, -1 when the process did not exit normally
  std::string out;
  std::string err;
};

/// Runs `UMBRIX_CLI_PATH args...` with its outputs captured in files of `scratch`; `environment`
/// goes before the command ("env -u NAME", "NAME=value"); with `inScratch` the program runs in
/// `scratch` as its current folder.
inline CliRunResult RunCliProcess(const std::vector<std::string>& args,
                                  const std::filesystem::path& scratch,
                                  const std::string& environment = "", bool inScratch = false) {
  std::string command = inScratch ? "cd " + ShellQuoted(scratch.string()) + " && " : "";
  // the French program whatever the desktop running the tests speaks; "--langue" still wins
  command += "LANGUAGE=fr " + environment + " " + ShellQuoted(UMBRIX_CLI_PATH);
  for (const std::string& a : args) command += " " + ShellQuoted(a);
  const std::filesystem::path out = scratch / "cli-stdout";
  const std::filesystem::path err = scratch / "cli-stderr";
  command +=
      " > " + ShellQuoted(out.string()) + " 2> " + ShellQuoted(err.string()) + " < /dev/null";
  const int raw = std::system(command.c_str());
  CliRunResult r;
  r.status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadBytes(out);
  r.err = ReadBytes(err);
  return r;
}

}  // namespace umbrix::testing
