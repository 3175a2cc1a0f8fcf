#include <algorithm>
#include <cstring>
#include <iterator>

#include "engine/import_engine.h"
#include "engine/text_decoding.h"
#include "engine/value_typing.h"

namespace worvanta::engine {

namespace {

// Byte classes of the field scanner.
enum : unsigned char {
    kOrdinary = 0,
    kNeedsEscape = 1,  // a JSON string must escape it: controls and the reverse solidus
    kEndsField = 2,    // comma, carriage return, line feed (outside quotes)
    kQuote = 3,
    kMarker = 4,  // '=' or the first byte of the currency symbol: typing must look closer
};

constexpr unsigned char byte(char c)
{
    return static_cast<unsigned char>(c);
}

struct ByteClasses {
    unsigned char outside[256] = {};
    unsigned char inside[256] = {};  // within a quoted section

    constexpr ByteClasses()
    {
        for (int c = 0; c < 0x20; ++c) {
            outside[c] = kNeedsEscape;
            inside[c] = kNeedsEscape;
        }
        outside[byte('\\')] = inside[byte('\\')] = kNeedsEscape;
        outside[byte(',')] = outside[byte('\r')] = outside[byte('\n')] = kEndsField;
        outside[byte('"')] = inside[byte('"')] = kQuote;
    }
};

constexpr ByteClasses kClasses;

enum class Terminator { Comma, LineEnd, EndOfText };

// Replaces each pair of double quotes by one.
void collapseQuotePairs(std::string_view text, std::string& out)
{
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        out.push_back(text[i]);
        if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"')
            ++i;
    }
}

class CsvSplitter {
public:
    CsvSplitter(std::string_view text, const RegionalSettings& settings, Sheet& sheet)
        : text_(text), typer_(settings), sheet_(sheet)
    {
        std::copy(std::begin(kClasses.outside), std::end(kClasses.outside), std::begin(outside_));
        outside_[byte('=')] = kMarker;
        const std::string& symbol = settings.currencySymbol;
        if (!symbol.empty() && outside_[byte(symbol[0])] == kOrdinary && symbol[0] != ' ')
            outside_[byte(symbol[0])] = kMarker;
    }

    void run()
    {
        const char* at = text_.data();
        const char* const end = at + text_.size();
        std::size_t row = 0;
        std::size_t column = 0;
        for (;;) {
            const char* const fieldStart = at;
            bool needsEscape = false;
            bool sawQuote = false;
            bool sawMarker = false;
            Terminator terminator = Terminator::EndOfText;
            while (at != end) {
                const unsigned char kind = outside_[static_cast<unsigned char>(*at)];
                if (kind == kOrdinary) {
                    ++at;
                } else if (kind == kMarker) {
                    sawMarker = true;
                    ++at;
                } else if (kind == kNeedsEscape) {
                    needsEscape = true;
                    ++at;
                } else if (kind == kEndsField) {
                    terminator = *at == ',' ? Terminator::Comma : Terminator::LineEnd;
                    break;
                } else {
                    sawQuote = true;
                    at = skipQuotedSection(at + 1, end, needsEscape);
                }
            }
            addField(row, column, std::string_view(fieldStart, static_cast<std::size_t>(at - fieldStart)),
                     terminator, sawQuote, sawMarker, needsEscape);
            if (terminator == Terminator::EndOfText)
                return;
            if (terminator == Terminator::Comma) {
                ++at;
                while (at != end && (*at == ' ' || *at == '\t'))
                    ++at;
                ++column;
            } else {
                if (*at == '\r' && at + 1 != end && at[1] == '\n')
                    ++at;
                ++at;
                ++row;
                column = 0;
            }
        }
    }

private:
    // From just after an opening quote to just after the quote that closes
    // the section (doubled quotes stay inside), or to the end of the text.
    static const char* skipQuotedSection(const char* at, const char* end, bool& needsEscape)
    {
        while (at != end) {
            const unsigned char kind = kClasses.inside[static_cast<unsigned char>(*at)];
            ++at;
            if (kind == kNeedsEscape) {
                needsEscape = true;
            } else if (kind == kQuote) {
                if (at == end || *at != '"')
                    return at;
                ++at;
            }
        }
        return at;
    }

    static std::string_view trimEnd(std::string_view raw)
    {
        while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t'))
            raw.remove_suffix(1);
        return raw;
    }

    void addField(std::size_t row, std::size_t column, std::string_view raw, Terminator terminator,
                  bool sawQuote, bool sawMarker, bool needsEscape)
    {
        if (raw.empty())
            return;
        if (!sawQuote) {
            const std::string_view field = terminator == Terminator::Comma ? trimEnd(raw) : raw;
            if (field.empty())
                return;
            const std::string_view text = typer_.cellText(field, scratch_, sawMarker);
            const bool plain = text.data() == field.data() ? !needsEscape : isPlainTyped(text);
            sheet_.addCell(row, column, text, plain);
            return;
        }
        std::string_view text;
        if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
            text = raw.substr(1, raw.size() - 2);
        else
            text = terminator == Terminator::Comma ? trimEnd(raw) : raw;
        if (text.find("\"\"") != std::string_view::npos) {
            collapseQuotePairs(text, scratch_);
            text = scratch_;
        }
        // A field holding a quote is text whether or not it was quoted.
        const bool plain = !needsEscape && text.find('"') == std::string_view::npos;
        sheet_.addCell(row, column, text, plain);
    }

    static bool isPlainTyped(std::string_view text)
    {
        for (const char c : text)
            if (kClasses.outside[static_cast<unsigned char>(c)] == kNeedsEscape || c == '"')
                return false;
        return true;
    }

    std::string_view text_;
    unsigned char outside_[256];
    ValueTyper typer_;
    Sheet& sheet_;
    std::string scratch_;
};

Sheet splitIntoSheet(std::string_view bytes, const RegionalSettings& settings, DecodedText& decoded)
{
    decodeToUtf8(bytes, decoded);
    Sheet sheet;
    sheet.reserveText(decoded.text.size());
    sheet.reserveCells(decoded.text.size() / 12 + 16);
    CsvSplitter(decoded.text, settings, sheet).run();
    return sheet;
}

}  // namespace

Sheet loadCsv(std::string_view bytes, const RegionalSettings& settings)
{
    DecodedText decoded;
    return splitIntoSheet(bytes, settings, decoded);
}

Sheet loadCsv(std::string&& bytes, const RegionalSettings& settings)
{
    // Owned here so that the file's bytes are freed as soon as the sheet holds them.
    const std::string owned = std::move(bytes);
    DecodedText decoded;
    return splitIntoSheet(owned, settings, decoded);
}

}  // namespace worvanta::engine
