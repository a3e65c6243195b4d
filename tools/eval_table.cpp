#include "eval_table.h"

#include <algorithm>
#include <exception>
#include <future>
#include <optional>
#include <string>

#include "editing/number_syntax.h"
#include "engine/compiled_formula.h"

namespace vantorel {
namespace {

// Lines are formatted and written in blocks of this many: large writes, and memory that
// does not grow with the table.
constexpr std::int64_t kBlockLines = 16384;

// The formula compiled once for the whole table, or the message of its failure, which
// then stands on every line as it would for each x alone.
struct TableFormula {
  std::optional<CompiledFormula> formula;
  std::string failure;
};

TableFormula CompileOnce(const EvalOptions& options) {
  TableFormula compiled;
  try {
    compiled.formula = CompiledFormula::Compile(*options.formula, options.separator, options.mode);
  } catch (const std::exception& failure) {  // TMathExpr, or running out of memory
    compiled.failure = std::string("error: ") + failure.what();
  }
  return compiled;
}

void AppendShortest(std::string& text, double value, char separator) {
  char buffer[kShortestTextSize];
  text.append(buffer, WriteShortestText(buffer, value, separator));
}

// The value's text, or the failure's message; true when there is a value.
bool AppendValue(std::string& text, const TableFormula& compiled, const EvalOptions& options,
                 long double x) {
  if (!compiled.formula) {
    text += compiled.failure;
    return false;
  }
  try {
    const double value = compiled.formula->Calculate(x);
    if (options.precision) {
      text += FormatResult(value, *options.precision, options.separator);
    } else {
      AppendShortest(text, value, options.separator);
    }
    return true;
  } catch (const std::exception& failure) {
    text += std::string("error: ") + failure.what();
    return false;
  }
}

struct Block {
  std::string text;
  bool allOk = true;
};

// Lines `first` to `last` - 1. x is From + i * Step, not Step added again and again, so
// that no error builds up and any block can be made on its own.
Block MakeBlock(const TableFormula& compiled, const EvalOptions& options, std::int64_t first,
                std::int64_t last) {
  const TableRange& table = *options.table;
  Block block;
  block.text.reserve(static_cast<std::size_t>(last - first) * 48);
  for (std::int64_t i = first; i < last; ++i) {
    const long double x = table.from + static_cast<long double>(i) * table.step;
    AppendShortest(block.text, static_cast<double>(x), options.separator);
    block.text += '\t';
    block.allOk = AppendValue(block.text, compiled, options, x) && block.allOk;
    block.text += '\n';
  }
  return block;
}

}  // namespace

// The lines are independent, so a second thread makes every other block while this one
// makes its own and writes both in order.
bool WriteTable(const EvalOptions& options, std::FILE* out) {
  const TableFormula compiled = CompileOnce(options);
  const std::int64_t lines = options.table->lines;
  const auto make = [&](std::int64_t first) {
    return MakeBlock(compiled, options, first, std::min(lines, first + kBlockLines));
  };
  bool allOk = true;
  bool written = true;
  std::future<Block> ahead = std::async(std::launch::async, make, 0);
  for (std::int64_t first = 0; first < lines && written; first += 2 * kBlockLines) {
    const Block own = first + kBlockLines < lines ? make(first + kBlockLines) : Block{};
    const Block other = ahead.get();
    if (first + 2 * kBlockLines < lines) {
      ahead = std::async(std::launch::async, make, first + 2 * kBlockLines);
    }
    for (const Block* block : {&other, &own}) {
      written = written && std::fwrite(block->text.data(), 1, block->text.size(), out) ==
                               block->text.size();
      allOk = allOk && block->allOk;
    }
  }
  return allOk;
}

}  // namespace vantorel
