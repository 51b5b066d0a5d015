#pragma once

#include "framework/Types.h"

#include <functional>
#include <string>

namespace framework {

class Window;

// The design-time properties of a control, applied once while its window is built.
struct ControlProperties {
    Integer Left = 0;
    Integer Top = 0;
    Integer Width = 0;
    Integer Height = 0;
    std::string Caption;
    bool Default = false;
    bool Enabled = true;
    bool Visible = true;
    Integer TabIndex = 0;
    std::string TextFont = "System";
    double TextSize = 12;
};

// A control placed on a window. Every property change is mirrored on screen by the
// window's platform peer.
class RectControl {
public:
    // The index of a control that belongs to no control set.
    static constexpr Integer NoIndex = -2147483648LL;

    RectControl(std::string name, Integer index);
    virtual ~RectControl() = default;
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    const std::string& Name() const { return name_; }
    Integer Index() const { return index_; }

    Integer Left() const { return left_; }
    Integer Top() const { return top_; }
    Integer Width() const { return width_; }
    Integer Height() const { return height_; }
    bool Enabled() const { return enabled_; }
    bool Visible() const { return visible_; }
    const std::string& TextFont() const { return textFont_; }
    double TextSize() const { return textSize_; }
    Integer TabIndex() const { return tabIndex_; }

    void setLeft(Integer left);
    void setTop(Integer top);
    void setEnabled(bool enabled);
    void setVisible(bool visible);
    // What a screen reader calls the control, where its caption does not say it.
    const std::string& AccessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string name);

    virtual void SetProperties(const ControlProperties& properties);

    // The window the control belongs to; null until it is added to one.
    Window* window() const { return window_; }

    // The Action event: raised by a user click on the enabled, visible control.
    std::function<void(RectControl& sender)> Action;
    // A click by the user (the platform calls it; tests may too).
    virtual void click();

protected:
    void changed();

private:
    friend class Window;

    std::string name_;
    Integer index_;
    Integer left_ = 0;
    Integer top_ = 0;
    Integer width_ = 0;
    Integer height_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    std::string textFont_ = "System";
    double textSize_ = 12;
    Integer tabIndex_ = 0;
    std::string accessibleName_;
    Window* window_ = nullptr;
};

class PushButton : public RectControl {
public:
    explicit PushButton(std::string name, Integer index = NoIndex) : RectControl(std::move(name), index) {}

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    // The window's default button, pressed by the Return key.
    bool Default() const { return default_; }

    void SetProperties(const ControlProperties& properties) override;

private:
    std::string caption_;
    bool default_ = false;
};

// Radio buttons on one window form one group: selecting one unselects the others.
// Setting Value never raises Action; only a click by the user does.
class RadioButton : public RectControl {
public:
    RadioButton(std::string name, Integer index) : RectControl(std::move(name), index) {}

    bool Value() const { return value_; }
    void setValue(bool value);

    void click() override;

private:
    bool value_ = false;
};

} // namespace framework
