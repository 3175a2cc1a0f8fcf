#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <random>

#include "engine/import_engine.h"

namespace worvanta::engine {
namespace {

// Generated files: random cells, quoted or not, holding separators, quotes,
// line breaks, control characters, spaces and letters beyond ASCII.
std::string randomCell(std::mt19937& random)
{
    static const std::string pieces[] = {
        "a", "Z", " ", "\t", ",", "\"", "\"\"", "\r", "\n", "\r\n", "\\", "/", "\x01", "\x1F", "\x7F",
        "\xC4\x83", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "0", "7", ".", "-", "e", "1e5", "$", "RON", "=",
        "true", "2024-01-15", "15.01.2024 10:00", "1/2/2024", "(5)", "12345678901234567",
    };
    std::string cell;
    const int length = std::uniform_int_distribution<int>(0, 5)(random);
    for (int i = 0; i < length; ++i)
        cell += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(random)];
    if (std::uniform_int_distribution<int>(0, 2)(random) == 0) {
        std::string quoted = "\"";
        for (const char c : cell) {
            quoted.push_back(c);
            if (c == '"')
                quoted.push_back('"');
        }
        return quoted + "\"";
    }
    return cell;
}

std::string randomFile(std::mt19937& random, const CsvLayout& layout)
{
    std::string file;
    for (const CsvColumn& column : layout.columns)
        file += column.title + ",";
    file += "\r\n";
    const int rows = std::uniform_int_distribution<int>(0, 12)(random);
    for (int row = 0; row < rows; ++row) {
        const int cells = std::uniform_int_distribution<int>(0, static_cast<int>(layout.columns.size()) + 2)(random);
        for (int i = 0; i < cells; ++i) {
            if (i > 0)
                file += ',';
            file += randomCell(random);
        }
        file += std::uniform_int_distribution<int>(0, 1)(random) ? "\r\n" : "\n";
    }
    return file;
}

std::string randomBytes(std::mt19937& random)
{
    std::string bytes;
    const int length = std::uniform_int_distribution<int>(0, 300)(random);
    for (int i = 0; i < length; ++i)
        bytes.push_back(static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random)));
    return bytes;
}

// Parses the payload with an independent parser and checks it against the sheet.
void expectPayloadMatchesSheet(const std::string& payload, const Sheet& sheet, const CsvLayout& layout,
                               const std::string& input)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(payload), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << payload;
    ASSERT_TRUE(document.isArray());
    const QJsonArray objects = document.array();
    const std::size_t dataRows = sheet.rowCount() > 1 ? sheet.rowCount() - 1 : 0;
    ASSERT_EQ(static_cast<std::size_t>(objects.size()), dataRows) << input;
    for (std::size_t row = 0; row < dataRows; ++row) {
        const QJsonObject object = objects[static_cast<qsizetype>(row)].toObject();
        ASSERT_EQ(static_cast<std::size_t>(object.size()), layout.columns.size());
        for (std::size_t column = 0; column < layout.columns.size(); ++column) {
            const QJsonValue value = object.value(QString::fromStdString(layout.columns[column].member));
            ASSERT_TRUE(value.isString()) << layout.columns[column].member;
            const std::string_view cell = sheet.cell(row + 1, column);
            EXPECT_EQ(value.toString().toStdString(), std::string(cell))
                << "row " << row + 1 << " column " << column << " of\n" << input;
        }
    }
}

TEST(PayloadProperty, GeneratedFilesGiveValidJsonHoldingEveryCellsText)
{
    std::mt19937 random(20240115);
    for (int round = 0; round < 400; ++round) {
        const CsvLayout& layout = *allLayouts()[static_cast<std::size_t>(round) % allLayouts().size()];
        const RegionalSettings settings = round % 2 ? RegionalSettings::romanian() : RegionalSettings::unitedStates();
        const std::string file = randomFile(random, layout);
        const Sheet sheet = loadCsv(std::string_view(file), settings);
        ASSERT_EQ(checkHeader(sheet, layout), std::nullopt) << file;
        const std::string payload = buildPayload(sheet, layout);
        expectPayloadMatchesSheet(payload, sheet, layout, file);
        EXPECT_EQ(buildPayload(loadCsv(std::string(file), settings), layout), payload) << "bytes taken over";
    }
}

TEST(PayloadProperty, RandomBytesGiveValidJsonHoldingEveryCellsText)
{
    std::mt19937 random(77);
    for (int round = 0; round < 400; ++round) {
        const std::string bytes = randomBytes(random);
        const Sheet sheet = loadCsv(std::string_view(bytes), RegionalSettings::romanian());
        const std::string payload = buildPayload(sheet, cashCallDefEfsLayout());
        expectPayloadMatchesSheet(payload, sheet, cashCallDefEfsLayout(), bytes);
        EXPECT_EQ(buildPayload(loadCsv(std::string(bytes), RegionalSettings::romanian()), cashCallDefEfsLayout()),
                  payload);
    }
}

}  // namespace
}  // namespace worvanta::engine
