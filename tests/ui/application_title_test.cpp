#include <gtest/gtest.h>

#include "ui/application_title.h"
#include "ui/error_display.h"

namespace {

using worvanta::ui::titleFromExecutablePath;

struct TitleCase {
    const char* path;
    const char* title;
};

void PrintTo(const TitleCase& c, std::ostream* out) { *out << '"' << c.path << '"'; }

class TitleFromPath : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleFromPath, FileNameCutAtFirstDotRestLowerCase)
{
    EXPECT_EQ(titleFromExecutablePath(QString::fromUtf8(GetParam().path)), QString::fromUtf8(GetParam().title));
}

INSTANTIATE_TEST_SUITE_P(Cases, TitleFromPath,
                         ::testing::Values(TitleCase{"wOrvanta", "worvanta"},
                                           TitleCase{"wOrvanta.exe", "worvanta"},
                                           TitleCase{"/x/y/wOrvanta.exe", "worvanta"},
                                           TitleCase{"Test.Build", "Test"},
                                           TitleCase{"C:/Program Files/Test.Build.exe", "Test"},
                                           TitleCase{"/opt/a.b/WORVANTA", "Worvanta"},
                                           TitleCase{"/usr/bin/x", "x"},
                                           TitleCase{".hidden", ""},
                                           TitleCase{"/dir/", ""},
                                           TitleCase{"", ""},
                                           TitleCase{"ÎNCERCARE.exe", "Încercare"},
                                           TitleCase{"aBC1-XY_z", "abc1-xy_z"}));

TEST(ApplicationTitle, OverrideWinsOverExecutableName)
{
    worvanta::ui::setApplicationTitle(QStringLiteral("Test"));
    EXPECT_EQ(worvanta::ui::applicationTitle(), QStringLiteral("Test"));
    worvanta::ui::setApplicationTitle(QString());
    // This test program is named ui_tests.
    EXPECT_EQ(worvanta::ui::applicationTitle(), QStringLiteral("ui_tests"));
}

}  // namespace
