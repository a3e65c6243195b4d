#pragma once
// Runs the built vantorel-eval in a child process.

#include <string>
#include <vector>

namespace vantorel::testing {

struct EvalRun {
  int status = -1;  // the exit status, or -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// vantorel-eval with `args`, `input` on its standard input, and this process's
// environment with the NAME=VALUE entries of `settings` put in.
EvalRun RunEval(const std::vector<std::string>& args, const std::string& input = "",
                const std::vector<std::string>& settings = {"LC_ALL=C"});

}  // namespace vantorel::testing
