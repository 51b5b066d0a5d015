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
#include <regex>
#include <string>
#include <vector>

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
    describeScreen();
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

namespace {

struct Congratulations {
    std::array<std::string, 4> lines;
    std::string caption; // empty while questions are left
};

Congratulations congratulationText()
{
    const bool random = randomMode();
    Congratulations c;
    auto& lines = c.lines;
    if (gWhichQ == NoneLeft) {
        Integer count = gNumQ(gType);
        if (random) {
            count = 0;
            for (Integer k = 1; k <= NumCategories; ++k)
                count += gNumQ(k);
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
        c.caption = "Reset";
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
        c.caption = "Retry";
    }
    return c;
}

} // namespace

void mainWindowClass::congratulations(Graphics& g)
{
    const Congratulations c = congratulationText();
    if (c.caption.empty())
        return;
    Integer y = layout::questionBaseline(1);
    for (const auto& line : c.lines) {
        if (!line.empty())
            drawPaintText(g, line, y, AlignLeft);
        y += LinePitch;
    }
    OkayButton().setCaption(c.caption);
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

namespace {

// Lines broken for the window's width, read as one text: a line break inside a sentence is
// no pause.
std::string joined(const std::vector<std::string>& lines, const char* between = " ")
{
    std::string text;
    for (const std::string& line : lines) {
        const auto first = line.find_first_not_of(' ');
        if (first == std::string::npos)
            continue;
        if (!text.empty())
            text += between;
        text += line.substr(first, line.find_last_not_of(' ') - first + 1);
    }
    return text;
}

// "1.1*10^-15" as a screen reader should say it: "1.1 times 10 to the power -15"; read
// character by character, the written form means nothing to a listener.
std::string spokenPowers(const std::string& text)
{
    static const std::regex power(R"(([0-9.]+)\*10\^(-?[0-9]+))");
    return std::regex_replace(text, power, "$1 times 10 to the power $2");
}

// Lines of a text of that size with their baselines from first to last, across the window.
framework::ContentPiece textPiece(std::string text, Integer firstBaseline, Integer lastBaseline, Integer size)
{
    return {.kind = framework::ContentPiece::Kind::Text,
            .text = std::move(text),
            .description = {},
            .left = layout::TextLeft,
            .top = firstBaseline - size,
            .width = layout::ContentWidth - 2 * layout::TextLeft,
            .height = lastBaseline - firstBaseline + size + size / 3,
            .group = {},
            .spoken = 0};
}

// The answers' control set: the question and its chart ask about it.
constexpr const char* AnswerSet = "answerButton";

} // namespace

void mainWindowClass::describeScreen()
{
    std::vector<framework::ContentPiece> pieces;
    if (gWindow == ScreenIntro) {
        pieces.push_back(textPiece("Merrowby", layout::IntroNameBaseline, layout::IntroNameBaseline, 36));
        std::vector<std::string> lines(intro::Lines.begin(), intro::Lines.end());
        lines.emplace_back(about::AuthorshipNotice);
        const Integer last = layout::IntroFirstBaseline + layout::IntroPitch * static_cast<Integer>(intro::Lines.size() - 1);
        pieces.push_back(textPiece(joined(lines), layout::IntroFirstBaseline, last, 15));
    } else if (gWindow == ScreenQuiz && gWhichQ < 0) {
        const Congratulations c = congratulationText();
        const std::vector<std::string> lines(c.lines.begin(), c.lines.end());
        pieces.push_back(textPiece(joined(lines), layout::questionBaseline(1), layout::questionBaseline(4), 12));
        pieces.back().spoken = 1;
    } else if (gWindow == ScreenQuiz) {
        if (gWhichQ > 0) {
            std::vector<std::string> lines;
            for (Integer i = 1; i <= gNumLinesQ; ++i)
                lines.push_back(gMsgQ(i));
            pieces.push_back(textPiece(joined(lines), layout::questionBaseline(1), layout::questionBaseline(gNumLinesQ), 12));
            pieces.back().group = AnswerSet;
        }
        if (gGraph == 1) {
            pieces.push_back(describeChart());
            pieces.back().group = AnswerSet;
        }
        if (gPaintHint == 1) {
            std::vector<std::string> lines;
            for (Integer j = 1; j <= gNumLinesH(gHintAnswer); ++j)
                lines.push_back(gMsgH(j, gHintAnswer));
            pieces.push_back(textPiece(joined(lines), layout::hintBaseline(gNumLinesQ, 1),
                                       layout::hintBaseline(gNumLinesQ, gNumLinesH(gHintAnswer)), 12));
            // Said again for another answer, which may share the hint's words.
            pieces.back().spoken = gHintAnswer;
        }
        // The answers are drawn beside their radio buttons, which carry them as names, in
        // words a screen reader says as numbers.
        for (Integer i = 0; i <= 4; ++i)
            answerButton(i).setAccessibleName(spokenPowers(joined({gMsgA(i + 1)})));
    } else {
        pieces.push_back(textPiece("Merrowby", layout::AboutNameBaseline, layout::AboutNameBaseline, 36));
        pieces.push_back(textPiece(joined({std::string("Version ") + version::Number + ", " + version::Date,
                                           "The most recent version can be downloaded from"},
                                          ". "),
                                   layout::VersionBaseline, layout::DownloadBaseline, 12));
        pieces.push_back({.kind = framework::ContentPiece::Kind::Link,
                          .text = about::DownloadURL,
                          .description = {},
                          .left = gURLleft,
                          .top = layout::LinkBaseline - 12,
                          .width = gURLright - gURLleft,
                          .height = layout::LinkUnderline - layout::LinkBaseline + 12,
                          .group = {},
                          .spoken = 0});
        std::vector<std::string> contact{"Please send suggestions and questions to"};
        contact.insert(contact.end(), about::Contact.begin(), about::Contact.end());
        const Integer lastContact = layout::ContactFirstBaseline + LinePitch * static_cast<Integer>(about::Contact.size() - 1);
        pieces.push_back(textPiece(joined(contact, "\n"), layout::ContactHeadingBaseline, lastContact, 12));
        const std::vector<std::string> terms(about::TermsOfUse.begin(), about::TermsOfUse.end());
        pieces.push_back(textPiece(joined(terms), lastContact + LinePitch,
                                   lastContact + LinePitch * static_cast<Integer>(terms.size()), 12));
    }
    // Another question, the end of the questions or another page is a new screen; the hint
    // is news on the same one.
    const std::array<Integer, 3> screen{gWindow, gType, gWhichQ};
    const bool newScreen = screen != describedScreen_;
    describedScreen_ = screen;
    setContentPieces(std::move(pieces), newScreen);
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
