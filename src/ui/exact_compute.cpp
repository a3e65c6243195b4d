#include "ui/exact_compute.h"

#include <QCoreApplication>

#include <dlfcn.h>

namespace vantorel::ui {
namespace {

using ComputeEntry = void (*)(const ExactRequest&, ExactComputation&);

struct ExactModule {
  ComputeEntry entry = nullptr;
  std::string failure;
};

constexpr char kModuleName[] = "libvantorel-exact.so";

// An installed copy's module is found from the program's folder, a build's where the
// build made it. It stays open until the program ends.
ExactModule OpenModule() {
  ExactModule module;
  const QString installed = QCoreApplication::applicationDirPath() +
                            QStringLiteral("/" VANTOREL_EXACT_MODULE_DIR "/") +
                            QLatin1String(kModuleName);
  void* handle = dlopen(installed.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
  // The installed place's failure is the one to tell: the other is a build's.
  const char* why = handle ? nullptr : dlerror();
  const std::string failure = why ? why : "";
  if (!handle) handle = dlopen(VANTOREL_EXACT_MODULE_BUILT, RTLD_NOW | RTLD_LOCAL);
  if (handle) {
    module.entry = reinterpret_cast<ComputeEntry>(dlsym(handle, "vantorel_compute_exact"));
    if (!module.entry) why = dlerror();
  }
  if (!module.entry) {
    module.failure = "The exact arithmetic could not be loaded: " +
                     (handle && why ? std::string(why) : failure);
  }
  return module;
}

}  // namespace

ExactComputation ComputeExact(const std::string& formula, const std::string& xText,
                              char separator, AngleMode mode, int precision) {
  static const ExactModule module = OpenModule();  // thread-safe, once
  ExactComputation out;
  if (!module.entry) {
    out.shown = module.failure;
    return out;
  }
  module.entry(ExactRequest{formula, xText, separator, mode, precision}, out);
  return out;
}

}  // namespace vantorel::ui
