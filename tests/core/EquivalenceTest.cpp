#include <gtest/gtest.h>

#include <cfenv>
#include <string>

#include "Equivalence.h"
#include "Failure.h"
#include "FakeWindow.h"
#include "Module1.h"

namespace varnock {
namespace {

namespace eq = equivalence;
using Module1::strActual, Module1::strLR, Module1::strRef;

class Equivalence : public ::testing::Test {
 protected:
  void SetUp() override { strLR = strRef = strActual = ""; }
  FakeWindow window;
};

TEST_F(Equivalence, LoadAndFixedPairsStoreTheirTexts) {
  eq::Form_Load(window);
  EXPECT_EQ(strLR + " " + strRef + " " + strActual, "3 10 30");
  eq::Option2_Click(window, 0);
  EXPECT_EQ(strLR + " " + strRef, "0.2 30");
  eq::Option3_Click(window);
  EXPECT_EQ(strLR + " " + strRef, "0.1 45");
  eq::Option1_Click(window, 0);
  EXPECT_EQ(strLR + " " + strRef, "3 10");
  EXPECT_TRUE(window.actions.empty()) << "load and fixed pairs change no control";
}

TEST_F(Equivalence, OwnPairEnablesAsksFocusesThenCopies) {
  window.texts[Box::txtLR] = "2";
  window.texts[Box::txtRef] = "20";
  eq::Option4_Click(window, 0);
  const std::vector<std::string> expected = {
      "enable", "enable", "message Please input a leak rate and reference pressure into the text box", "focus"};
  EXPECT_EQ(window.actions, expected);
  EXPECT_EQ(strLR + " " + strRef, "2 20");
}

TEST_F(Equivalence, LeavingTheLeakRateBoxReformatsIt) {
  const struct {
    const char* typed;
    const char* after;
    int changes;
  } rows[] = {{"3", "3.0", 2}, {"2.5", "2.5", 1}, {"0.123456", "0.1235", 2}, {"abc", "abc", 1}, {"", "", 1}};
  for (const auto& row : rows) {
    FakeWindow w;
    w.texts[Box::txtLR] = "x";
    w.Type(Box::txtLR, row.typed);
    eq::txtLR_LostFocus(w);
    EXPECT_EQ(w.Text(Box::txtLR), row.after) << row.typed;
    EXPECT_EQ(strLR, row.after) << row.typed;
    EXPECT_EQ(w.lrChanges, row.changes) << row.typed;  // the typing, then at most one re-raise
  }
}

TEST_F(Equivalence, LeavingTheLeakRateBoxAfterAFixedPairKeepsTheEntry) {
  window.Type(Box::txtLR, "5");
  eq::txtLR_LostFocus(window);
  eq::Option1_Click(window, 0);
  eq::txtLR_LostFocus(window);  // Enter pressed in the box again, nothing typed
  EXPECT_EQ(window.Text(Box::txtLR), "5.0");
  EXPECT_EQ(strLR, "3");
}

struct Inputs {
  const char* lr;
  const char* ref;
  const char* actual;
};

void Calculate(FakeWindow& window, const Inputs& in) {
  strLR = in.lr;
  strRef = in.ref;
  strActual = in.actual;
  eq::cmdCalculate_Click(window);
}

TEST_F(Equivalence, Results) {
  const struct {
    Inputs in;
    const char* gal;
    const char* ml;
  } rows[] = {
      {{"3", "10", "30"}, "5.196", "327.7906"},      {{"0.2", "30", "30"}, "0.2", "12.6167"},
      {{"0.1", "45", "30"}, "0.082", "5.1507"},      {{"3", "10", "10"}, "3.0", "189.25"},
      {{"3", "10", "50"}, "6.708", "423.1759"},      {{"3", "10", "0"}, "0.0", "0.0"},
      {{"-3", "10", "30"}, "-5.196", "-327.7906"},   {{"3", "-10", "-30"}, "5.196", "327.7906"},
      {{"0.2", "30", "45"}, "0.245", "15.4522"},     {{"3", "-10", "0"}, "0.0", "0.0"},  // -0 ratio: its root is zero
      {{"3", "1e300", "1e-300"}, "0.0", "0.0"},                                          // underflow is not a failure
      {{" 3 ", "1e1", "3.0E1"}, "5.196", "327.7906"}};
  for (const auto& row : rows) {
    FakeWindow w;
    Calculate(w, row.in);
    EXPECT_EQ(w.Text(Box::txtELRgal), row.gal) << row.in.lr << " at " << row.in.ref << ", " << row.in.actual;
    EXPECT_EQ(w.Text(Box::txtELRml), row.ml) << row.in.lr << " at " << row.in.ref << ", " << row.in.actual;
  }
}

TEST_F(Equivalence, FailuresLeaveResultsAndValuesAlone) {
  const struct {
    Inputs in;
    FailureKind kind;
  } rows[] = {
      {{"3", "10", ""}, FailureKind::TypeMismatch},
      {{"abc", "abc", "abc"}, FailureKind::TypeMismatch},  // the equivalent pressure is read first
      {{"3", "", "30"}, FailureKind::TypeMismatch},
      {{"3", "10", "1e999"}, FailureKind::Overflow},
      {{"3", "1e999", "30"}, FailureKind::Overflow},
      {{"1e999", "10", "30"}, FailureKind::Overflow},
      {{"3", "0", "30"}, FailureKind::DivisionByZero},
      {{"abc", "0", "30"}, FailureKind::DivisionByZero},  // the division fails before the rate is read
      {{"3", "0", "0"}, FailureKind::Overflow},           // 0 / 0
      {{"3", "1e-300", "1e300"}, FailureKind::Overflow},  // ratio beyond the range
      {{"3", "10", "-30"}, FailureKind::InvalidArgument},
      {{"abc", "-10", "30"}, FailureKind::InvalidArgument},  // the root fails before the rate is read
      {{"", "10", "30"}, FailureKind::TypeMismatch},
      {{"abc", "10", "30"}, FailureKind::TypeMismatch},
      {{"1e300", "1e-100", "1e100"}, FailureKind::Overflow},  // gal beyond the range
      {{"1e305", "1", "1"}, FailureKind::Overflow},           // only gal x 3785 beyond it
  };
  for (const auto& row : rows) {
    FakeWindow w;
    w.texts[Box::txtELRgal] = "old gal";
    w.texts[Box::txtELRml] = "old ml";
    try {
      Calculate(w, row.in);
      ADD_FAILURE() << "no failure for " << row.in.lr << " at " << row.in.ref << ", " << row.in.actual;
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.kind(), row.kind) << row.in.lr << " at " << row.in.ref << ", " << row.in.actual;
    }
    EXPECT_EQ(w.Text(Box::txtELRgal), "old gal");
    EXPECT_EQ(w.Text(Box::txtELRml), "old ml");
    EXPECT_EQ(strLR + "|" + strRef + "|" + strActual, std::string(row.in.lr) + "|" + row.in.ref + "|" + row.in.actual);
  }
}

TEST_F(Equivalence, ReportsSayWhatIsWrongAndWhatToDoAndLeadToTheEntry) {
  const struct {
    Inputs in;
    const char* message;
    Box entry;
  } rows[] = {
      {{"3", "10", "abc"},
       "The equivalent pressure \"abc\" is not a number. Type a pressure in psi, such as 30.",
       Box::txtActual},
      {{"3", " \t", "30"}, "The reference pressure is empty. Type a pressure in psi, such as 10.", Box::txtRef},
      {{"3", "", ""}, "The equivalent pressure is empty. Type a pressure in psi, such as 30.", Box::txtActual},
      {{"x", "10", "30"}, "The leak rate \"x\" is not a number. Type a leak rate in gal/h, such as 0.2.", Box::txtLR},
      {{"3", "10", "45,5"},
       "The equivalent pressure \"45,5\" is not a number: use a point as the decimal mark (45.5, not 45,5) and no "
       "thousands separator. Type a pressure in psi, such as 30.",
       Box::txtActual},
      {{"3", "1e999", "30"},
       "The reference pressure \"1e999\" is too large a number. Type a pressure in psi, such as 10.",
       Box::txtRef},
      {{"3", "0", "30"},
       "The reference pressure \"0\" is zero, so there is no equivalent rate. Type a reference pressure other than 0.",
       Box::txtRef},
      {{"3", "1e-320", "30"},
       "The equivalent pressure \"30\" and the reference pressure \"1e-320\" are too far apart to divide: their ratio "
       "is too large a number. Type pressures closer in size.",
       Box::txtActual},
      {{"3", "10", "-30"},
       "The equivalent pressure \"-30\" and the reference pressure \"10\" have opposite signs, and a negative ratio "
       "has no square root. Type both pressures with the same sign (positive, as line pressures are).",
       Box::txtActual},
      {{"1e308", "1", "4"},
       "The equivalent leak rate for the leak rate \"1e308\" is too large a number. Type a smaller leak rate or "
       "equivalent pressure.",
       Box::txtLR}};
  for (const auto& row : rows) {
    FakeWindow w;
    try {
      Calculate(w, row.in);
      ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
      EXPECT_STREQ(failure.what(), row.message);
      EXPECT_EQ(failure.Entry(), row.entry) << row.message;
    }
  }
}

TEST_F(Equivalence, StaleFloatingPointFlagsDoNotFailACalculation) {
  std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  Calculate(window, {"3", "10", "30"});
  EXPECT_EQ(window.Text(Box::txtELRgal), "5.196");
}

TEST(Quoted, KeepsToOneLineAndShortensAtACharacterBoundary) {
  EXPECT_EQ(Quoted("abc"), "\"abc\"");
  // One line, in characters every font draws: CR LF is one break, and the note says what the marks are.
  EXPECT_EQ(Quoted("45\r\n\n50\x7f"), "\"45\u00b6\u00b650\u00b7\" (it holds line breaks, shown as \u00b6)");
  EXPECT_EQ(Quoted("4 5\u20286\t7"),
            "\"4 5\u00b66\u00bb7\" (it holds line breaks, shown as \u00b6; tabs, shown as \u00bb)");
  EXPECT_EQ(Quoted("\ufeff"
                   "4\u00a05\u202f"),
            "\"\u00b04\u00b05\u00b0\" (it holds no-break or other special spaces, shown as \u00b0)");
  const std::string longText = std::string(39, 'a') + "\xc3\xa9" + std::string(100, 'b');
  EXPECT_EQ(Quoted(longText), "\"" + std::string(39, 'a') + "\xe2\x80\xa6\"");
}

}  // namespace
}  // namespace varnock
