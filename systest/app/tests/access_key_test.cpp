#include "access_key.h"

#include <gtest/gtest.h>

namespace Velkora {
namespace {

struct KeyCase {
    const wchar_t* caption;
    wchar_t key;
};

class AccessKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(AccessKeyTest, Finds) {
    EXPECT_EQ(AccessKeyOf(GetParam().caption), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Cases, AccessKeyTest,
                         testing::Values(KeyCase{L"&Write report", L'W'},
                                         KeyCase{L"Bericht &schreiben", L'S'},
                                         KeyCase{L"I accept the &terms", L'T'}, KeyCase{L"&OK", L'O'},
                                         KeyCase{L"&\x00fc"
                                                 L"ber",
                                                 L'\x00dc'},           // ü: Ü
                                         KeyCase{L"Write report", 0},  // none
                                         KeyCase{L"Smith && Sons", 0}, // a literal "&"
                                         KeyCase{L"A&&B &c", L'C'},    // the first single "&"
                                         KeyCase{L"trailing&", 0}, KeyCase{L"", 0},
                                         KeyCase{L"&1 copy", L'1'}));

} // namespace
} // namespace Velkora
