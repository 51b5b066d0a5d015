// A bare Qt window of the same size with a menu bar of three menus and seventeen entries,
// ending once it is painted: the yardstick for start-up. Built twice: painting one line of
// text in the default face, and (MERROWBY_INTRO_TEXT) painting the intro screen's texts in its
// faces, sizes and colours, which tells the intro's own share of the program's start-up.
// With --count-families it prints how many font families Qt sees, and ends.

#include "FirstPaint.h"

#include <QFontDatabase>
#include <QMenuBar>
#include <QPainter>

#include <cstdio>

#ifdef MERROWBY_INTRO_TEXT
#include "quiz/Layout.h"
#include "ui/AboutPage.h"
#include "ui/IntroScreen.h"

#include <QFontMetrics>
#include <iterator>
#include <string>
#endif

namespace {

#ifdef MERROWBY_INTRO_TEXT
namespace layout = Module1::layout;

QFont serif(int pixels)
{
    static const bool liberation = QFontDatabase::families().contains("Liberation Serif");
    QFont font(liberation ? "Liberation Serif" : "Serif");
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixels);
    return font;
}

void drawCentred(QPainter& painter, const QString& text, int baseline)
{
    const int width = QFontMetrics(painter.font()).horizontalAdvance(text);
    painter.drawText((static_cast<int>(layout::ContentWidth) - width + 1) / 2, baseline, text);
}
#endif

class Content : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
#ifdef MERROWBY_INTRO_TEXT
        painter.setFont(serif(36));
        painter.setPen(QColor(layout::Blue.red, layout::Blue.green, layout::Blue.blue));
        drawCentred(painter, "Merrowby", static_cast<int>(layout::IntroNameBaseline));
        painter.setFont(serif(15));
        painter.setPen(Qt::black);
        int baseline = static_cast<int>(layout::IntroFirstBaseline);
        for (const char* line : ui::intro::Lines) {
            std::string text = line;
            if (line == ui::intro::Lines.back())
                text += std::string("  ") + ui::about::AuthorshipNotice;
            drawCentred(painter, QString::fromStdString(text), baseline);
            baseline += static_cast<int>(layout::IntroPitch);
        }
#else
        painter.drawText(200, 56, "Merrowby");
#endif
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc > 1 && QString(argv[1]) == "--count-families") { // how many families Qt sees
        std::printf("%lld\n", static_cast<long long>(QFontDatabase::families().size()));
        return 0;
    }
    QuitAfterFirstPaint probe;
    application.installEventFilter(&probe);
    QMainWindow window;
    auto* content = new Content;
    content->setFixedSize(511, 306);
    window.setCentralWidget(content);
    const std::vector<std::vector<const char*>> menus = {
        {"Statistical Data", "Displaying Data", "Summarizing Data", "Producing Data"},
        {"Statistical Inference", "Explaining Data", "Estimation", "Hypothesis Tests", "Comparing Two Samples", "ANOVA",
         "Chi-Square", "Simple Regression", "-", "Random Categories"},
        {"Help", "Quit", "About Merrowby..."},
    };
    for (const auto& menu : menus) {
        QMenu* added = window.menuBar()->addMenu(menu[0]);
        for (std::size_t i = 1; i < menu.size(); ++i) {
            if (menu[i][0] == '-')
                added->addSeparator();
            else
                added->addAction(menu[i]);
        }
    }
    window.show();
    return QApplication::exec();
}
