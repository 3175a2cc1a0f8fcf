#include "tools/sample_file.h"

#include <string>
#include <string_view>

namespace worvanta::tools {

namespace {

// splitmix64: small, fast and the same on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }
    template <std::size_t N>
    const char* pick(const char* const (&choices)[N]) { return choices[below(N)]; }

private:
    std::uint64_t state_;
};

constexpr const char* kBics[] = {"BTRLRO22XXX", "RNCBROBUXXX", "BRDEROBUXXX", "INGBROBUXXX", "CECEROBUXXX",
                                 "RZBRROBUXXX", "BUCUROBUXXX", "NBORROBUXXX"};
constexpr const char* kBanks[] = {"Banca Transilvania", "BCR", "BRD", "ING Bank", "CEC Bank", "Raiffeisen Bank"};
constexpr const char* kWords[] = {"plata", "marja", "variatie", "contract", "garantie", "decontare", "client",
                                  "fond", "compensare", "transfer", "lunar", "rest", "comision"};
constexpr const char* kStatuses[] = {"SETL", "PEND", "RJCT", "ACPT"};
constexpr const char* kMarkets[] = {"RO", "BG", "HU"};

void appendDigits(std::string& out, Random& random, int count)
{
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<char>('0' + random.below(10)));
}

void appendTwo(std::string& out, unsigned value)
{
    out.push_back(static_cast<char>('0' + value / 10));
    out.push_back(static_cast<char>('0' + value % 10));
}

void appendDate(std::string& out, Random& random)
{
    out += "202";
    out.push_back(static_cast<char>('3' + random.below(3)));
    out.push_back('-');
    appendTwo(out, 1 + static_cast<unsigned>(random.below(12)));
    out.push_back('-');
    appendTwo(out, 1 + static_cast<unsigned>(random.below(28)));
}

void appendDateTime(std::string& out, Random& random)
{
    appendDate(out, random);
    out.push_back(' ');
    appendTwo(out, static_cast<unsigned>(random.below(24)));
    out.push_back(':');
    appendTwo(out, static_cast<unsigned>(random.below(60)));
    out.push_back(':');
    appendTwo(out, static_cast<unsigned>(random.below(60)));
}

void appendAmount(std::string& out, Random& random)
{
    if (random.below(10) == 0)
        out.push_back('-');
    out += std::to_string(random.below(10000000));
    out.push_back('.');
    appendTwo(out, static_cast<unsigned>(random.below(100)));
}

void appendIban(std::string& out, Random& random)
{
    out += "RO";
    appendDigits(out, random, 2);
    out += std::string_view(random.pick(kBics), 4);
    appendDigits(out, random, 16);
}

// A free text in quotes, with commas and now and then a doubled quote.
void appendQuotedText(std::string& out, Random& random)
{
    out.push_back('"');
    const int words = 3 + static_cast<int>(random.below(6));
    for (int i = 0; i < words; ++i) {
        if (i > 0)
            out += random.below(4) == 0 ? ", " : " ";
        out += random.pick(kWords);
    }
    if (random.below(8) == 0)
        out += " \"\"urgent\"\"";
    out += " nr. ";
    appendDigits(out, random, 6);
    out.push_back('"');
}

void appendUuid(std::string& out, Random& random)
{
    constexpr char kHex[] = "0123456789abcdef";
    for (int i = 0; i < 32; ++i) {
        if (i == 8 || i == 12 || i == 16 || i == 20)
            out.push_back('-');
        out.push_back(kHex[random.below(16)]);
    }
}

void appendValue(std::string& out, std::string_view member, std::uint64_t row, Random& random)
{
    if (member == "id") {
        out += std::to_string(row);
    } else if (member == "settleDate" || member == "callDate") {
        appendDate(out, random);
    } else if (member == "transactionTime" || member == "time") {
        appendDateTime(out, random);
    } else if (member == "uetr") {
        appendUuid(out, random);
    } else if (member == "paymentReference" || member == "paymentId" || member == "reference") {
        out += member == "paymentId" ? "PID" : "REF";
        appendDigits(out, random, 13);
    } else if (member == "initiator" || member == "creditBic" || member == "debitBic" || member == "bic") {
        out += random.pick(kBics);
    } else if (member == "direction") {
        out += random.below(2) == 0 ? "CRDT" : "DBIT";
    } else if (member == "ttc") {
        out += random.below(2) == 0 ? "103" : "202";
    } else if (member == "rmti" || member == "text") {
        appendQuotedText(out, random);
    } else if (member == "amount" || member == "marginRequirement" || member == "collateralBalance" ||
               member == "cashCallAmount" || member == "cashExcessAmount") {
        appendAmount(out, random);
    } else if (member == "currency") {
        out += random.below(4) == 0 ? "EUR" : "RON";
    } else if (member == "settlementStatus" || member == "processingStatus") {
        out += random.pick(kStatuses);
    } else if (member == "status") {
        out.push_back(random.below(2) == 0 ? 'A' : 'P');
    } else if (member == "updateType") {
        out += random.below(2) == 0 ? "NEWM" : "REPL";
    } else if (member == "creditorIban" || member == "account") {
        appendIban(out, random);
    } else if (member == "market") {
        out += random.pick(kMarkets);
    } else if (member == "defaultFund" || member == "dfundId" || member == "defaultFounds") {
        out += "DF";
        appendDigits(out, random, 6);
    } else if (member == "memberId") {
        out += "M";
        appendDigits(out, random, 5);
    } else if (member == "bank") {
        out += random.pick(kBanks);
    } else if (member == "type") {
        out += random.below(2) == 0 ? "VM" : "CC";
    } else {
        out += "ACC";
        appendDigits(out, random, 12);  // accounts of every kind
    }
}

}  // namespace

bool writeSampleFile(const engine::CsvLayout& layout, std::uint64_t rows, std::uint64_t seed, std::FILE* out)
{
    Random random(seed);
    std::string buffer;
    constexpr std::size_t kFlushAt = 1 << 20;
    buffer.reserve(kFlushAt + 4096);
    const auto flush = [&] {
        const bool written = std::fwrite(buffer.data(), 1, buffer.size(), out) == buffer.size();
        buffer.clear();
        return written;
    };

    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        if (i > 0)
            buffer.push_back(',');
        buffer += layout.columns[i].title;
    }
    buffer += "\r\n";
    for (std::uint64_t row = 1; row <= rows; ++row) {
        for (std::size_t i = 0; i < layout.columns.size(); ++i) {
            if (i > 0)
                buffer.push_back(',');
            appendValue(buffer, layout.columns[i].member, row, random);
        }
        buffer += "\r\n";
        if (buffer.size() >= kFlushAt && !flush())
            return false;
    }
    return flush() && std::fflush(out) == 0;
}

}  // namespace worvanta::tools
