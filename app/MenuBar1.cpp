#include "app/MenuBar1.h"

#include "app/App.h"
#include "banks/Banks.h"
#include "framework/Exceptions.h"

#include <memory>
#include <string>

namespace app {

using framework::Integer;
using framework::MenuItem;

namespace {

std::unique_ptr<MenuBar1Class> implicitInstance;

using Action = bool (AppClass::*)();

// What an entry of the table is: a menu on the bar, or an entry of the menu above it.
enum class Kind { Menu, Item, Separator, Quit, About };

struct Entry {
    Kind kind;
    const char* name;
    const char* text;
    Action action; // the App action registered under the name, or none
};

// A category's item: its Name and text are the category's (banks/Banks.h).
constexpr Entry categoryItem(Integer type, Action action)
{
    const Module1::Category& c = Module1::category(type);
    return {Kind::Item, c.item, c.text, action};
}

// The whole menu bar, in the order in which it is built and shown. An entry with an action
// is a handled item: its action is registered under its Name, and EnableMenuItems enables it.
// clang-format off
constexpr Entry menuTable[] = {
    {Kind::Menu, "Data", "Statistical Data", nullptr},
    categoryItem(1, &AppClass::StatisticalDataDisplayingData_Action),
    categoryItem(2, &AppClass::StatisticalDataSummarizingData_Action),
    categoryItem(3, &AppClass::StatisticalDataProducingData_Action),

    {Kind::Menu, "Inference", "Statistical Inference", nullptr},
    categoryItem(4, &AppClass::StatisticalInferenceExplainingData_Action),
    categoryItem(5, &AppClass::StatisticalInferenceEstimation_Action),
    categoryItem(6, &AppClass::StatisticalInferenceHypothesisTests_Action),
    categoryItem(7, &AppClass::StatisticalInferenceComparingTwoSamples_Action),
    categoryItem(8, &AppClass::StatisticalInferenceANOVA_Action),
    categoryItem(9, &AppClass::StatisticalInferenceChiSquare_Action),
    categoryItem(10, &AppClass::StatisticalInferenceSimpleRegression_Action),
    {Kind::Separator, "separator", "-", nullptr},
    {Kind::Item, "StatisticalInferenceRandomCategories", "Random Categories", &AppClass::StatisticalInferenceRandomCategories_Action},

    {Kind::Menu, "HelpMenu", "Help", nullptr},
    {Kind::Quit, "HelpQuit", "Quit", nullptr},  // the framework supplies its action
    {Kind::About, "AboutMerrowby", "About Merrowby...", &AppClass::AboutMerrowby_Action},
};
// clang-format on

std::unique_ptr<MenuItem> makeEntry(const Entry& entry)
{
    std::unique_ptr<MenuItem> item;
    switch (entry.kind) {
    case Kind::Quit:
        item = std::make_unique<framework::QuitMenuItem>();
        break;
    case Kind::About:
        item = std::make_unique<framework::AppleMenuItem>();
        break;
    default:
        item = std::make_unique<MenuItem>();
        break;
    }
    item->setName(entry.name);
    item->setAutoEnable(true);
    item->setText(entry.text);
    item->setVisible(true);
    if (entry.kind != Kind::Separator)
        item->setKeyboardShortcut("");
    return item;
}

MenuItem& menu(framework::MenuBar& bar, const char* name)
{
    MenuItem* found = bar.Child(name);
    if (!found)
        throw framework::NilObjectException(std::string("no menu ") + name);
    return *found;
}

} // namespace

void MenuBar1Class::Constructor()
{
    // A menu stands on the bar before its first entry is added; each entry goes to the
    // menu above it in the table, fetched afresh by its Name.
    const char* current = nullptr;
    for (const Entry& entry : menuTable) {
        if (entry.kind == Kind::Menu) {
            Append(makeEntry(entry));
            current = entry.name;
        } else {
            menu(*this, current).Append(makeEntry(entry));
        }
    }
}

MenuBar1Class& MenuBar1()
{
    if (!implicitInstance) {
        // Kept only once it is complete: a failed build leaves no half-built bar behind.
        auto bar = std::make_unique<MenuBar1Class>();
        bar->Constructor();
        implicitInstance = std::move(bar);
    }
    return *implicitInstance;
}

void ApplicationAddMenuHandlers()
{
    // Bound by Name, never by position.
    for (const Entry& entry : menuTable) {
        if (!entry.action)
            continue;
        AppClass& app = App();
        app.AddMenuHandler(entry.name, [&app, action = entry.action] { return (app.*action)(); });
    }
}

MenuItem& menuItem(std::string_view name)
{
    framework::MenuBar* bar = App().menuBar();
    if (!bar)
        throw framework::NilObjectException("the application has no menu bar");
    MenuItem* item = bar->Lookup(name);
    if (!item)
        throw framework::NilObjectException("no menu item " + std::string(name));
    return *item;
}

void AppClass::Event_EnableMenuItems()
{
    for (const Entry& entry : menuTable)
        if (entry.action)
            menuItem(entry.name).setEnabled(true);
}

} // namespace app
