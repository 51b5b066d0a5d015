#include "framework/qt/ContentAccessibility.h"

#include "framework/Window.h"
#include "framework/qt/CanvasAndFrame.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QRadioButton>
#include <QWindow>

#include <algorithm>

namespace framework::qt {

namespace {

using Kind = ContentPiece::Kind;

const std::vector<ContentPiece>& piecesOf(const Canvas& canvas)
{
    static const std::vector<ContentPiece> none;
    const Window* window = canvas.frameworkWindow();
    return window ? window->contentPieces() : none;
}

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// One piece of the content area. It reads the piece from the window each time, so that it
// stays right as the screen changes; past the pieces there are it is no longer valid.
class PieceAccessible : public QAccessibleInterface,
                        public QAccessibleActionInterface,
                        public QAccessibleTextInterface {
public:
    PieceAccessible(Canvas& canvas, std::size_t index) : canvas_(&canvas), index_(index) {}

    bool isValid() const override { return canvas_ && index_ < piecesOf(*canvas_).size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return canvas_ ? canvas_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(canvas_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return qs(piece().text);
        if (t == QAccessible::Description)
            return qs(piece().description);
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const ContentPiece& p = piece();
        return {canvas_->mapToGlobal(QPoint(static_cast<int>(p.left), static_cast<int>(p.top))),
                QSize(static_cast<int>(p.width), static_cast<int>(p.height))};
    }

    QAccessible::Role role() const override
    {
        if (!isValid())
            return QAccessible::StaticText;
        switch (piece().kind) {
        case Kind::Chart:
            return QAccessible::Chart;
        case Kind::Link:
            return QAccessible::Link;
        case Kind::Text:
            break;
        }
        return QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !isValid() || !canvas_->isVisible();
        if (isValid() && piece().kind == Kind::Link)
            s.linked = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (!isValid())
            return nullptr;
        if (type == QAccessible::ActionInterface && piece().kind == Kind::Link)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::TextInterface && piece().kind == Kind::Text)
            return static_cast<QAccessibleTextInterface*>(this);
        return nullptr;
    }

    // The link is followed as a click at its middle follows it.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name != pressAction() || !isValid())
            return;
        const ContentPiece& p = piece();
        if (Window* window = canvas_->frameworkWindow())
            window->raiseMouseDown(p.left + p.width / 2, p.top + p.height / 2);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // The text is read only: no caret, no selection.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return text(QAccessible::Name).mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(text(QAccessible::Name).size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    const ContentPiece& piece() const { return piecesOf(*canvas_)[index_]; }

    QPointer<Canvas> canvas_;
    std::size_t index_;
};

// The content area: the painted pieces and the controls, in the order they stand from top
// to bottom.
class CanvasAccessible : public QAccessibleWidget {
public:
    explicit CanvasAccessible(Canvas* canvas) : QAccessibleWidget(canvas, QAccessible::Pane) {}

    ~CanvasAccessible() override
    {
        for (QAccessible::Id id : pieceIds_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(children().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const auto all = children();
        if (index < 0 || static_cast<std::size_t>(index) >= all.size())
            return nullptr;
        return all[static_cast<std::size_t>(index)];
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto all = children();
        const auto found = std::find(all.begin(), all.end(), child);
        return found == all.end() ? -1 : static_cast<int>(found - all.begin());
    }

    QAccessibleInterface* piece(std::size_t index) const
    {
        while (pieceIds_.size() <= index)
            pieceIds_.push_back(QAccessible::registerAccessibleInterface(
                new PieceAccessible(*static_cast<Canvas*>(widget()), pieceIds_.size())));
        return QAccessible::accessibleInterface(pieceIds_[index]);
    }

private:
    std::vector<QAccessibleInterface*> children() const
    {
        std::vector<std::pair<int, QAccessibleInterface*>> placed;
        const auto& pieces = piecesOf(*static_cast<Canvas*>(widget()));
        for (std::size_t i = 0; i < pieces.size(); ++i)
            placed.emplace_back(static_cast<int>(pieces[i].top), piece(i));
        for (QWidget* control : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control))
                placed.emplace_back(control->y(), iface);
        std::stable_sort(placed.begin(), placed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<QAccessibleInterface*> all;
        for (const auto& [top, iface] : placed)
            all.push_back(iface);
        return all;
    }

    mutable std::vector<QAccessible::Id> pieceIds_;
};

// An answer radio button. The framework keeps the answers' group exclusive itself, so Qt's
// own interface takes them for check boxes.
class AnswerAccessible : public QAccessibleWidget {
public:
    explicit AnswerAccessible(QRadioButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            if (button()->isEnabled() && button()->isVisible())
                button()->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* contentFactory(const QString&, QObject* object)
{
    if (auto* canvas = dynamic_cast<Canvas*>(object))
        return new CanvasAccessible(canvas);
    if (auto* radio = qobject_cast<QRadioButton*>(object); radio && dynamic_cast<Canvas*>(radio->parent()))
        return new AnswerAccessible(radio);
    return nullptr;
}

} // namespace

void installContentAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(contentFactory);
        return true;
    }();
    (void)installed;
}

void announceContentChange(Canvas& canvas, const std::vector<ContentPiece>& before)
{
    if (!QAccessible::isActive())
        return;
    auto* content = dynamic_cast<CanvasAccessible*>(QAccessible::queryAccessibleInterface(&canvas));
    if (!content)
        return;
    const auto& now = piecesOf(canvas);
    for (std::size_t i = 0; i < std::max(now.size(), before.size()); ++i) {
        QAccessibleInterface* piece = content->piece(i);
        if (i >= now.size()) {
            QAccessibleEvent hidden(piece, QAccessible::ObjectHide);
            QAccessible::updateAccessibility(&hidden);
        } else if (i >= before.size()) {
            QAccessibleEvent shown(piece, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        } else if (!(now[i] == before[i])) {
            QAccessibleEvent renamed(piece, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
            if (now[i].kind == Kind::Text) {
                QAccessibleTextUpdateEvent updated(piece, 0, qs(before[i].text), qs(now[i].text));
                QAccessible::updateAccessibility(&updated);
            }
        }
    }
    QAccessibleEvent reordered(content, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
}

} // namespace framework::qt
