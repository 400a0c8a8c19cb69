#pragma once
// The children of a panel drawn at fixed places for one size, shown at any scale of it:
// `capture` notes each child's place and font as they are at scale 1, and `apply` puts
// them at that place and gives them that font, both multiplied by the scale. A panel
// built with fixed coordinates grows (or shrinks) with the window this way, and its
// children keep their proportions and their alignment to each other.
#include <QFont>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

class ScaledChildren {
public:
    // Notes the present geometry and font of every direct child of `parent`, or of every
    // widget inside it (each placed in its own parent) with `Depth::All`, for panels of
    // plain widgets that lay out no children of their own.
    enum class Depth { Children, All };
    void capture(QWidget* parent, Depth depth = Depth::Children);
    // Notes one more child, made later, with its place at scale 1.
    void add(QWidget* child, const QRect& geometry);
    // Places and sizes the noted children (and their fonts) at `scale` times what was noted.
    void apply(double scale) const;

    // A rectangle at `scale`: its edges are rounded, so that neighbours stay neighbours.
    static QRect scaled(const QRect& rect, double scale);
    // A font at `scale`, by pixels or by points as it was given; never below 1.
    static QFont scaled(const QFont& font, double scale);

private:
    struct Child {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
    };
    QList<Child> m_children;
};
