// A bare Qt window of the same size with a menu bar of three menus and seventeen entries,
// painting one line of text, ending once it is painted: the yardstick for start-up.

#include "FirstPaint.h"

#include <QMenuBar>
#include <QPainter>

namespace {

class Content : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawText(200, 56, "Merrowby");
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
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
