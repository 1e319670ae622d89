#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/IDCode.h"

using namespace kelvo;

TEST(IDCode, TypedCodeAsTheFieldKeepsIt) {
    using P = std::vector<FieldProblem>;
    const P tooLong{FieldProblem::TooLong};
    const P badChars{FieldProblem::NotHex};
    struct Case {
        const char* typed;
        int maxLength;
        const char* code;
        P problems;
    } const cases[] = {
        {"", 16, "", {}},
        {"a1b2c3d4e5f6", 16, "A1B2C3D4E5F6", {}},
        {"0123456789ABCDEF", 16, "0123456789ABCDEF", {}},
        {"0123456789ABCDEF0", 16, "0123456789ABCDEF", tooLong},
        {"0123456789ABCDEFG", 16, "0123456789ABCDEF", tooLong},  // the cut takes the G away
        {"0123G56789ABCDEF01", 16, "0123G56789ABCDEF", {FieldProblem::TooLong, FieldProblem::NotHex}},
        {"12G4", 16, "12G4", badChars},
        {"12 4", 16, "12 4", badChars},
        {"12-4", 16, "12-4", badChars},
        {"\xe9", 16, "\xe9", badChars},
        {"A", 0, "", tooLong},
    };
    for (const Case& c : cases) {
        const FieldEntry entry = checkTypedIDCode(c.typed, c.maxLength);
        EXPECT_EQ(entry.Text, c.code) << c.typed;
        EXPECT_EQ(entry.Problems, c.problems) << c.typed;
    }
}

TEST(IDCode, StoredCodesHaveAnAllowedLengthAndHexDigits) {
    struct Case {
        const char* code;
        const char* lengths;
        IDCodeProblem problem;
    } const cases[] = {
        {"01234567", " 8, 16,", IDCodeProblem::None},
        {"0123456789ABCDEF", " 8, 16,", IDCodeProblem::None},
        {"", " 8, 16,", IDCodeProblem::Empty},
        {"012345", " 8, 16,", IDCodeProblem::Length},
        {"01234567", " 16,", IDCodeProblem::Length},
        {"01234567", "", IDCodeProblem::Length},
        {"0123456G", " 8, 16,", IDCodeProblem::Chars},
        {"abcdef12", " 8,", IDCodeProblem::Chars},
        {"0123 567", " 8,", IDCodeProblem::Chars},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(idCodeProblem(c.code, c.lengths), c.problem) << c.code;
    }
}
