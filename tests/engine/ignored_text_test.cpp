#include <gtest/gtest.h>

#include <string>

#include "engine/compiled_formula.h"
#include "engine/ignored_text.h"

namespace vantorel {
namespace {

struct NoticeCase {
  std::string formula;
  char separator;
  std::string notice;  // empty: the tail is a comment in words, or there is none
};

std::ostream& operator<<(std::ostream& out, const NoticeCase& c) { return out << c.formula; }

class IgnoredText : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(IgnoredText, IsNoticedUnlessItReadsAsWords) {
  const NoticeCase& c = GetParam();
  const std::size_t end =
      CompiledFormula::Compile(c.formula, c.separator, AngleMode::Radians).FormulaEnd();
  EXPECT_EQ(IgnoredTextNotice(c.formula, end), c.notice);
}

const std::string kLead(kIgnoredNoticeLead);

INSTANTIATE_TEST_SUITE_P(Slips, IgnoredText, ::testing::Values(
    NoticeCase{"2^3", '.', kLead + "\"^3\""},
    NoticeCase{"3^2+1", '.', kLead + "\"^2+1\""},
    NoticeCase{"2,5*4", '.', kLead + "\",5*4\""},
    NoticeCase{"2.5*4", ',', kLead + "\".5*4\""},
    NoticeCase{"2x", '.', kLead + "\"x\""},
    NoticeCase{"2 x", '.', kLead + "\"x\""},
    NoticeCase{"sin(x)cos(x)", '.', kLead + "\"cos(x)\""},
    NoticeCase{"sin(x) cos(x)  ", '.', kLead + "\"cos(x)\""},
    NoticeCase{"2*x  Pi/2", '.', kLead + "\"Pi/2\""},
    NoticeCase{"2*x 3*x", '.', kLead + "\"3*x\""},
    NoticeCase{"2*x#3", '.', kLead + "\"#3\""},
    NoticeCase{"sqrt(2) Sqrt2 instead", '.', kLead + "\"Sqrt2 instead\""},
    NoticeCase{"(1+2))", '.', kLead + "\")\""},
    NoticeCase{"1 " + std::string(50, '7'), '.', kLead + '"' + std::string(40, '7') + "\xE2\x80\xA6\""},
    // 39 bytes, then a two-byte character that would not fit whole.
    NoticeCase{"1^" + std::string(38, 'a') + "\xC3\xA9z", '.',
               kLead + "\"^" + std::string(38, 'a') + "\xE2\x80\xA6\""}));

INSTANTIATE_TEST_SUITE_P(Quiet, IgnoredText, ::testing::Values(
    NoticeCase{"2*x  the doubled value", '.', ""},
    NoticeCase{"2*x\tnote: in metres", '.', ""},
    NoticeCase{"Light*x  # distance in metres", '.', ""},
    NoticeCase{"2,5*4", ',', ""},
    NoticeCase{"2*x", '.', ""},
    NoticeCase{"2*x   ", '.', ""}));

}  // namespace
}  // namespace vantorel
