#include "banks/Banks.h"
#include "support/BankChecks.h"

#include <gtest/gtest.h>

namespace {

using Module1::QuestionBank;

class EveryBank : public ::testing::TestWithParam<QuestionBank> {};

TEST_P(EveryBank, StoresNothingForANumberWithoutAQuestion)
{
    testing_support::expectNothingStoredOutside(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Banks, EveryBank,
                         ::testing::Values(Module1::ch2Questions, Module1::ch3Questions, Module1::ch4Questions,
                                           Module1::ch5Questions, Module1::ch6Questions, Module1::ch7Questions,
                                           Module1::ch8Questions, Module1::ch9Questions, Module1::ch10Questions,
                                           Module1::ch11Questions));

} // namespace
