#include "framework/Controls.h"

#include "framework/Window.h"

namespace framework {

RectControl::RectControl(std::string name, Integer index) : name_(std::move(name)), index_(index) {}

void RectControl::setLeft(Integer left)
{
    left_ = left;
    changed();
}

void RectControl::setTop(Integer top)
{
    top_ = top;
    changed();
}

void RectControl::setEnabled(bool enabled)
{
    enabled_ = enabled;
    changed();
}

void RectControl::setVisible(bool visible)
{
    visible_ = visible;
    changed();
}

void RectControl::setAccessibleName(std::string name)
{
    if (name == accessibleName_)
        return;
    accessibleName_ = std::move(name);
    changed();
}

void RectControl::SetProperties(const ControlProperties& properties)
{
    left_ = properties.Left;
    top_ = properties.Top;
    width_ = properties.Width;
    height_ = properties.Height;
    enabled_ = properties.Enabled;
    visible_ = properties.Visible;
    tabIndex_ = properties.TabIndex;
    textFont_ = properties.TextFont;
    textSize_ = properties.TextSize;
    changed();
}

void RectControl::click()
{
    if (enabled_ && visible_ && Action)
        Action(*this);
}

void RectControl::changed()
{
    if (window_)
        window_->controlChanged(*this);
}

void PushButton::setCaption(std::string caption)
{
    caption_ = std::move(caption);
    changed();
}

void PushButton::SetProperties(const ControlProperties& properties)
{
    caption_ = properties.Caption;
    default_ = properties.Default;
    RectControl::SetProperties(properties);
}

void RadioButton::setValue(bool value)
{
    if (value && window())
        for (auto* other : window()->controlsOfKind<RadioButton>())
            if (other != this && other->value_) {
                other->value_ = false;
                other->changed();
            }
    value_ = value;
    changed();
}

void RadioButton::click()
{
    if (!Enabled() || !Visible())
        return;
    setValue(true);
    RectControl::click();
}

} // namespace framework
