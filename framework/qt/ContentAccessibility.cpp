#include "framework/qt/ContentAccessibility.h"

#include "framework/Window.h"
#include "framework/qt/WindowWidgets.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QRadioButton>
#include <QWindow>

#include <algorithm>
#include <map>
#include <string>

namespace framework::qt {

namespace {

using Kind = ContentPiece::Kind;

const std::vector<ContentPiece>& piecesOf(const Canvas* canvas)
{
    static const std::vector<ContentPiece> none;
    const Window* window = canvas ? canvas->frameworkWindow() : nullptr;
    return window ? window->contentPieces() : none;
}

QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

// Texts read one after the other, each a sentence of its own.
void appendSentence(QString& all, const QString& sentence)
{
    if (sentence.isEmpty())
        return;
    if (!all.isEmpty()) {
        if (!all.back().isPunct())
            all += '.';
        all += ' ';
    }
    all += sentence;
}

// What a piece says: its text, and for a chart its values after its kind.
QString wordsOf(const ContentPiece& piece)
{
    QString words = toQString(piece.text);
    if (piece.kind == Kind::Chart)
        appendSentence(words, toQString(piece.description));
    return words;
}

// The title of a group: the words of its pieces, in order.
QString groupTitle(const std::vector<ContentPiece>& pieces, const std::string& group)
{
    QString title;
    for (const ContentPiece& piece : pieces)
        if (piece.group == group)
            appendSentence(title, wordsOf(piece));
    return title;
}

bool isGroup(const std::vector<ContentPiece>& pieces, const std::string& name)
{
    return !name.empty() &&
           std::any_of(pieces.begin(), pieces.end(), [&name](const ContentPiece& p) { return p.group == name; });
}

// Whether two pieces at one place are one object to a screen reader: of one kind and group;
// a text to be said is a notification, which a screen reader says as it appears, so another
// such text (or the same text said again) is another object.
bool sameObject(const ContentPiece& a, const ContentPiece& b)
{
    return a.kind == b.kind && a.group == b.group && a.spoken == b.spoken && (a.spoken == 0 || a.text == b.text);
}

QRect onScreen(const Canvas& canvas, const ContentPiece& p)
{
    return {canvas.mapToGlobal(QPoint(static_cast<int>(p.left), static_cast<int>(p.top))),
            QSize(static_cast<int>(p.width), static_cast<int>(p.height))};
}

// Interfaces in the order they stand on the content area, from top to bottom.
using Placed = std::vector<std::pair<int, QAccessibleInterface*>>;

std::vector<QAccessibleInterface*> topToBottom(Placed placed)
{
    std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QAccessibleInterface*> all;
    for (const auto& [top, iface] : placed)
        all.push_back(iface);
    return all;
}

class CanvasAccessible;
CanvasAccessible* contentOf(Canvas* canvas);

// An interface that a window's content area owns, not a widget: a piece or a group.
class ContentChild : public QAccessibleInterface {
public:
    explicit ContentChild(Canvas& canvas) : canvas_(&canvas) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return canvas_ ? canvas_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<Canvas> canvas_;
};

// One piece of the content area, by its place among the pieces. It reads the piece from the
// window each time, so that it stays right as the text changes; once another kind of piece
// stands at its place, or none, it is no longer valid, and a new interface stands for it.
class PieceAccessible : public ContentChild, public QAccessibleActionInterface, public QAccessibleTextInterface {
public:
    PieceAccessible(Canvas& canvas, std::size_t index, const ContentPiece& piece)
        : ContentChild(canvas), index_(index), identity_(piece)
    {
    }

    bool isValid() const override
    {
        const auto& pieces = piecesOf(canvas_);
        return index_ < pieces.size() && sameObject(pieces[index_], identity_);
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return toQString(piece().text);
        if (t == QAccessible::Description)
            return toQString(piece().description);
        return {};
    }

    QRect rect() const override { return isValid() ? onScreen(*canvas_, piece()) : QRect(); }

    QAccessible::Role role() const override
    {
        switch (identity_.kind) {
        case Kind::Chart:
            return QAccessible::Chart;
        case Kind::Link:
            return QAccessible::Link;
        case Kind::Text:
            break;
        }
        return identity_.spoken != 0 ? QAccessible::Notification : QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !isValid() || !canvas_->isVisible();
        s.linked = identity_.kind == Kind::Link;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface && identity_.kind == Kind::Link)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::TextInterface && identity_.kind == Kind::Text)
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
    const ContentPiece& piece() const { return piecesOf(canvas_)[index_]; }

    std::size_t index_;
    ContentPiece identity_; // the piece as it stood when this interface was made
};

// The caption of a control set: the words of the pieces that ask about it, which a screen
// reader says as the title of the set's radio buttons. It stands in no place of its own: the
// pieces are read where they stand.
class CaptionAccessible : public ContentChild {
public:
    CaptionAccessible(Canvas& canvas, std::string set) : ContentChild(canvas), set_(std::move(set)) {}

    bool isValid() const override { return canvas_ && isGroup(piecesOf(canvas_), set_); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(canvas_); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QString text(QAccessible::Text t) const override
    {
        return isValid() && t == QAccessible::Name ? groupTitle(piecesOf(canvas_), set_) : QString();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !isValid() || !canvas_->isVisible();
        return s;
    }
    QRect rect() const override { return {}; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

private:
    std::string set_;
};

// The content area: the painted pieces and the controls, in the order they stand from top
// to bottom.
class CanvasAccessible : public QAccessibleWidget {
public:
    explicit CanvasAccessible(Canvas* canvas) : QAccessibleWidget(canvas, QAccessible::Pane) {}

    ~CanvasAccessible() override
    {
        for (const auto& [index, id] : pieceIds_)
            QAccessible::deleteAccessibleInterface(id);
        for (const auto& [name, id] : captionIds_)
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

    // The interface of the piece at that place, made anew when another kind of piece has
    // taken the place.
    QAccessibleInterface* piece(std::size_t index) const
    {
        const auto& pieces = piecesOf(canvas());
        auto found = pieceIds_.find(index);
        if (found != pieceIds_.end() && !QAccessible::accessibleInterface(found->second)->isValid()) {
            QAccessible::deleteAccessibleInterface(found->second);
            pieceIds_.erase(found);
            found = pieceIds_.end();
        }
        if (found == pieceIds_.end()) {
            if (index >= pieces.size())
                return nullptr;
            found = pieceIds_
                        .emplace(index, QAccessible::registerAccessibleInterface(
                                            new PieceAccessible(*canvas(), index, pieces[index])))
                        .first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    QAccessibleInterface* caption(const std::string& set) const
    {
        if (!isGroup(piecesOf(canvas()), set))
            return nullptr;
        auto found = captionIds_.find(set);
        if (found == captionIds_.end())
            found = captionIds_
                        .emplace(set, QAccessible::registerAccessibleInterface(new CaptionAccessible(*canvas(), set)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }

    // Lets the interfaces of pieces and captions that have gone go, before anything asks for
    // them.
    void forgetGone() const
    {
        const std::size_t count = piecesOf(canvas()).size();
        for (std::size_t index = 0; index < count; ++index)
            piece(index);
        std::erase_if(pieceIds_, [count](const auto& entry) {
            if (entry.first < count)
                return false;
            QAccessible::deleteAccessibleInterface(entry.second);
            return true;
        });
        std::erase_if(captionIds_, [this](const auto& entry) {
            if (isGroup(piecesOf(canvas()), entry.first))
                return false;
            QAccessible::deleteAccessibleInterface(entry.second);
            return true;
        });
    }

private:
    Canvas* canvas() const { return static_cast<Canvas*>(widget()); }
    std::vector<QAccessibleInterface*> children() const
    {
        Placed placed;
        const auto& pieces = piecesOf(canvas());
        for (std::size_t i = 0; i < pieces.size(); ++i)
            placed.emplace_back(static_cast<int>(pieces[i].top), piece(i));
        for (QWidget* control : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control))
                placed.emplace_back(control->y(), iface);
        return topToBottom(std::move(placed));
    }

    mutable std::map<std::size_t, QAccessible::Id> pieceIds_;
    mutable std::map<std::string, QAccessible::Id> captionIds_;
};

CanvasAccessible* contentOf(Canvas* canvas)
{
    return canvas ? dynamic_cast<CanvasAccessible*>(QAccessible::queryAccessibleInterface(canvas)) : nullptr;
}

QAccessibleInterface* PieceAccessible::parent() const
{
    return contentOf(canvas_);
}

// Where the keyboard came from to each control, the last time it came.
std::map<const QWidget*, QPointer<QWidget>>& keyboardCameFrom()
{
    static std::map<const QWidget*, QPointer<QWidget>> from;
    return from;
}

// An answer radio button. The framework keeps the answers' group exclusive itself, so Qt's
// own interface would take them for check boxes.
class AnswerAccessible : public QAccessibleWidget {
public:
    explicit AnswerAccessible(QRadioButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    // Labelled by the question, as radio buttons by the title of their group box: a screen
    // reader says it as the keyboard comes to the answers, but not again as it moves among
    // them (Qt has no relation that would tell it they are one group).
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
        if (!(match & QAccessible::Label))
            return relations;
        const auto from = keyboardCameFrom().find(button());
        if (from != keyboardCameFrom().end() && from->second &&
            from->second->parentWidget() == button()->parentWidget() &&
            from->second->objectName() == button()->objectName())
            return relations;
        if (CanvasAccessible* content = contentOf(qobject_cast<Canvas*>(button()->parentWidget())))
            if (QAccessibleInterface* caption = content->caption(button()->objectName().toStdString()))
                relations.append({caption, QAccessible::Label});
        return relations;
    }

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
    if (auto* canvas = qobject_cast<Canvas*>(object))
        return new CanvasAccessible(canvas);
    if (auto* radio = qobject_cast<QRadioButton*>(object); radio && qobject_cast<Canvas*>(radio->parent()))
        return new AnswerAccessible(radio);
    return nullptr;
}

void raise(QAccessibleInterface* iface, QAccessible::Event type)
{
    if (!iface)
        return;
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void installContentAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(contentFactory);
        QObject::connect(qApp, &QApplication::focusChanged, [](QWidget* old, QWidget* now) {
            if (now)
                keyboardCameFrom()[now] = old;
        });
        return true;
    }();
    (void)installed;
}

void startNewScreen()
{
    keyboardCameFrom().clear();
}

void announceContentChange(Canvas& canvas, const std::vector<ContentPiece>& before)
{
    CanvasAccessible* content = contentOf(&canvas);
    if (!content)
        return;
    content->forgetGone();
    if (!QAccessible::isActive())
        return;
    const auto& now = piecesOf(&canvas);
    bool reordered = now.size() != before.size();
    for (std::size_t i = 0; i < now.size(); ++i) {
        QAccessibleInterface* piece = content->piece(i);
        if (i >= before.size() || !sameObject(now[i], before[i])) {
            raise(piece, QAccessible::ObjectShow);
            reordered = true;
            continue;
        }
        if (now[i].text != before[i].text) {
            raise(piece, QAccessible::NameChanged);
            if (now[i].kind == ContentPiece::Kind::Text) {
                QAccessibleTextUpdateEvent updated(piece, 0, toQString(before[i].text), toQString(now[i].text));
                QAccessible::updateAccessibility(&updated);
            }
        }
        if (now[i].description != before[i].description)
            raise(piece, QAccessible::DescriptionChanged);
        reordered = reordered || now[i].top != before[i].top;
    }
    if (reordered)
        raise(content, QAccessible::ObjectReorder);
}

} // namespace framework::qt
