#include "eval_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace vantorel::testing {

namespace {

std::string TempPath(const char* name) {
  return "/tmp/vantorel_eval_test_" + std::to_string(getpid()) + "_" + name;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool SetsSameName(const std::vector<std::string>& settings, std::string_view variable) {
  const std::string_view name = variable.substr(0, variable.find('=') + 1);
  for (const std::string& setting : settings) {
    if (setting.compare(0, name.size(), name) == 0) return true;
  }
  return false;
}

std::vector<std::string> Environment(const std::vector<std::string>& settings) {
  std::vector<std::string> variables = settings;
  for (char** v = environ; *v; ++v) {
    if (!SetsSameName(settings, *v)) variables.emplace_back(*v);
  }
  return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

int Spawn(std::vector<std::string> argv, std::vector<std::string> env, const std::string& in,
          const std::string& out, const std::string& err) {
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t child = 0;
  const int failed = posix_spawn(&child, argv[0].c_str(), &files, nullptr,
                                 Pointers(argv).data(), Pointers(env).data());
  posix_spawn_file_actions_destroy(&files);
  if (failed) throw std::runtime_error("cannot start " + argv[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

EvalRun RunEval(const std::vector<std::string>& args, const std::string& input,
                const std::vector<std::string>& settings) {
  const std::string in = TempPath("in"), out = TempPath("out"), err = TempPath("err");
  std::ofstream(in, std::ios::binary) << input;
  std::vector<std::string> argv = {VANTOREL_EVAL_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  EvalRun run;
  run.status = Spawn(argv, Environment(settings), in, out, err);
  run.out = ReadFile(out);
  run.err = ReadFile(err);
  for (const std::string& path : {in, out, err}) std::remove(path.c_str());
  return run;
}

}  // namespace vantorel::testing
