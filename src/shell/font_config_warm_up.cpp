#include "shell/font_config_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace vantorel::shell {

// Without a thread the configuration is simply read later, by the first font.
FontConfigWarmUp::FontConfigWarmUp() {
  try {
    reader_ = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
  }
}

FontConfigWarmUp::~FontConfigWarmUp() { Wait(); }

void FontConfigWarmUp::Wait() {
  if (reader_.joinable()) reader_.join();
}

}  // namespace vantorel::shell
