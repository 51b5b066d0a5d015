#pragma once

#include "framework/Controls.h"
#include "framework/Graphics.h"
#include "framework/Platform.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

class MenuBar;

// The design-time properties of a window, applied once by its Layout event.
struct WindowProperties {
    Integer Width = 300;
    Integer Height = 300;
    Integer MinWidth = 64;
    Integer MinHeight = 64;
    Integer MaxWidth = 32000;
    Integer MaxHeight = 32000;
    std::string Title;
    bool CloseButton = true;
    bool Resizeable = true;
    bool MaximizeButton = true;
    bool MinimizeButton = true;
    bool Visible = true;
    bool HasBackColor = false;
    Color BackColor{255, 255, 255};
    bool MenuBarVisible = true;
};

// A piece of what the program paints on the content area, as a screen reader reads it:
// text, a chart (its kind, and its values in words), or a link, which a click at its middle
// follows. The place is in pixels of the content area.
struct ContentPiece {
    enum class Kind { Text, Chart, Link };
    Kind kind = Kind::Text;
    std::string text;
    std::string description;
    Integer left = 0;
    Integer top = 0;
    Integer width = 0;
    Integer height = 0;
    // The control set (by name) that this piece asks about, as a question its answers: a
    // screen reader reads the set as a group titled with its pieces.
    std::string group;
    // Above 0: said as soon as it appears, wherever the keyboard is, as the reply to what the
    // user did; said again when the number changes, though the text stays (another answer
    // with the same hint).
    Integer spoken = 0;
    bool operator==(const ContentPiece&) const = default;
};

// A window: its content area, the controls placed on it, and the events through which the
// framework calls the program. Windows are built by newWindow() and held by the framework
// as the one instance of their class until they close.
class Window {
public:
    explicit Window(std::string className);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& className() const { return className_; }

    void SetProperties(const WindowProperties& properties);
    const WindowProperties& properties() const { return properties_; }

    const std::string& Title() const { return properties_.Title; }
    void setTitle(std::string title);
    // Position of the window, in pixels from the main screen's top left corner.
    Integer Left() const { return left_; }
    Integer Top() const { return top_; }
    void setLeft(Integer left);
    void setTop(Integer top);
    // Left and Top together: the window moves once.
    void setPosition(Integer left, Integer top);
    // Size of the content area.
    Integer Width() const { return properties_.Width; }
    Integer Height() const { return properties_.Height; }
    // The user resized a resizeable window (the platform reports it).
    void contentResized(Integer width, Integer height);

    MenuBar* menuBar() const { return menuBar_; }
    void setMenuBar(MenuBar* bar);

    // Asks for the whole window to be painted again, its background first; the Paint event
    // follows later.
    void Refresh();
    long refreshRequests() const { return refreshRequests_; }

    // What the content area shows, for assistive technology; set as the program paints it.
    // On a new screen (another question, another page) the keyboard goes to its first
    // control, where a screen reader starts reading.
    void setContentPieces(std::vector<ContentPiece> pieces, bool newScreen = false);
    const std::vector<ContentPiece>& contentPieces() const { return contentPieces_; }

    // Closes the window; the framework then holds no instance of its class.
    void Close();

    // Controls added under one name form a control set, told apart by their Index.
    RectControl& AddControl(std::unique_ptr<RectControl> control);
    RectControl* ControlByName(std::string_view name) const;
    RectControl* ControlByNameIndex(std::string_view name, Integer index) const;
    const std::vector<std::unique_ptr<RectControl>>& controls() const { return controls_; }
    template <typename Kind>
    std::vector<Kind*> controlsOfKind() const
    {
        std::vector<Kind*> found;
        for (const auto& control : controls_)
            if (auto* kind = dynamic_cast<Kind*>(control.get()))
                found.push_back(kind);
        return found;
    }

    // Events as the platform raises them: each runs under exception handling, so that an
    // exception in the program is reported and never reaches the event loop.
    void raisePaint(Graphics& g);
    void raiseMouseDown(Integer x, Integer y);
    void raiseKeyDown(const std::string& key);

    WindowPeer* peer() const { return peer_.get(); }

protected:
    // Raised while the window is built, in this order, before the window is shown.
    virtual void CreateControls() {}
    virtual void Layout() {}
    virtual void Event_Open() {}
    // The whole content area is to be drawn.
    virtual void Event_Paint(Graphics&) {}
    // A click in the content area, at pixels from its top left corner.
    virtual bool Event_MouseDown(Integer, Integer) { return false; }
    // A key that no control took.
    virtual bool Event_KeyDown(const std::string&) { return false; }

private:
    friend class RectControl;
    template <typename W>
    friend W& newWindow();

    // Builds the window: CreateControls, Layout, its platform peer, then the Open event.
    void Constructor();
    void controlChanged(RectControl& control);

    std::string className_;
    WindowProperties properties_;
    Integer left_ = 0;
    Integer top_ = 0;
    MenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<RectControl>> controls_;
    std::vector<ContentPiece> contentPieces_;
    std::unique_ptr<WindowPeer> peer_;
    long refreshRequests_ = 0;
    bool closed_ = false;
};

// The window that the framework holds for the class, or null.
Window* GetImplicitWindow(std::string_view className);

// Frees the windows closed so far (the platform calls it once their events are over).
void releaseClosedWindows();

// Closes every window the framework holds.
void closeAllWindows();

namespace detail {
Window& hold(std::unique_ptr<Window> window);
}

// Makes a window of class W, which the framework then holds as the class's instance,
// and builds it.
template <typename W>
W& newWindow()
{
    auto& window = static_cast<W&>(detail::hold(std::make_unique<W>()));
    window.Constructor();
    return window;
}

} // namespace framework
