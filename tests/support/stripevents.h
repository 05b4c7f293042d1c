#pragma once

// Drag-and-drop events for the two strips, delivered to the viewport the way the platform does,
// and a drag runner that plays a strip's own drag through those events instead of a desktop drag.
#include "widgets/mediastrip.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <functional>

namespace StripEvents {

struct Outcome
{
    bool entered = false;
    bool moved = false;
    bool dropped = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

// Enter, move and drop of `data` at `pos` (viewport coordinates); stops at the first refusal.
inline Outcome play(QListWidget* strip, const QMimeData* data, const QPoint& pos,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Outcome out;
    QWidget* target = strip->viewport();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(pos, offered, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &enter);
    out.entered = enter.isAccepted();
    if (!out.entered)
        return out;
    QDragMoveEvent move(pos, offered, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &move);
    out.moved = move.isAccepted();
    if (!out.moved) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, &leave);
        return out;
    }
    QDropEvent drop(QPointF(pos), offered, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &drop);
    out.dropped = drop.isAccepted();
    out.action = out.dropped ? drop.dropAction() : Qt::IgnoreAction;
    return out;
}

inline Outcome dropUrls(QListWidget* strip, const QList<QUrl>& urls, const QPoint& pos)
{
    QMimeData data;
    data.setUrls(urls);
    return play(strip, &data, pos);
}

// Makes the strip's next drags land at `*pos` with `*modifiers`; `tamper`, when set, may rewrite
// the payload first. The last outcome goes to `*last`.
inline void routeDrags(MediaStrip* strip, const QPoint* pos, const Qt::KeyboardModifiers* modifiers,
                       Outcome* last, std::function<void(QMimeData*)> tamper = {})
{
    strip->setDragRunner([=](QDrag* drag) {
        if (tamper)
            tamper(drag->mimeData());
        *last = play(strip, drag->mimeData(), *pos, *modifiers);
        return last->action;
    });
}

// A left-button press on `from` and a move far enough to start a drag.
inline void pressAndPull(QListWidget* strip, const QPoint& from)
{
    QWidget* target = strip->viewport();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(from), target->mapToGlobal(QPointF(from)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    const QPointF to(from.x() + QApplication::startDragDistance() + 5, from.y());
    QMouseEvent move(QEvent::MouseMove, to, target->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

} // namespace StripEvents
