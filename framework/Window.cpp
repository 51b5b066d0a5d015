#include "framework/Window.h"

#include "framework/Exceptions.h"

#include <algorithm>
#include <utility>

namespace framework {

namespace {

struct Windows {
    std::vector<std::unique_ptr<Window>> open;
    std::vector<std::unique_ptr<Window>> closed;
};

Windows& windows()
{
    static Windows all;
    return all;
}

} // namespace

Window::Window(std::string className) : className_(std::move(className)) {}

Window::~Window() = default;

void Window::Constructor()
{
    CreateControls();
    Layout();
    peer_ = platform().createWindowPeer(*this);
    Event_Open();
}

void Window::SetProperties(const WindowProperties& properties)
{
    properties_ = properties;
    if (peer_)
        peer_->propertiesChanged();
}

void Window::setTitle(std::string title)
{
    properties_.Title = std::move(title);
    if (peer_)
        peer_->titleChanged();
}

void Window::setLeft(Integer left)
{
    setPosition(left, top_);
}

void Window::setTop(Integer top)
{
    setPosition(left_, top);
}

void Window::setPosition(Integer left, Integer top)
{
    left_ = left;
    top_ = top;
    if (peer_)
        peer_->positionChanged();
}

void Window::contentResized(Integer width, Integer height)
{
    properties_.Width = width;
    properties_.Height = height;
}

void Window::setMenuBar(MenuBar* bar)
{
    menuBar_ = bar;
    if (peer_)
        peer_->menuBarChanged();
}

void Window::Refresh()
{
    ++refreshRequests_;
    if (peer_)
        peer_->refresh();
}

void Window::setContentPieces(std::vector<ContentPiece> pieces, bool newScreen)
{
    if (pieces == contentPieces_ && !newScreen)
        return;
    std::vector<ContentPiece> before = std::exchange(contentPieces_, std::move(pieces));
    if (peer_)
        peer_->contentChanged(before, newScreen);
}

void Window::Close()
{
    if (closed_)
        return;
    closed_ = true;
    if (peer_)
        peer_->close();
    auto& all = windows();
    const auto it = std::find_if(all.open.begin(), all.open.end(),
                                 [this](const auto& window) { return window.get() == this; });
    if (it != all.open.end()) {
        all.closed.push_back(std::move(*it));
        all.open.erase(it);
    }
}

RectControl& Window::AddControl(std::unique_ptr<RectControl> control)
{
    control->window_ = this;
    controls_.push_back(std::move(control));
    controlChanged(*controls_.back());
    return *controls_.back();
}

RectControl* Window::ControlByName(std::string_view name) const
{
    for (const auto& control : controls_)
        if (control->Name() == name)
            return control.get();
    return nullptr;
}

RectControl* Window::ControlByNameIndex(std::string_view name, Integer index) const
{
    for (const auto& control : controls_)
        if (control->Name() == name && control->Index() == index)
            return control.get();
    return nullptr;
}

void Window::raisePaint(Graphics& g)
{
    callGuarded([&] { Event_Paint(g); });
}

void Window::raiseMouseDown(Integer x, Integer y)
{
    callGuarded([&] { Event_MouseDown(x, y); });
}

void Window::raiseKeyDown(const std::string& key)
{
    callGuarded([&] { Event_KeyDown(key); });
}

void Window::controlChanged(RectControl& control)
{
    if (peer_)
        peer_->controlChanged(control);
}

Window* GetImplicitWindow(std::string_view className)
{
    for (const auto& window : windows().open)
        if (window->className() == className)
            return window.get();
    return nullptr;
}

void closeAllWindows()
{
    while (!windows().open.empty())
        windows().open.back()->Close();
}

void releaseClosedWindows()
{
    windows().closed.clear();
}

Window& detail::hold(std::unique_ptr<Window> window)
{
    windows().open.push_back(std::move(window));
    return *windows().open.back();
}

} // namespace framework
