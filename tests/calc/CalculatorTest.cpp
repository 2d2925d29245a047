#include "calc/Calculator.h"
#include "CalcKeys.h"
#include "FakeDialogs.h"
#include "common/Codec.h"

#include <gtest/gtest.h>

namespace {

struct SequenceCase {
    const char* name;
    std::string keys;
    // The three displays.
    Text entry;      // 编辑框5
    Text expression; // 编辑框符号
    Text result;     // 编辑框结果
    // The operands and the last arithmetic result.
    Text first;
    Text second;
    Text resultText;
    // Zero-divisor messages shown on the way.
    int refusals = 0;
};

// Thirteen zeros after a one is 1e13, the first number written with an exponent; two hundred
// zeros twice multiplied overflow a double.
const std::string tenToThe13 = "1" + repeatedDigit('0', 13);
const std::string tenToThe200 = "1" + repeatedDigit('0', 200);
const std::string overflow = tenToThe200 + " * " + tenToThe200 + " =";

class CalculatorSequenceTest : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(CalculatorSequenceTest, LeavesDisplaysAndOperands) {
    const SequenceCase& c = GetParam();
    FakeDialogs dialogs;
    Calculator calculator(dialogs);
    calculator.startWithFirstOperand();

    pressKeys(calculator, c.keys);

    const CalcState& s = calculator.state();
    EXPECT_EQ(s.编辑框5, c.entry);
    EXPECT_EQ(s.编辑框符号, c.expression);
    EXPECT_EQ(s.编辑框结果, c.result);
    EXPECT_EQ(s.calcFirstOperand, c.first);
    EXPECT_EQ(s.calcSecondOperand, c.second);
    EXPECT_EQ(s.calcResultText, c.resultText);
    ASSERT_EQ(dialogs.boxes().size(), static_cast<std::size_t>(c.refusals));
    for (const DialogCall& box : dialogs.boxes()) {
        EXPECT_EQ(box.kind, DialogCall::Message);
        EXPECT_EQ(box.text, gbkFromUtf8("0不能做除数，请重新输入！"));
        EXPECT_EQ(box.title, gbkFromUtf8("提示："));
        EXPECT_EQ(box.style, MessageStyle::Ok);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, CalculatorSequenceTest,
    ::testing::Values(
        // name, keys, entry, expression, result, first, second, resultText, refusals
        SequenceCase{"nothing_pressed", "", "", "", "", "", "", ""},
        SequenceCase{"twelve_plus_three", "1 2 + 3 =", "3", "12+", "15", "15", "", "15"},
        SequenceCase{"next_operator_works_the_pending_one", "2 + 3 *", "", "5*", "5", "5", "", "5"},
        SequenceCase{"chain_left_to_right", "2 + 3 * 4 =", "4", "5*", "20", "20", "", "20"},
        SequenceCase{"one_third_to_thirteen_digits", "1 / 3 =", "3", "1/", "0.3333333333333",
                     "0.3333333333333", "", "0.3333333333333"},
        SequenceCase{"point_one_plus_point_two", "0 . 1 + 0 . 2 =", "0.2", "0.1+", "0.3", "0.3", "",
                     "0.3"},
        SequenceCase{"leading_zeros_typed_and_read", "0 0 7 + 1 =", "1", "007+", "8", "8", "", "8"},
        SequenceCase{"fourteen_digits_in_exponent_form", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 + 0 =", "0",
                     "12345678901234+", "1.234567890123e+013", "1.234567890123e+013", "",
                     "1.234567890123e+013"},
        SequenceCase{"operator_replaces_operator", "5 + * 2 =", "2", "5*", "10", "10", "", "10"},
        SequenceCase{"operator_on_empty_first_ignored", "- 5", "5", "", "", "5", "", ""},

        // Power: the operands stay, "＝" repeats, and the next operator chains on the base.
        SequenceCase{"ten_to_the_thirteen", "1 0 ^ 1 3 =", "13", "10^", "1e+013", "10", "13", ""},
        SequenceCase{"ten_to_the_thirteen_twice", "1 0 ^ 1 3 = =", "13", "10^", "1e+013", "10",
                     "13", ""},
        SequenceCase{"operator_after_power_chains_on_base", "1 0 ^ 1 3 = + 5 =", "5", "10+", "15",
                     "15", "", "15"},
        SequenceCase{"power_key_chains_but_keeps_entry", "2 + 3 ^", "3", "5^", "5", "5", "", "5"},
        SequenceCase{"power_key_chain_then_exponent", "2 + 3 ^ 2 =", "2", "5^", "25", "5", "2",
                     "5"},

        // Sine and cosine in degrees with the rounded pi.
        SequenceCase{"sine_thirty", "3 0 sin", "", "sin 30", "0.499999999987", "30", "", ""},
        SequenceCase{"cosine_ninety", "9 0 cos", "", "cos 90", "4.489659216976e-011", "90", "", ""},
        SequenceCase{"digit_after_function_clears_everything", "3 0 sin 4", "4", "", "", "4", "",
                     ""},
        SequenceCase{"operator_after_function_works_on_its_input", "3 0 sin + 2 =", "2", "30+",
                     "32", "32", "", "32"},
        SequenceCase{"function_reads_first_operand_while_second_typed", "5 + 3 sin", "", "sin 5",
                     "0.08715574274517", "5", "3", ""},
        SequenceCase{"equals_after_function_ignored", "5 + 3 sin =", "", "sin 5",
                     "0.08715574274517", "5", "3", ""},
        SequenceCase{"operator_after_function_keeps_old_second_operand", "5 + 3 sin + =", "", "5+",
                     "8", "8", "", "8"},

        // Zero divisor: refused, the second operand emptied, the division still pending.
        SequenceCase{"zero_divisor_typed", "5 / 0 =", "0", "5/", "", "5", "", "", 1},
        SequenceCase{"zero_divisor_empty", "5 / =", "", "5/", "", "5", "", "", 1},
        SequenceCase{"zero_divisor_negative_zero", "5 / 0 +/- =", "-0", "5/", "", "5", "", "", 1},
        SequenceCase{"zero_divisor_empties_shown_result", "1 + 1 = / 0 =", "0", "2/", "", "2", "",
                     "2", 1},
        SequenceCase{"new_divisor_appends_to_refused_zero", "5 / 0 = 2 =", "02", "5/", "2.5", "2.5",
                     "", "2.5", 1},
        SequenceCase{"zero_divisor_in_chain", "5 / 0 +", "", "5+", "", "5", "", "", 1},

        // Decimal point.
        SequenceCase{"point_on_empty_entry", ".", "", "", "", "", "", ""},
        SequenceCase{"second_point_ignored", "5 . .", "5.", "", "", "5", "", ""},
        SequenceCase{"point_copied_by_next_digit", "5 . 2", "5.2", "", "", "5.2", "", ""},

        // After "＝" the entry still shows the second operand, and digits extend it.
        SequenceCase{"digit_after_equals_extends_entry", "2 + 3 = 4", "34", "2+", "5", "5", "34",
                     "5"},
        SequenceCase{"equals_idle_when_expression_is_stale", "2 + 3 = 4 =", "34", "2+", "5", "5",
                     "34", "5"},
        SequenceCase{"operator_after_stale_equals", "2 + 3 = 4 +", "", "5+", "5", "5", "34", "5"},
        SequenceCase{"fresh_second_operand_after_stale_equals", "2 + 3 = 4 + 1 =", "1", "5+", "6",
                     "6", "", "6"},

        // Sign change and negative zero.
        SequenceCase{"sign_change_without_second_operand", "5 + +/-", "-0", "5+", "", "5", "-0",
                     ""},
        SequenceCase{"sign_change_of_zero", "0 +/-", "-0", "", "", "-0", "", ""},
        SequenceCase{"sign_change_of_empty_entry", "+/-", "-0", "", "", "-0", "", ""},
        SequenceCase{"sign_change_reformats", "0 0 7 +/-", "-7", "", "", "-7", "", ""},
        SequenceCase{"sign_change_twice", "5 +/- +/-", "5", "", "", "5", "", ""},
        SequenceCase{"negative_zero_result", "0 +/- - 0 =", "0", "-0-", "-0", "-0", "", "-0"},
        SequenceCase{"sign_change_after_function_clears", "3 0 sin +/-", "", "", "", "-0", "", ""},
        SequenceCase{"digit_replaces_that_negative_zero", "3 0 sin +/- 5", "5", "", "", "5", "",
                     ""},
        SequenceCase{"sign_change_to_exponent_form_read_back", tenToThe13 + " +/- + 1 =", "1",
                     "-1e+013+", "-9999999999999", "-9999999999999", "", "-9999999999999"},

        // Clear.
        SequenceCase{"clear_empties_everything", "1 + 2 = C", "", "", "", "", "", ""},
        SequenceCase{"operator_after_clear_ignored", "1 + 2 = C +", "", "", "", "", "", ""},

        // Results that are not finite numbers.
        SequenceCase{"negative_base_fractional_power", "8 +/- ^ 0 . 5 =", "0.5", "-8^", "nan", "-8",
                     "0.5", ""},
        SequenceCase{"zero_to_negative_power", "0 ^ 1 +/- =", "-1", "0^", "inf", "0", "-1", ""},
        SequenceCase{"negative_zero_to_negative_power", "0 +/- ^ 1 +/- =", "-1", "-0^", "-inf",
                     "-0", "-1", ""},
        SequenceCase{"overflow", overflow, "1" + std::string(200, '0'),
                     "1" + std::string(200, '0') + "*", "inf", "inf", "", "inf"},
        SequenceCase{"chain_on_overflow_stays_infinite", overflow + " + 1 =", "1", "inf+", "inf",
                     "inf", "", "inf"},
        SequenceCase{"overflow_times_zero", overflow + " * 0 =", "0", "inf*", "nan", "nan", "",
                     "nan"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
