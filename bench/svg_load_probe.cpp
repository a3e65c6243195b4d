// What linking Qt's SVG writer adds to every start: the time to load libQt6Svg into a
// process that has Qt Widgets running, beside libQt6PrintSupport, which the program
// loads anyway. Each load happens in a child of its own (a library loads once per
// process). Prints min/median/max of 20 children, in milliseconds.

#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double LoadInChild(const char* library) {
  int pipe_[2];
  if (pipe(pipe_) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    const auto start = std::chrono::steady_clock::now();
    const bool loaded = dlopen(library, RTLD_NOW | RTLD_GLOBAL) != nullptr;
    const double ms = std::chrono::duration<double, std::milli>(
                          std::chrono::steady_clock::now() - start).count();
    const double sent = loaded ? ms : -1;
    (void)!write(pipe_[1], &sent, sizeof sent);
    _exit(0);
  }
  double ms = -1;
  close(pipe_[1]);
  (void)!read(pipe_[0], &ms, sizeof ms);
  close(pipe_[0]);
  waitpid(child, nullptr, 0);
  return ms;
}

void Report(const char* library) {
  std::vector<double> times;
  for (int i = 0; i < 20; ++i) times.push_back(LoadInChild(library));
  std::sort(times.begin(), times.end());
  std::printf("%-28s min %.3f  median %.3f  max %.3f ms\n", library, times.front(),
              (times[9] + times[10]) / 2, times.back());
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QWidget window;  // Widgets in use, as at the program's start
  Report("libQt6Svg.so.6");
  Report("libQt6PrintSupport.so.6");
}
