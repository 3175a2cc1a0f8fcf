#include <gtest/gtest.h>

#include "login/login_flow.h"
#include "login/password_digest.h"

namespace {

struct DigestCase {
    const char* name;
    std::string bytes;
    const char* hex;
};

void PrintTo(const DigestCase& c, std::ostream* out) { *out << c.name; }

class Sha256Hex : public ::testing::TestWithParam<DigestCase> {};

TEST_P(Sha256Hex, LowerCaseHexOfTheBytes)
{
    EXPECT_EQ(worvanta::login::sha256Hex(GetParam().bytes), GetParam().hex);
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, Sha256Hex,
    ::testing::Values(
        DigestCase{"ZeroBytes", "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        DigestCase{"Abc", "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        DigestCase{"TwoBlocks", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                   "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        DigestCase{"EmbeddedZero", std::string("a\0b", 3),
                   "59b271ae1bbcb1d31d41929817f4b16fb439eb4f31520b5ad1d5ce98920a7138"}),
    [](const ::testing::TestParamInfo<DigestCase>& info) { return std::string(info.param.name); });

struct ProtocolCase {
    const char* jasIp;
    const char* protocol;
};

void PrintTo(const ProtocolCase& c, std::ostream* out) { *out << '"' << c.jasIp << '"'; }

class JasProtocol : public ::testing::TestWithParam<ProtocolCase> {};

TEST_P(JasProtocol, HttpOnlyWhen8080AppearsAnywhere)
{
    EXPECT_EQ(worvanta::login::jasProtocolFor(GetParam().jasIp), GetParam().protocol);
}

INSTANTIATE_TEST_SUITE_P(Cases, JasProtocol,
                         ::testing::Values(ProtocolCase{"srv:8080", "http"}, ProtocolCase{"18080", "http"},
                                           ProtocolCase{"8080x", "http"}, ProtocolCase{"8080", "http"},
                                           ProtocolCase{"srv:8443", "https"}, ProtocolCase{"", "https"},
                                           ProtocolCase{"808", "https"}, ProtocolCase{"80 80", "https"}));

}  // namespace
