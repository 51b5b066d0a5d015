// The paint of the window: the intro screen, the question screen (or the congratulations
// text) and the About page, each drawn from the shared state alone.

#include "framework/Runtime.h"
#include "quiz/Layout.h"
#include "quiz/Module1.h"
#include "ui/AboutPage.h"
#include "ui/IntroScreen.h"
#include "ui/Version.h"
#include "ui/mainWindow.h"

#include <array>

namespace ui {

using namespace Module1;
using framework::Floor;
using layout::Black;
using layout::Blue;
using layout::LinePitch;

namespace {

constexpr Integer AlignLeft = 0;
constexpr Integer AlignCentre = 1;
constexpr Integer AlignRight = 2;

// The left end of a text of width w centred on the window.
Integer centredLeft(Integer w)
{
    return layout::roundedQuotient(layout::ContentWidth - w, 2);
}

} // namespace

void mainWindowClass::Event_Paint(Graphics& g)
{
    if (gWindow == ScreenIntro)
        paintIntro(g);
    else if (gWindow == ScreenQuiz)
        paintQuestion(g);
    else
        paintAbout(g);
    recentre();
}

void mainWindowClass::paintIntro(Graphics& g)
{
    g.TextSize(36);
    g.TextFont("Times");
    g.ForeColor(Blue);
    drawPaintText(g, "Merrowby", layout::IntroNameBaseline, AlignCentre);

    g.TextSize(15);
    g.TextFont("Times");
    g.ForeColor(Black);
    for (std::size_t k = 0; k < intro::Lines.size(); ++k) {
        std::string text = intro::Lines[k];
        if (k + 1 == intro::Lines.size())
            text += std::string("  ") + about::AuthorshipNotice;
        drawPaintText(g, text, layout::IntroFirstBaseline + layout::IntroPitch * static_cast<Integer>(k), AlignCentre);
    }
}

void mainWindowClass::paintQuestion(Graphics& g)
{
    setTitle("Merrowby");
    g.TextSize(12);
    g.TextFont(gFont);
    g.ForeColor(Black);

    if (gWhichQ < 0) {
        congratulations(g);
        return;
    }
    if (gWhichQ > 0)
        for (Integer i = 1; i <= gNumLinesQ; ++i)
            drawPaintText(g, gMsgQ(i), layout::questionBaseline(i), AlignLeft);

    for (Integer i = 0; i <= 4; ++i)
        g.DrawString(gMsgA(i + 1), layout::AnswerTextLeft, layout::answerBaseline(gNumLinesQ, i));

    if (gPaintHint == 1)
        for (Integer j = 1; j <= gNumLinesH(gHintAnswer); ++j)
            drawPaintText(g, gMsgH(j, gHintAnswer), layout::hintBaseline(gNumLinesQ, j), AlignLeft);

    if (gLine > 0) {
        g.ForeColor(Blue);
        g.DrawLine(0, gLine, layout::ContentWidth, gLine);
        g.DrawLine(0, gLine + layout::RuleGap, layout::ContentWidth, gLine + layout::RuleGap);
    }

    if (gGraph == 1)
        drawChart(g);
}

void mainWindowClass::congratulations(Graphics& g)
{
    const bool random = randomMode();
    std::array<std::string, 4> lines;
    std::string caption;
    if (gWhichQ == NoneLeft) {
        Integer count = gNumQ(gType);
        if (random) {
            count = 0;
            for (Integer c = 1; c <= NumCategories; ++c)
                count += gNumQ(c);
        }
        lines[0] = "Congratulations!  You have correctly answered all " + framework::Str(count) + " questions in this";
        if (random) {
            lines[1] = "program!  If you want to be asked the questions again, click the Reset";
            lines[2] = "button below.  Otherwise, please use the Help menu to quit Merrowby.";
        } else {
            lines[1] = "category.  If you want to answer the questions in this category again,";
            lines[2] = "click the Reset button.  Otherwise, please choose another category, or";
            lines[3] = "else use the Help menu to quit Merrowby.";
        }
        caption = "Reset";
    } else if (gWhichQ == OnlyPassedLeft) {
        if (random) {
            lines[0] = "You have correctly answered every question in this program, except for";
            lines[1] = "the ones you passed.  If you want to answer the questions you passed,";
            lines[2] = "click the Retry button.  Otherwise, use the Help menu to quit Merrowby.";
        } else {
            lines[0] = "You have correctly answered every question in this category, except for";
            lines[1] = "the ones you passed.  If you want to answer the questions you passed,";
            lines[2] = "click the Retry button below.  Otherwise, please choose another category,";
            lines[3] = "or else use the Help menu to quit Merrowby.";
        }
        caption = "Retry";
    } else {
        return;
    }
    Integer y = layout::questionBaseline(1);
    for (const auto& line : lines) {
        if (!line.empty())
            drawPaintText(g, line, y, AlignLeft);
        y += LinePitch;
    }
    OkayButton().setCaption(caption);
}

void mainWindowClass::paintAbout(Graphics& g)
{
    setTitle("About Merrowby");
    g.TextSize(36);
    g.TextFont("Times");
    g.ForeColor(Blue);
    drawPaintText(g, "Merrowby", layout::AboutNameBaseline, AlignCentre);

    g.TextSize(12);
    g.TextFont("Geneva");
    g.ForeColor(Black);
    drawPaintText(g, std::string("Version ") + version::Number + ", " + version::Date, layout::VersionBaseline,
                  AlignCentre);
    drawPaintText(g, "The most recent version can be downloaded from", layout::DownloadBaseline, AlignLeft);

    g.ForeColor(layout::LinkBlue);
    const std::string link = about::DownloadURL;
    const Integer w = truncatedWidth(g, link);
    gURLleft = centredLeft(w);
    gURLright = gURLleft + w;
    drawPaintText(g, link, layout::LinkBaseline, AlignCentre);
    g.DrawLine(gURLleft, layout::LinkUnderline, gURLright - 1, layout::LinkUnderline);

    g.ForeColor(Black);
    drawPaintText(g, "Please send suggestions and questions to", layout::ContactHeadingBaseline, AlignLeft);
    Integer y = layout::ContactFirstBaseline;
    for (const char* line : about::Contact) {
        drawPaintText(g, line, y, AlignCentre);
        y += LinePitch;
    }
    for (const char* line : about::TermsOfUse) {
        drawPaintText(g, line, y, AlignCentre);
        y += LinePitch;
    }
}

Integer truncatedWidth(Graphics& g, const std::string& text)
{
    return framework::toInteger(g.StringWidth(text));
}

void drawPaintText(Graphics& g, const std::string& text, Integer y, Integer align)
{
    switch (align) {
    case AlignLeft:
        g.DrawString(text, layout::TextLeft, y);
        break;
    case AlignCentre:
        g.DrawString(text, centredLeft(truncatedWidth(g, text)), y);
        break;
    case AlignRight:
        g.DrawString(text, layout::ContentWidth - truncatedWidth(g, text), y);
        break;
    default:
        break;
    }
}

void mainWindowClass::recentre()
{
    const auto screen = framework::Screen(0);
    setPosition(static_cast<Integer>(Floor(static_cast<double>(screen.Width - Width()) / 2)),
                static_cast<Integer>(Floor(static_cast<double>(screen.Height - Height()) / 2)));
}

} // namespace ui
