#include "support/AppHarness.h"

#include "quiz/Module1.h"

using testing_support::AppTest;

class Smoke : public AppTest {};

TEST_F(Smoke, RendersTheIntroScreen)
{
    QImage image = render();
    image.save("/tmp/merrowby-intro.png");
    EXPECT_EQ(image.width(), 511);
    EXPECT_EQ(image.height(), 306);
    choose("AboutMerrowby");
    render().save("/tmp/merrowby-about.png");
}
