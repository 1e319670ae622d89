#include <gtest/gtest.h>

#include "common/Text.h"

using namespace kelvo;

TEST(Text, Placeholder) { EXPECT_EQ(formatPrice(12.5, 2), "12.50"); }
