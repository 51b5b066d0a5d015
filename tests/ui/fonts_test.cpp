// The installed fonts as the program sees them. CTest runs these once more with the
// Liberation faces hidden, so that the platform's own faces stand in.

#include "support/AppHarness.h"

#include "framework/Runtime.h"
#include "framework/qt/QtGraphics.h"
#include "quiz/Module1.h"

#include <QFontInfo>
#include <QGuiApplication>

#include <algorithm>
#include <cctype>
#include <string>

using namespace Module1;
using testing_support::AppTest;

namespace {

class Fonts : public AppTest {};

TEST_F(Fonts, TheInstalledFamiliesAreReadOnceUntilTheFontDatabaseChanges)
{
    auto& catalogue = framework::qt::fontCatalogue();
    ASSERT_GT(framework::FontCount(), 0);
    const long reads = catalogue.reads();
    EXPECT_FALSE(ui::fontAvailable("no such face")); // a step through every family
    choose("StatisticalDataDisplayingData");
    for (int paint = 0; paint < 3; ++paint)
        render();
    EXPECT_EQ(catalogue.reads(), reads);

    emit qGuiApp->fontDatabaseChanged();
    EXPECT_GT(framework::FontCount(), 0);
    EXPECT_TRUE(ui::fontAvailable("arial"));
    EXPECT_EQ(catalogue.reads(), reads + 1);
}

// With or without the Liberation faces installed.
TEST_F(Fonts, TheQuestionsAreDrawnInASansFaceAndTheTitlesInASerifOne)
{
    EXPECT_EQ(gFont, "arial");
    const QFont sans = framework::qt::fontFor(gFont, 12);
    const QFont serif = framework::qt::fontFor("Times", 36);
    EXPECT_EQ(sans.styleHint(), QFont::SansSerif);
    EXPECT_EQ(serif.styleHint(), QFont::Serif);
    EXPECT_EQ(framework::qt::fontFor("System", 12).family(), sans.family());
    EXPECT_NE(QFontInfo(sans).family(), QFontInfo(serif).family());
    EXPECT_EQ(QFontInfo(sans).pixelSize(), 12);
}

// A name is found whatever its letter case: "Arial", which the font list always names, and
// an installed family written in capitals and in small letters.
TEST_F(Fonts, FontLookupIgnoresCase)
{
    EXPECT_TRUE(ui::fontAvailable("ARIAL"));
    std::string family;
    for (Integer i = 0; i < framework::FontCount() && family.empty(); ++i) {
        const std::string name = framework::Font(i);
        if (std::all_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x80; }) &&
            std::any_of(name.begin(), name.end(), [](unsigned char c) { return std::isalpha(c); }))
            family = name;
    }
    ASSERT_FALSE(family.empty()) << "no installed family with a name in plain letters";
    std::string upper = family;
    std::string lower = family;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(ui::fontAvailable(upper)) << upper;
    EXPECT_TRUE(ui::fontAvailable(lower)) << lower;
    EXPECT_FALSE(ui::fontAvailable("no such face"));
}

} // namespace
