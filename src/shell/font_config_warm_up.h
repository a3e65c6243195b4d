#pragma once
// Reading the system's font configuration is a good part of the program's start, and the
// window needs it before it can show. It is read on a second thread while the application
// object connects to the display, and is ready when the first font is wanted.

#include <thread>

namespace vantorel::shell {

class FontConfigWarmUp {
 public:
  FontConfigWarmUp();
  ~FontConfigWarmUp();
  FontConfigWarmUp(const FontConfigWarmUp&) = delete;
  FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

  // Returns once the configuration is read; call before anything measures or draws text.
  void Wait();

 private:
  std::thread reader_;
};

}  // namespace vantorel::shell
