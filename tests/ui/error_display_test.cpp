#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "common/app_error.h"
#include "recording_prompter.h"
#include "ui/error_display.h"

namespace {

using worvanta::ui::errorDisplayText;

struct FullStopCase {
    const char* message;
    const char* shown;
};

void PrintTo(const FullStopCase& c, std::ostream* out) { *out << '"' << c.message << '"'; }

class FullStopRule : public ::testing::TestWithParam<FullStopCase> {};

TEST_P(FullStopRule, FullStopOnlyAfterCharactersBeyondDot)
{
    EXPECT_EQ(errorDisplayText(QString::fromUtf8(GetParam().message)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FullStopRule,
    ::testing::Values(FullStopCase{"Companie inexistenta", "Companie inexistenta."},
                      FullStopCase{"Eroare 42", "Eroare 42."},
                      FullStopCase{"Deja gata.", "Deja gata."},
                      FullStopCase{"Coloana \"a\"", "Coloana \"a\""},
                      FullStopCase{"spatiu la sfarsit ", "spatiu la sfarsit "},
                      FullStopCase{"virgula,", "virgula,"},    // ',' comes before '.'
                      FullStopCase{"cratima-", "cratima-"},    // '-' too
                      FullStopCase{"bara/", "bara/."},         // '/' comes right after '.'
                      FullStopCase{"doua puncte:", "doua puncte:."},
                      FullStopCase{"paranteza)", "paranteza)"},
                      FullStopCase{"acolada}", "acolada}."},
                      FullStopCase{"litera a", "litera a."},
                      FullStopCase{"cu diacritica ț", "cu diacritica ț."},
                      FullStopCase{"rand nou\n", "rand nou\n"},
                      FullStopCase{".", "."},
                      FullStopCase{"", ""}));

struct HandlerCase {
    const char* name;
    std::function<void()> handler;
    bool succeeds;
    const char* shown;  // nullptr: no message
};

void PrintTo(const HandlerCase& c, std::ostream* out) { *out << c.name; }

class RunHandler : public ::testing::TestWithParam<HandlerCase> {};

TEST_P(RunHandler, ShowsWhatLeavesTheHandlerTitledWithTheApplicationTitle)
{
    worvanta::testing::RecordingPrompter prompter;
    worvanta::ui::setApplicationTitle(QStringLiteral("worvanta"));
    const bool succeeded = worvanta::ui::runHandler(nullptr, GetParam().handler);
    worvanta::ui::setApplicationTitle(QString());

    EXPECT_EQ(succeeded, GetParam().succeeds);
    EXPECT_TRUE(prompter.infos.empty());
    if (GetParam().shown == nullptr) {
        EXPECT_TRUE(prompter.errors.empty());
        return;
    }
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(prompter.errors[0].title, QStringLiteral("worvanta"));
    EXPECT_EQ(prompter.errors[0].text, QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunHandler,
    ::testing::Values(
        HandlerCase{"Success", [] {}, true, nullptr},
        HandlerCase{"AppError", [] { throw worvanta::AppError("User, Password eronate"); }, false,
                    "User, Password eronate."},
        HandlerCase{"OtherStdException", [] { throw std::runtime_error("disk full"); }, false, "disk full."},
        HandlerCase{"MessageEndingInQuote",
                    [] { throw worvanta::AppError("Err -  Coloana A trebuie sa fie \"x\""); }, false,
                    "Err -  Coloana A trebuie sa fie \"x\""},
        HandlerCase{"Utf8Message", [] { throw worvanta::AppError("Fișier"); }, false, "Fișier."},
        HandlerCase{"NotAnException", [] { throw 42; }, false, "Eroare necunoscuta."}),
    [](const ::testing::TestParamInfo<HandlerCase>& info) { return std::string(info.param.name); });

}  // namespace
