#include "product_identity.h"

#include <string>

#include <gtest/gtest.h>

#include "product_version.h"

namespace Velkora {
namespace {

TEST(ProductIdentity, NameAndYearFromTheLiteral) {
    ProductIdentity identity = SettleProductIdentity();
    EXPECT_EQ(identity.name, L"Velkora 2018");
    EXPECT_EQ(identity.year, L"2018");
}

TEST(ProductIdentity, YearIsTheFirstRunOfDigits) {
    EXPECT_EQ(ExtractProductYear(L"TESSIVO 2018-0"), L"2018");
    EXPECT_EQ(ExtractProductYear(L"2020"), L"2020");
    EXPECT_EQ(ExtractProductYear(L"A1B22"), L"1");
    EXPECT_EQ(ExtractProductYear(L"no digits"), L"");
    EXPECT_EQ(SettleProductIdentity(L"x").name, L"Velkora ");
}

// The version information carries the number twice, as four numbers and as text: both must
// say the same.
TEST(ProductVersion, TextIsTheFourNumbers) {
    EXPECT_EQ(std::string(VELKORA_VERSION_TEXT),
              std::to_string(VELKORA_VERSION_MAJOR) + "." + std::to_string(VELKORA_VERSION_MINOR) + "." +
                  std::to_string(VELKORA_VERSION_PATCH) + "." + std::to_string(VELKORA_VERSION_BUILD));
}

} // namespace
} // namespace Velkora
