#include "eval_warn.h"

#include <cstdio>
#include <exception>
#include <string>

#include "engine/compiled_formula.h"
#include "engine/ignored_text.h"

namespace vantorel {

void WarnIgnored(const EvalOptions& options, std::string_view formula) {
  std::string notice;
  try {
    const std::size_t end =
        CompiledFormula::Compile(formula, options.separator, options.mode).FormulaEnd();
    notice = IgnoredTextNotice(formula, end);
  } catch (const std::exception&) {
    return;
  }
  if (!notice.empty()) std::fprintf(stderr, "%s\n", notice.c_str());
}

}  // namespace vantorel
