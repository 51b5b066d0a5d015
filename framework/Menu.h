#pragma once

#include "framework/Types.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

// A menu entry: a menu on the bar, an item in a menu, or a separator (Text "-"). The
// program knows entries by their Name.
class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Text() const { return text_; }
    bool AutoEnable() const { return autoEnable_; }
    bool Visible() const { return visible_; }
    const std::string& KeyboardShortcut() const { return keyboardShortcut_; }
    bool Enabled() const { return enabled_; }

    void setName(std::string name) { name_ = std::move(name); }
    void setText(std::string text) { text_ = std::move(text); }
    void setAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    void setVisible(bool visible) { visible_ = visible; }
    void setKeyboardShortcut(std::string shortcut) { keyboardShortcut_ = std::move(shortcut); }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    bool isSeparator() const { return text_ == "-"; }

    // Adds the entry after those already there.
    void Append(std::unique_ptr<MenuItem> entry);
    Integer Count() const { return static_cast<Integer>(entries_.size()); }
    MenuItem& Item(Integer index) const;
    // The direct entry of that Name, or null.
    MenuItem* Child(std::string_view name) const;
    // The entry of that Name at any depth below this one, or null.
    MenuItem* Lookup(std::string_view name) const;

private:
    std::string name_;
    std::string text_;
    bool autoEnable_ = false;
    bool visible_ = true;
    std::string keyboardShortcut_;
    bool enabled_ = true;
    std::vector<std::unique_ptr<MenuItem>> entries_;
};

// The item that quits the application; the framework supplies its action. On macOS it
// moves to the application menu.
class QuitMenuItem : public MenuItem {};

// The item that shows the application's About page; on macOS it moves to the application menu.
class AppleMenuItem : public MenuItem {};

class MenuBar : public MenuItem {};

} // namespace framework
