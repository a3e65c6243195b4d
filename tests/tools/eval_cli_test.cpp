#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vantorel::testing {
namespace {

struct EvalRun {
  int status = -1;  // the exit status, or -1 when the program did not exit normally
  std::string out;
  std::string err;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// `text` as one word for the shell.
std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// The built vantorel-eval with `args`, `input` on its standard input, and the NAME=VALUE
// entries of `settings` in its environment.
EvalRun RunEval(const std::vector<std::string>& args, const std::string& input = "",
                const std::vector<std::string>& settings = {"LC_ALL=C"}) {
  const std::string files = ::testing::TempDir() + "vantorel_eval_" + std::to_string(getpid());
  std::ofstream(files + ".in", std::ios::binary) << input;
  std::string command = "env";
  for (const std::string& setting : settings) command += ' ' + Quoted(setting);
  command += ' ' + Quoted(VANTOREL_EVAL_PATH);
  for (const std::string& arg : args) command += ' ' + Quoted(arg);
  command += " <" + Quoted(files + ".in") + " 2>" + Quoted(files + ".err");
  EvalRun run;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    run.out.append(buffer, n);
  }
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadFile(files + ".err");
  std::remove((files + ".in").c_str());
  std::remove((files + ".err").c_str());
  return run;
}

struct CliCase {
  std::vector<std::string> args;
  int status;
  std::string out;
};

std::ostream& operator<<(std::ostream& out, const CliCase& c) {
  for (const std::string& arg : c.args) out << '[' << arg << ']';
  return out;
}

class EvaluatesOneFormula : public ::testing::TestWithParam<CliCase> {};

TEST_P(EvaluatesOneFormula, WithItsExitStatus) {
  const CliCase& c = GetParam();
  const EvalRun run = RunEval(c.args);
  EXPECT_EQ(run.status, c.status) << run.err;
  if (c.status == 1) {
    EXPECT_EQ(run.err.rfind("error: ", 0), 0u) << run.err;
  } else if (c.status == 2) {
    EXPECT_NE(run.err.find("usage: vantorel-eval"), std::string::npos) << run.err;
  }
  EXPECT_EQ(run.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(Values, EvaluatesOneFormula, ::testing::Values(
    CliCase{{"1+2"}, 0, "3\n"}, CliCase{{"x"}, 0, "15\n"}, CliCase{{"--x", "4", "2*x"}, 0, "8\n"},
    CliCase{{"--x=-2.5", "x"}, 0, "-2.5\n"}, CliCase{{"--", "-x"}, 0, "-15\n"},
    CliCase{{"--precision", "1", "--", "-x/4"}, 0, "-3.8\n"},
    CliCase{{"--separator", ",", "--x", "1,5", "x*3"}, 0, "4,5\n"},
    CliCase{{"--separator", ",", "--precision", "2", "1/3"}, 0, "0,33\n"},
    CliCase{{"--x", "2.5", "x"}, 0, "2.5\n"}));  // "." where the locale is "C"

INSTANTIATE_TEST_SUITE_P(Failures, EvaluatesOneFormula, ::testing::Values(
    CliCase{{"1/0"}, 1, ""}, CliCase{{"2 +"}, 1, ""}, CliCase{{""}, 1, ""},
    CliCase{{"--separator", ",", "(1.5)"}, 1, ""}));

INSTANTIATE_TEST_SUITE_P(WrongUsage, EvaluatesOneFormula, ::testing::Values(
    CliCase{{"-x"}, 2, ""}, CliCase{{"1", "2"}, 2, ""}, CliCase{{"--x"}, 2, ""},
    CliCase{{"--x", "abc", "x"}, 2, ""}, CliCase{{"--x", "1", "--x", "2", "x"}, 2, ""},
    CliCase{{"--precision", "16", "x"}, 2, ""}, CliCase{{"--mode", "turns", "x"}, 2, ""},
    CliCase{{"--separator", ";", "x"}, 2, ""}, CliCase{{"--from", "0", "--to", "1", "x"}, 2, ""},
    CliCase{{"--from", "0", "--to", "1", "--step", "1"}, 2, ""},
    CliCase{{"--from", "0", "--to", "1", "--step", "0", "x"}, 2, ""},
    CliCase{{"--from", "0", "--to", "1", "--step", "-0.5", "x"}, 2, ""},
    // x near 1E30 does not change when 1 is added.
    CliCase{{"--from", "1E30", "--to", "2E30", "--step", "1", "x"}, 2, ""},
    CliCase{{"--from", "0", "--to", "1", "--step", "1E-30", "x"}, 2, ""}));

// Where the shortest digits would read back through long double to a neighbouring double,
// 17 digits stand in their place, written by the same rule as every other value: fixed
// unless exponent notation is shorter.
INSTANTIATE_TEST_SUITE_P(SeventeenDigits, EvaluatesOneFormula, ::testing::Values(
    CliCase{{"--", "-0.89754557587291794"}, 0, "-0.89754557587291794\n"},
    CliCase{{"0.018127655665137878"}, 0, "0.018127655665137878\n"},
    CliCase{{"--", "-0.00047308115230728487"}, 0, "-0.00047308115230728487\n"},
    CliCase{{"5946366931.2925215"}, 0, "5946366931.2925215\n"},
    CliCase{{"--separator", ",", "5946366931,2925215"}, 0, "5946366931,2925215\n"},
    CliCase{{"6.2842961952713254E+218"}, 0, "6.2842961952713254E+218\n"}));

struct WarnCase {
  std::vector<std::string> args;
  std::string input;
  std::string out;
  std::string err;
};

std::ostream& operator<<(std::ostream& out, const WarnCase& c) {
  for (const std::string& arg : c.args) out << '[' << arg << ']';
  return out;
}

class EvalWarn : public ::testing::TestWithParam<WarnCase> {};

// The value as without --warn; the notice on standard error, once per formula.
TEST_P(EvalWarn, TellsWhatTheFormulaIgnored) {
  const WarnCase& c = GetParam();
  const EvalRun run = RunEval(c.args, c.input);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(Notices, EvalWarn, ::testing::Values(
    WarnCase{{"--warn", "2^3"}, "", "2\n", "Ignored after the formula: \"^3\"\n"},
    WarnCase{{"--warn", "2,5*4"}, "", "2\n", "Ignored after the formula: \",5*4\"\n"},
    WarnCase{{"--warn", "2*x  the doubled value"}, "", "30\n", ""},
    WarnCase{{"2^3"}, "", "2\n", ""},
    WarnCase{{"--warn"}, "2x\n1/0 x\n3\n", "2\nerror: Division by zero\n3\n",
             "Ignored after the formula: \"x\"\n"},
    WarnCase{{"--warn", "--from", "1", "--to", "2", "--step", "1", "x x"}, "", "1\t1\n2\t2\n",
             "Ignored after the formula: \"x\"\n"}));

TEST(EvalBatch, PrintsOneLinePerFormulaWithFailuresInPlace) {
  const EvalRun run = RunEval({}, "1+1\n1/0\n\n2*3\r\nx");
  EXPECT_EQ(run.status, 1);
  std::istringstream lines(run.out);
  std::vector<std::string> got;
  for (std::string line; std::getline(lines, line);) got.push_back(line);
  ASSERT_EQ(got.size(), 5u) << run.out;
  EXPECT_EQ(got[0], "2");
  EXPECT_EQ(got[1].rfind("error: ", 0), 0u);
  EXPECT_EQ(got[2].rfind("error: ", 0), 0u);
  EXPECT_EQ(got[3], "6");
  EXPECT_EQ(got[4], "15");
}

TEST(EvalBatch, SucceedsWhenEveryLineDoes) {
  const EvalRun run = RunEval({"--separator", ",", "--x", "2"}, "1,5*2\nx/4\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "3\n0,5\n");
}

class EvalTable : public ::testing::TestWithParam<CliCase> {};

TEST_P(EvalTable, PrintsXAndValuePerLine) {
  const EvalRun run = RunEval(GetParam().args);
  EXPECT_EQ(run.status, GetParam().status) << run.err;
  EXPECT_EQ(run.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Ranges, EvalTable, ::testing::Values(
    CliCase{{"--from", "0", "--to", "1", "--step", "0.25", "x*4"}, 0,
              "0\t0\n0.25\t1\n0.5\t2\n0.75\t3\n1\t4\n"},
    // Ten steps of 0.1 reach 1 exactly, and 0.3 is 3 * 0.1, not 0.1 + 0.1 + 0.1.
    CliCase{{"--from", "0", "--to", "1", "--step", "0.1", "x"}, 0,
              "0\t0\n0.1\t0.1\n0.2\t0.2\n0.3\t0.3\n0.4\t0.4\n0.5\t0.5\n0.6\t0.6\n0.7\t0.7\n"
              "0.8\t0.8\n0.9\t0.9\n1\t1\n"},
    CliCase{{"--separator", ",", "--from", "1", "--to", "0", "--step", "-0,5", "x"}, 0,
              "1\t1\n0,5\t0,5\n0\t0\n"},
    CliCase{{"--from", "2", "--to", "2", "--step", "-1", "x"}, 0, "2\t2\n"},
    // As before tables were made in blocks; 5303 has 17 digits.
    CliCase{{"--from", "5301", "--to", "5304", "--step", "1", "sin(x)*cos(x)+sqrt(x)"}, 0,
              "5301\t73.19180431964097\n5302\t72.36374424829579\n5303\t72.813301198004993\n"
              "5304\t73.28664555124885\n"},
    CliCase{{"--from", "-2", "--to", "2", "--step", "0.75", "sin(x)*cos(x)+sqrt(abs(x))"}, 0,
              "-2\t1.7926148100270591\n-1.25\t0.8187979166979166\n-0.5\t0.28637128878259926\n"
              "0.25\t0.7397127693021015\n1\t1.4546487134128407\n1.75\t1.1474840416874854\n"}));

// More than a million lines, in order across the blocks they are made in.
TEST(EvalTable, HasNoLineLimit) {
  const EvalRun run = RunEval({"--from", "1", "--to", "1000001", "--step", "1", "x*2"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1000001);
  EXPECT_EQ(run.out.substr(0, 7), "1\t2\n2\t4");
  EXPECT_NE(run.out.find("\n16384\t32768\n16385\t32770\n"), std::string::npos);
  EXPECT_EQ(run.out.substr(run.out.size() - 16), "1000001\t2000002\n");
}

// 100,001 lines as the one-line-at-a-time table before wrote them, by a 64-bit FNV-1a
// hash: its 8 values that needed 17 digits are now in plain notation ("6.4864774041737006",
// not "6.4864774041737006E+0" at x = 40.93); every other byte is the same.
TEST(EvalTable, WritesTheSameTextAsBefore) {
  const EvalRun run =
      RunEval({"--from", "0", "--to", "1000", "--step", "0.01", "sin(x)*cos(x)+sqrt(x)"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 100001);
  EXPECT_NE(run.out.find("\n40.93\t6.4864774041737006\n"), std::string::npos);
  std::uint64_t hash = 0xcbf29ce484222325;
  for (unsigned char byte : run.out) hash = (hash ^ byte) * 0x100000001b3;
  EXPECT_EQ(hash, 0x92c5b3ab11c21b42u);
}

TEST(EvalTableFailures, StayInPlace) {
  const EvalRun run = RunEval({"--from", "-1", "--to", "1", "--step", "1", "1/x"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out.rfind("-1\t-1\n0\terror: ", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("\n1\t1\n"), std::string::npos) << run.out;
}

// Builds a locale whose decimal point is "," in a folder of its own, or gives "" where
// the C library's locale compiler is missing.
std::string CommaLocaleFolder() {
  const std::string folder =
      ::testing::TempDir() + "vantorel_comma_locale_" + std::to_string(getpid());
  std::ofstream(folder + ".def") << "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \"\"\n"
                                    "grouping -1\nEND LC_NUMERIC\n";
  // It warns about the categories left out, and builds the locale all the same.
  std::system(("mkdir -p " + folder + " && localedef -c -i " + folder + ".def " + folder +
               "/comma >/dev/null 2>&1").c_str());
  return std::ifstream(folder + "/comma/LC_NUMERIC") ? folder : "";
}

TEST(EvalRegionalSettings, GiveTheDefaultSeparator) {
  const std::string folder = CommaLocaleFolder();
  if (folder.empty()) GTEST_SKIP() << "localedef cannot build a locale here";
  const EvalRun run = RunEval({"--x", "2,5", "x*3"}, "", {"LOCPATH=" + folder, "LC_ALL=comma"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "7,5\n");
  std::filesystem::remove_all(folder);
  std::filesystem::remove(folder + ".def");
}

// --exact in every mode: one formula, a batch, a table read exactly, and the note on
// standard error for a result the precision's cap left undecided.
TEST(EvalExact, EveryModeGivesTheExactValue) {
  struct Case {
    std::vector<std::string> args;
    std::string input, out;
    int status;
  };
  const Case cases[] = {
      {{"--exact", "exp(1E-10)-1"}, "", "1.00000000005E-10\n", 0},
      {{"--exact", "--precision", "1", "0.7/2"}, "", "0.4\n", 0},
      {{"--exact", "--mode", "degrees", "--x", "30", "sin(x)-0.5"}, "", "0\n", 0},
      {{"--exact"}, "1E20+1-1E20\nsqrt(-1)\n", "1\nerror: Square root of a negative number\n", 1},
      {{"--exact", "--from", "0.1", "--to", "0.3", "--step", "0.1", "x*3-0.3"}, "",
       "0.1\t0\n0.2\t0.3\n0.3\t0.6\n", 0},
  };
  for (const Case& c : cases) {
    const EvalRun run = RunEval(c.args, c.input);
    EXPECT_EQ(run.out, c.out) << c.args.back();
    EXPECT_EQ(run.status, c.status) << c.args.back();
    EXPECT_EQ(run.err, "") << c.args.back();
  }
  const EvalRun undecided = RunEval({"--exact", "1/(sin(1)-sin(1))"});
  EXPECT_EQ(undecided.status, 1);
  EXPECT_NE(undecided.err.find("not certified"), std::string::npos) << undecided.err;
}

}  // namespace
}  // namespace vantorel::testing
