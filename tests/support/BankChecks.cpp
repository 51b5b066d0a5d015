#include "support/BankChecks.h"

#include "quiz/Module1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <regex>
#include <set>

namespace testing_support {

using namespace Module1;

StoredQuestion storeThrough(QuestionBank bank, Integer number)
{
    state() = State{};
    gWhichQ = number;
    gGraph = 0;
    bank();
    return readBack();
}

StoredQuestion readBack()
{
    StoredQuestion stored;
    stored.correct = gCorrAnswer;
    for (Integer i = 1; i <= gNumLinesQ; ++i)
        stored.lines.push_back(gMsgQ(i));
    for (Integer a = 1; a <= 5; ++a) {
        stored.answers[static_cast<std::size_t>(a - 1)] = gMsgA(a);
        for (Integer j = 1; j <= gNumLinesH(a); ++j)
            stored.hints[static_cast<std::size_t>(a - 1)].push_back(gMsgH(j, a));
    }
    stored.chart = gGraph == 1;
    return stored;
}

void expectRows(QuestionBank bank, const std::vector<Row>& rows)
{
    ASSERT_EQ(rows.size(), 30u) << "a bank holds 30 questions";
    for (const Row& row : rows) {
        SCOPED_TRACE("question " + std::to_string(row.number));
        const StoredQuestion q = storeThrough(bank, row.number);
        EXPECT_EQ(q.correct, row.correct);
        EXPECT_EQ(static_cast<Integer>(q.lines.size()), row.questionLines);
        ASSERT_FALSE(q.lines.empty());
        EXPECT_EQ(q.lines[0].rfind(row.name, 0), 0u) << "line 1: " << q.lines[0];
        for (std::size_t a = 0; a < 5; ++a)
            EXPECT_EQ(static_cast<Integer>(q.hints[a].size()), row.hintLines[a]) << "answer " << a + 1;
        EXPECT_EQ(q.chart, row.chart);
    }
}

namespace {

bool plainAscii(const std::string& text)
{
    for (const unsigned char c : text)
        if (c < 0x20 || c > 0x7e)
            return false;
    return true;
}

void expectLine(const std::string& text, std::size_t limit, const char* what)
{
    EXPECT_LE(text.size(), limit) << what << ": \"" << text << "\"";
    EXPECT_TRUE(plainAscii(text)) << what << " not plain ASCII: \"" << text << "\"";
    if (!text.empty()) {
        EXPECT_NE(text.back(), ' ') << what << " ends in a blank: \"" << text << "\"";
        EXPECT_NE(text.front(), ' ') << what << " starts with a blank: \"" << text << "\"";
    }
}

} // namespace

void expectTextConventions(QuestionBank bank, const TextRules& rules)
{
    for (Integer n = 1; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        const StoredQuestion q = storeThrough(bank, n);
        ASSERT_GE(q.correct, 1);
        ASSERT_LE(q.correct, 5);
        ASSERT_GE(q.lines.size(), 1u);
        ASSERT_LE(q.lines.size(), 5u);
        for (std::size_t i = 0; i < q.lines.size(); ++i) {
            expectLine(q.lines[i], rules.maxQuestionLine, "question line");
            const bool chartRoom = q.chart && i > 0;
            EXPECT_EQ(q.lines[i].empty(), chartRoom) << "line " << i + 1;
        }
        std::set<std::string> distinct;
        for (std::size_t a = 0; a < 5; ++a) {
            SCOPED_TRACE("answer " + std::to_string(a + 1));
            const bool padded = std::find(rules.paddedAnswers.begin(), rules.paddedAnswers.end(),
                                          std::pair<Integer, Integer>{n, static_cast<Integer>(a + 1)}) !=
                                rules.paddedAnswers.end();
            if (padded) {
                EXPECT_EQ(q.answers[a].rfind(' ', 0), 0u) << "answer with its aligning blank";
            }
            expectLine(padded ? q.answers[a].substr(1) : q.answers[a], rules.maxAnswer, "answer");
            EXPECT_FALSE(q.answers[a].empty());
            distinct.insert(q.answers[a]);
            ASSERT_GE(q.hints[a].size(), 1u);
            ASSERT_LE(q.hints[a].size(), 5u);
            for (const auto& line : q.hints[a]) {
                expectLine(line, rules.maxHintLine, "hint line");
                EXPECT_FALSE(line.empty());
            }
            const bool excepted = std::find(rules.openingExceptions.begin(), rules.openingExceptions.end(),
                                            std::pair<Integer, Integer>{n, static_cast<Integer>(a + 1)}) !=
                                  rules.openingExceptions.end();
            if (!excepted) {
                const std::string& opening = static_cast<Integer>(a + 1) == q.correct ? rules.rightOpening
                                                                                      : rules.wrongOpening;
                EXPECT_EQ(q.hints[a][0].rfind(opening, 0), 0u) << "hint: " << q.hints[a][0];
            }
        }
        EXPECT_EQ(distinct.size(), 5u) << "five different answers";
    }
}

Fields recordFields()
{
    Fields f;
    f.integers = {gCorrAnswer, gNumLinesQ};
    for (Integer i = 0; i <= gMsgQ.Ubound(); ++i)
        f.texts.push_back(gMsgQ(i));
    for (Integer a = 0; a <= gMsgA.Ubound(); ++a) {
        f.texts.push_back(gMsgA(a));
        f.integers.push_back(gNumLinesH(a));
        for (Integer j = 0; j <= gMsgH.Ubound(1); ++j)
            f.texts.push_back(gMsgH(j, a));
    }
    return f;
}

Fields chartFields()
{
    Fields f;
    f.integers = {gGraph,     gFirstObs,  gLastObs, gMajorXMarks, gMajorYMarks,
                  gXDecimals, gYDecimals, gXaxis,   gYaxis,       gNumBoxes};
    f.numbers = {gMinPlotX, gMaxPlotX, gMinPlotY, gMaxPlotY};
    f.texts = {gXAxisLabel, gYAxisLabel};
    for (Integer i = 0; i <= gChartType.Ubound(); ++i)
        f.integers.push_back(gChartType(i));
    for (Integer i = 0; i <= gXToGraph.Ubound(); ++i)
        f.numbers.push_back(gXToGraph(i));
    for (Integer i = 0; i <= gYToGraph.Ubound(); ++i)
        f.numbers.push_back(gYToGraph(i));
    for (Integer b = 0; b <= gBoxplot.Ubound(1); ++b)
        for (Integer k = 0; k <= gBoxplot.Ubound(2); ++k)
            f.numbers.push_back(gBoxplot(b, k));
    for (Integer b = 0; b <= gBarName.Ubound(); ++b)
        f.texts.push_back(gBarName(b));
    return f;
}

void fillWithEarlier()
{
    gCorrAnswer = 9;
    gNumLinesQ = 9;
    for (Integer i = 0; i <= gMsgQ.Ubound(); ++i)
        gMsgQ(i) = "earlier";
    for (Integer a = 0; a <= gMsgA.Ubound(); ++a) {
        gMsgA(a) = "earlier";
        gNumLinesH(a) = 9;
        for (Integer j = 0; j <= gMsgH.Ubound(1); ++j)
            gMsgH(j, a) = "earlier";
    }
    gGraph = 0;
    for (Integer* field :
         {&gFirstObs, &gLastObs, &gMajorXMarks, &gMajorYMarks, &gXDecimals, &gYDecimals, &gXaxis, &gYaxis, &gNumBoxes})
        *field = 9;
    for (double* field : {&gMinPlotX, &gMaxPlotX, &gMinPlotY, &gMaxPlotY})
        *field = -7.0;
    gXAxisLabel = "earlier";
    gYAxisLabel = "earlier";
    for (Integer i = 0; i <= gChartType.Ubound(); ++i)
        gChartType(i) = 9;
    for (Integer i = 0; i <= gXToGraph.Ubound(); ++i)
        gXToGraph(i) = -7.0;
    for (Integer i = 0; i <= gYToGraph.Ubound(); ++i)
        gYToGraph(i) = -7.0;
    for (Integer b = 0; b <= gBoxplot.Ubound(1); ++b)
        for (Integer k = 0; k <= gBoxplot.Ubound(2); ++k)
            gBoxplot(b, k) = -7.0;
    for (Integer b = 0; b <= gBarName.Ubound(); ++b)
        gBarName(b) = "earlier";
}

void expectNothingStoredOutside(QuestionBank bank)
{
    // Before: nothing a bank could have written, the first question, the last one.
    for (const Integer earlier : {Integer{0}, Integer{1}, Integer{30}}) {
        for (const Integer number : {Integer{0}, Integer{-1}, Integer{-2}, Integer{31}, Integer{1000}}) {
            SCOPED_TRACE("gWhichQ " + std::to_string(number) + " after question " + std::to_string(earlier));
            state() = State{};
            if (earlier == 0)
                fillWithEarlier();
            else
                storeThrough(bank, earlier);
            const Fields record = recordFields();
            const Fields chart = chartFields();
            gWhichQ = number;
            bank();
            EXPECT_TRUE(recordFields() == record);
            EXPECT_TRUE(chartFields() == chart);
        }
    }
}

void expectQuestion(QuestionBank bank, Integer number, Integer correct, const Lines& lines,
                    const std::array<std::string, 5>& answers, const std::array<Lines, 5>& hints)
{
    SCOPED_TRACE("question " + std::to_string(number));
    const StoredQuestion q = storeThrough(bank, number);
    EXPECT_EQ(q.correct, correct);
    EXPECT_EQ(q.lines, lines);
    EXPECT_EQ(q.answers, answers);
    for (std::size_t a = 0; a < 5; ++a)
        EXPECT_EQ(q.hints[a], hints[a]) << "answer " << a + 1;
}

void expectSheet(QuestionBank bank, const std::vector<SheetRow>& sheet)
{
    std::vector<Row> rows;
    std::map<Integer, Answers> answers;
    for (const SheetRow& entry : sheet) {
        rows.push_back(entry.row);
        if (entry.answers != Answers{})
            answers[entry.row.number] = entry.answers;
    }
    expectRows(bank, rows);
    expectAnswers(bank, answers);
}

void expectAnswers(QuestionBank bank, const std::map<Integer, Answers>& answers)
{
    for (const auto& [number, expected] : answers) {
        SCOPED_TRACE("question " + std::to_string(number));
        EXPECT_EQ(storeThrough(bank, number).answers, expected);
    }
}

std::string where(const Place& place)
{
    return "question " + std::to_string(place.first) + ", answer " + std::to_string(place.second);
}

std::string joined(const Lines& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += (text.empty() ? "" : " ") + line;
    return text;
}

Lines hintAt(QuestionBank bank, const Place& place)
{
    return storeThrough(bank, place.first).hints[static_cast<std::size_t>(place.second - 1)];
}

void expectHintsSay(QuestionBank bank, const std::vector<HintWording>& cases)
{
    for (const auto& c : cases) {
        const std::string text = joined(hintAt(bank, {c.number, c.answer}));
        EXPECT_NE(text.find(c.says), std::string::npos) << where({c.number, c.answer}) << ": " << text;
        EXPECT_EQ(text.find(c.saysNot), std::string::npos) << where({c.number, c.answer}) << ": " << text;
    }
}

const Lines& rightHint(const StoredQuestion& q)
{
    return q.hints[static_cast<std::size_t>(q.correct - 1)];
}

std::map<Place, Lines> allHints(QuestionBank bank)
{
    std::map<Place, Lines> hints;
    for (Integer n = 1; n <= 30; ++n) {
        const StoredQuestion q = storeThrough(bank, n);
        for (Integer a = 1; a <= 5; ++a)
            hints[{n, a}] = q.hints[static_cast<std::size_t>(a - 1)];
    }
    return hints;
}

std::vector<Place> placesOf(const std::map<Place, Lines>& hints, const Lines& hint)
{
    std::vector<Place> places;
    for (const auto& [place, lines] : hints)
        if (lines == hint)
            places.push_back(place);
    return places;
}

void expectStockLinesAt(QuestionBank bank, const std::vector<StockLine>& stock)
{
    const std::map<Place, Lines> hints = allHints(bank);
    for (const StockLine& s : stock)
        for (const Place& place : s.places)
            EXPECT_EQ(hints.at(place), Lines{s.line}) << where(place);
}

void expectStockLinesOnlyAt(QuestionBank bank, const std::vector<StockLine>& stock)
{
    const std::map<Place, Lines> hints = allHints(bank);
    for (const StockLine& s : stock)
        EXPECT_EQ(placesOf(hints, Lines{s.line}), s.places) << s.line;
}

void expectSharedHints(QuestionBank bank, const std::vector<std::vector<Place>>& groups)
{
    const std::map<Place, Lines> hints = allHints(bank);
    for (const auto& group : groups)
        for (const Place& place : group)
            EXPECT_EQ(hints.at(place), hints.at(group.front())) << where(place) << " against " << where(group.front());
}

Lines textsOf(const StoredQuestion& q)
{
    Lines texts = q.lines;
    texts.insert(texts.end(), q.answers.begin(), q.answers.end());
    for (const Lines& hint : q.hints)
        texts.insert(texts.end(), hint.begin(), hint.end());
    return texts;
}

void expectNoTextMatches(QuestionBank bank, const std::vector<std::string>& patterns)
{
    std::vector<std::regex> compiled;
    for (const std::string& pattern : patterns)
        compiled.emplace_back(pattern);
    for (Integer n = 1; n <= 30; ++n) {
        SCOPED_TRACE("question " + std::to_string(n));
        for (const std::string& text : textsOf(storeThrough(bank, n)))
            for (std::size_t i = 0; i < compiled.size(); ++i)
                EXPECT_FALSE(std::regex_search(text, compiled[i])) << "\"" << text << "\" matches " << patterns[i];
    }
}

double shownValue(const std::string& text)
{
    const auto times = text.find("*10^");
    const double exponent = times == std::string::npos ? 0.0 : std::stod(text.substr(times + 4));
    return std::stod(text.substr(0, times)) * std::pow(10.0, exponent);
}

double halfUnit(const std::string& text)
{
    const auto times = text.find("*10^");
    const std::string mantissa = text.substr(0, times);
    const double exponent = times == std::string::npos ? 0.0 : std::stod(text.substr(times + 4));
    const auto point = mantissa.find('.');
    const double decimals = point == std::string::npos ? 0.0 : static_cast<double>(mantissa.size() - point - 1);
    return 0.5 * std::pow(10.0, exponent - decimals) * 1.0001;
}

bool shows(const std::string& option, double value)
{
    return std::fabs(value - shownValue(option)) <= halfUnit(option);
}

void expectOnlyTheKeyShows(const StoredQuestion& q, double value)
{
    for (Integer a = 1; a <= 5; ++a) {
        const std::string& option = q.answers[static_cast<std::size_t>(a - 1)];
        EXPECT_EQ(shows(option, value), a == q.correct) << "option " << a << " \"" << option << "\", value " << value;
    }
}

std::vector<double> numbersIn(const std::string& text)
{
    static const std::regex number{R"([0-9]+(\.[0-9]+)?)"};
    std::vector<double> values;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
        values.push_back(std::stod(it->str()));
    return values;
}

void expectLinesState(const StoredQuestion& q, const std::vector<std::string>& data)
{
    for (const std::string& given : data)
        EXPECT_NE(joined(q.lines).find(given), std::string::npos) << given << " in: " << joined(q.lines);
}

Integer nearestOption(const Answers& options, double value, bool logScale)
{
    Integer best = 0;
    double bestDistance = INFINITY;
    for (Integer a = 1; a <= 5; ++a) {
        const double option = shownValue(options[static_cast<std::size_t>(a - 1)]);
        if (logScale && option <= 0.0)
            continue;
        const double distance = logScale ? std::fabs(std::log(option) - std::log(value)) : std::fabs(option - value);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = a;
        }
    }
    return best;
}

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

BoxEstimate estimateFromBox(Integer box)
{
    const double marks[] = {gBoxplot(box, 1), gBoxplot(box, 3), gBoxplot(box, 4), gBoxplot(box, 5), gBoxplot(box, 2)};
    double mean = 0.0;
    for (int i = 0; i < 4; ++i)
        mean += (marks[i] + marks[i + 1]) / 8.0;
    double variance = 0.0;
    for (int i = 0; i < 4; ++i) {
        const double width = marks[i + 1] - marks[i];
        const double middle = (marks[i] + marks[i + 1]) / 2.0;
        variance += (width * width / 12.0 + (middle - mean) * (middle - mean)) / 4.0;
    }
    return {mean, std::sqrt(variance)};
}

namespace {
double median(Integer b) { return gBoxplot(b, 4); }
double quartilesMean(Integer b) { return (gBoxplot(b, 3) + gBoxplot(b, 4) + gBoxplot(b, 5)) / 3.0; }
double quartersMean(Integer b) { return estimateFromBox(b).mean; }
double fromBoxWidth(Integer b) { return (gBoxplot(b, 5) - gBoxplot(b, 3)) / 1.35; } // the IQR of a normal
double rangeByFour(Integer b) { return (gBoxplot(b, 2) - gBoxplot(b, 1)) / 4.0; }
double rangeBySix(Integer b) { return (gBoxplot(b, 2) - gBoxplot(b, 1)) / 6.0; }
double quartersSd(Integer b) { return estimateFromBox(b).sd; }
} // namespace

const std::vector<BoxReading>& boxCentres()
{
    static const std::vector<BoxReading> centres = {
        {"medians", median}, {"means of the quartiles", quartilesMean}, {"means of the quarters", quartersMean}};
    return centres;
}

const std::vector<BoxReading>& boxSpreads()
{
    static const std::vector<BoxReading> spreads = {{"box width / 1.35", fromBoxWidth},
                                                    {"range / 4", rangeByFour},
                                                    {"range / 6", rangeBySix},
                                                    {"the quarters' spread", quartersSd}};
    return spreads;
}

double boxSampleSize(Integer box)
{
    return std::stod(gBarName(box).substr(4));
}

double drawFromBox(Integer box, std::mt19937_64& random)
{
    const double marks[] = {gBoxplot(box, 1), gBoxplot(box, 3), gBoxplot(box, 4), gBoxplot(box, 5), gBoxplot(box, 2)};
    const double u = static_cast<double>(random() >> 11) * 0x1.0p-53 * 4.0;
    const int quarter = std::min(3, static_cast<int>(u));
    return marks[quarter] + (u - quarter) * (marks[quarter + 1] - marks[quarter]);
}

void expectBoxInOrder(Integer box)
{
    SCOPED_TRACE("box " + std::to_string(box));
    EXPECT_LE(gMinPlotX, gBoxplot(box, 1));
    EXPECT_LE(gBoxplot(box, 1), gBoxplot(box, 3));
    EXPECT_LE(gBoxplot(box, 3), gBoxplot(box, 4));
    EXPECT_LE(gBoxplot(box, 4), gBoxplot(box, 5));
    EXPECT_LE(gBoxplot(box, 5), gBoxplot(box, 2));
    EXPECT_LE(gBoxplot(box, 2), gMaxPlotX);
}

} // namespace testing_support
