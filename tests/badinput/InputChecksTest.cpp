// Purpose: the shared checks of numbers from outside: whole numbers never wrap and finite numbers
// never let nan, inf or an overflow through, whatever text they are given.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <ostream>
#include <string>

#include "host/InputLimits.h"

namespace {

// A whole number's text, the range it must fall in, and whether it is read (and as what).
struct WholeCase {
    const char* text;
    int64_t lo, hi;
    bool ok;
    int64_t value;
};

// Names a case by its text in test output.
void PrintTo(const WholeCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class WholeNumber : public ::testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumber, IsReadExactlyOrRefusedNeverWrapped) {
    const WholeCase& c = GetParam();
    int64_t v = -12345;
    std::string error;
    EXPECT_EQ(host::ParseWholeNumber(c.text, c.lo, c.hi, v, error), c.ok);
    if (c.ok)
        EXPECT_EQ(v, c.value);
    else
        EXPECT_EQ(v, -12345) << "a refused text leaves the value alone";
    if (!c.ok) EXPECT_FALSE(error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    InputChecks, WholeNumber,
    ::testing::Values(WholeCase{"5", 1, 10, true, 5}, WholeCase{"-32768", INT16_MIN, INT16_MAX, true, INT16_MIN},
                      WholeCase{"32768", INT16_MIN, INT16_MAX, false, 0},
                      WholeCase{"65538", INT16_MIN, INT16_MAX, false, 0},       // would wrap to 2
                      WholeCase{"4294967297", INT32_MIN, INT32_MAX, false, 0},  // would wrap to 1
                      WholeCase{"9223372036854775807", 0, INT64_MAX, true, INT64_MAX},
                      WholeCase{"9223372036854775808", 0, INT64_MAX, false, 0},  // past int64_t: refused, not clamped
                      WholeCase{"-99999999999999999999", INT64_MIN, INT64_MAX, false, 0},
                      WholeCase{"", 0, 10, false, 0}, WholeCase{"1e3", 0, 10000, false, 0},
                      WholeCase{"0x10", 0, 100, false, 0}, WholeCase{"7 ", 0, 10, false, 0},
                      WholeCase{"two", 0, 10, false, 0}));

TEST(InputChecks, FiniteNumbersRefuseNanInfOverflowAndMagnitudesPastTheLimit) {
    const char* refused[] = {"nan", "-nan", "NAN", "nan(1)", "inf", "-inf", "infinity", "1e309", "-1e999",
                             "1e300", "1000000.5", "", "1,5", "2m", "--1"};
    for (const char* text : refused) {
        double v = 7;
        std::string error;
        EXPECT_FALSE(host::ParseFiniteNumber(text, host::kMaxCoordinate, v, error)) << text;
        EXPECT_EQ(v, 7) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
    const struct {
        const char* text;
        double value;
    } accepted[] = {{"0", 0}, {"-2.5", -2.5}, {"1e6", 1e6}, {"-1e6", -1e6}, {"1e-300", 1e-300}, {".5", 0.5}};
    for (const auto& a : accepted) {
        double v = 7;
        std::string error;
        EXPECT_TRUE(host::ParseFiniteNumber(a.text, host::kMaxCoordinate, v, error)) << a.text << ": " << error;
        EXPECT_EQ(v, a.value) << a.text;
    }
    // The coordinate check agrees with the limit at its edge and refuses what is not finite.
    EXPECT_TRUE(host::CoordinateOk(host::kMaxCoordinate));
    EXPECT_FALSE(host::CoordinateOk(std::nextafter(host::kMaxCoordinate, INFINITY)));
    EXPECT_FALSE(host::CoordinateOk(NAN));
    EXPECT_FALSE(host::CoordinateOk(-INFINITY));
}

}  // namespace
