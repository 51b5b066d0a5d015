#include "support/AppHarness.h"

#include "banks/Banks.h"
#include "framework/qt/QtGraphics.h"
#include "quiz/Layout.h"
#include "quiz/Module1.h"
#include "quiz/QuestionBank.h"

#include <QFontMetricsF>

using namespace Module1;
using testing_support::AppTest;

namespace {

class Rendering : public AppTest {};

bool isRuleBlue(QRgb pixel)
{
    return qRed(pixel) == 21 && qGreen(pixel) == 33 && qBlue(pixel) == 204;
}

TEST_F(Rendering, TheBlueRulesLieOnTheirRows)
{
    choose("StatisticalDataProducingData");
    answer(gCorrAnswer);
    const QImage image = render();
    ASSERT_EQ(image.size(), QSize(511, 306));
    for (const Integer row : {gLine, gLine + layout::RuleGap}) {
        int blue = 0;
        for (int x = 0; x < 511; ++x)
            blue += isRuleBlue(image.pixel(x, static_cast<int>(row)));
        EXPECT_GE(blue, 500) << "row " << row; // the whole width, but where a control covers it
        for (const Integer off : {row - 1, row + 1}) {
            int stray = 0;
            for (int x = 0; x < 511; ++x)
                stray += isRuleBlue(image.pixel(x, static_cast<int>(off)));
            EXPECT_LT(stray, 20) << "row " << off;
        }
    }
    // Dark text above the upper rule: the question.
    int ink = 0;
    for (int y = 10; y < gLine; ++y)
        for (int x = 10; x < 500; ++x)
            ink += qGray(image.pixel(x, y)) < 100;
    EXPECT_GT(ink, 50);
}

// Every stored line of every bank fits the window in the face the question screen uses.
TEST_F(Rendering, EveryStoredLineFitsTheWindow)
{
    const QFont font = framework::qt::fontFor(gFont, 12);
    const QFontMetricsF metrics(font);
    auto width = [&](const std::string& text) {
        return static_cast<Integer>(metrics.horizontalAdvance(QString::fromStdString(text)));
    };
    Integer measured = 0;
    for (const Category& c : categories)
        for (Integer n = 1; n <= 30; ++n) {
            state().gNumLinesQ = 0;
            gWhichQ = n;
            c.bank();
            if (gNumLinesQ == 0)
                continue; // a bank still without questions
            SCOPED_TRACE(std::string(c.title) + ", question " + std::to_string(n));
            for (Integer i = 1; i <= gNumLinesQ; ++i, ++measured)
                EXPECT_LE(10 + width(gMsgQ(i)), 511) << gMsgQ(i);
            for (Integer a = 1; a <= 5; ++a) {
                EXPECT_LE(70 + width(gMsgA(a)), 511) << gMsgA(a);
                for (Integer j = 1; j <= gNumLinesH(a); ++j, ++measured)
                    EXPECT_LE(10 + width(gMsgH(j, a)), 511) << gMsgH(j, a);
            }
        }
    EXPECT_GT(measured, 0);
}

} // namespace
