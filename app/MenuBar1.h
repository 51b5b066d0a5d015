#pragma once

#include "framework/Menu.h"

#include <string_view>

namespace app {

// The menu bar: "Statistical Data", "Statistical Inference" and "Help". One shared
// instance serves as the application's and the window's menu bar. The entries, and the
// App action of each handled item, come from one table in MenuBar1.cpp.
class MenuBar1Class : public framework::MenuBar {
public:
    // Builds every menu.
    void Constructor();
};

// The shared bar, built on the first call.
MenuBar1Class& MenuBar1();

// Registers the twelve actions of App under their items' names.
void ApplicationAddMenuHandlers();

// The entry of that Name under the application's menu bar; NilObjectException when the
// application, its menu bar or the entry is missing.
framework::MenuItem& menuItem(std::string_view name);

} // namespace app
