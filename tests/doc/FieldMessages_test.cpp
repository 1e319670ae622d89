#include "doc/FieldMessages.h"

#include <gtest/gtest.h>

#include <string>

#include "model/IDCode.h"
#include "model/MessageText.h"
#include "model/NewService.h"

using namespace kelvo;
using kelvo::test::messageTexts;

namespace {

TEST(FieldMessages, EachProblemIsToldInTheOrderFound) {
    EXPECT_TRUE(fieldCheck(checkTypedIDCode("a1b2", 16), 16, 2).Messages.empty());
    const FieldCheck code = fieldCheck(checkTypedIDCode("0123G56789ABCDEF01", 16), 16, 2);
    EXPECT_EQ(code.Text, "0123G56789ABCDEF");
    EXPECT_EQ(messageTexts(code.Messages),
              "Invalid ID Code Length: Max Length is 16; "
              "Invalid ID Code: Valid chars are 0..9 and A..F!; ");

    EXPECT_EQ(messageTexts(fieldCheck(checkPriceEntry("12345.678", 2), 0, 2).Messages),
              "Invalid data: Price is too big, maximal price is 9999.99!; "
              "Invalid data: Maximal 2 decimals are allowed!; ");
    EXPECT_EQ(messageTexts(fieldCheck(checkPriceEntry("99999", 0), 0, 0).Messages),
              "Invalid data: Price is too big, maximal price is 9999!; ");
    EXPECT_EQ(messageTexts(fieldCheck(checkPriceEntry("12a", 2), 0, 2).Messages),
              "Invalid data: Invalid entered price!; ");
    // The field keeps at most 10 decimals, whatever the configuration says.
    EXPECT_EQ(messageTexts(fieldCheck({"1", {FieldProblem::TooManyDecimals}}, 0, 14).Messages),
              "Invalid data: Maximal 10 decimals are allowed!; ");
    const FieldCheck quantity = fieldCheck(checkQuantityEntry("1a2-3."), 0, 2);
    EXPECT_EQ(quantity.Text, "123");
    EXPECT_EQ(messageTexts(quantity.Messages),
              "Error data: Only numerical characters are allowed!; ");
}

}  // namespace
