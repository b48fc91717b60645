#include "textfit.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <vector>

namespace kavel::test {

namespace {

// A control as the check sees it, in window coordinates: the caption it
// shows (if any), the room its own box gives the caption, and what it
// covers of the window.
struct Part {
    const QWidget* widget = nullptr;
    QString text;
    QRect textRect;
    QRect textRoom;
    QRect box;
    bool isFrame = false;
    QRect frameRect; // a frame's border, which crosses whatever lies on it
    int frameWidth = 0;
};

QRect inWindow(const QWidget& window, const QWidget* widget, const QRect& rect)
{
    return QRect(widget->mapTo(&window, rect.topLeft()), rect.size());
}

QString describe(const QWidget* widget)
{
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty())
        name += QLatin1Char(' ') + widget->objectName();
    return name;
}

// Lists, fields and combo boxes are drawn by their own parts; only the
// whole control matters.
bool insideCompoundControl(const QWidget& window, const QWidget* widget)
{
    for (const QWidget* up = widget->parentWidget(); up && up != &window; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(up) || qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractSpinBox*>(up)
            || qobject_cast<const QLineEdit*>(up))
            return true;
    }
    return false;
}

Part partOf(const QWidget& window, const QWidget* w)
{
    Part part;
    part.widget = w;
    part.box = inWindow(window, w, w->rect());
    const Qt::LayoutDirection direction = w->layoutDirection();
    auto place = [&](const QString& text, const QRect& room, Qt::Alignment alignment, int flags) {
        part.text = text;
        const QSize size = w->fontMetrics().size(flags, text);
        part.textRoom = inWindow(window, w, room);
        part.textRect = inWindow(window, w, QStyle::alignedRect(direction, QStyle::visualAlignment(direction, alignment), size, room));
    };

    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (!label->text().isEmpty()) {
            const int m = label->margin();
            place(label->text(), label->contentsRect().adjusted(m, m, -m, -m), label->alignment(), 0);
        }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        if (!button->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            option.icon = button->icon();
            option.iconSize = button->iconSize();
            if (qobject_cast<const QPushButton*>(w)) {
                const QRect room = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
                place(button->text(), room, Qt::AlignCenter, Qt::TextShowMnemonic);
            } else {
                const bool radio = qobject_cast<const QRadioButton*>(w) != nullptr;
                const QRect room = w->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, w);
                place(button->text(), room, Qt::AlignLeft | Qt::AlignVCenter, Qt::TextShowMnemonic);
            }
        }
    } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | (box->title().isEmpty() ? QStyle::SC_None : QStyle::SC_GroupBoxLabel);
        option.features = box->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
        part.isFrame = true;
        part.frameWidth = 1;
        part.frameRect = inWindow(window, w, w->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, w));
        if (!box->title().isEmpty()) {
            part.text = box->title();
            part.textRoom = inWindow(window, w, w->rect());
            part.textRect = inWindow(window, w, w->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, w));
        }
    } else if (const auto* frame = qobject_cast<const QFrame*>(w); frame && frame->metaObject() == &QFrame::staticMetaObject) {
        part.isFrame = frame->frameShape() != QFrame::NoFrame;
        part.frameWidth = frame->frameWidth();
        part.frameRect = inWindow(window, w, frame->frameRect());
    }
    return part;
}

// What `other` covers of a text: a frame its caption and its border, even
// around the text's own control; a label its own text; any other control
// its box.
bool covers(const Part& other, const QRect& text, bool otherHoldsText)
{
    if (other.isFrame) {
        if (!other.text.isEmpty() && other.textRect.intersects(text))
            return true;
        const int b = other.frameWidth;
        const QRegion border = QRegion(other.frameRect).subtracted(QRegion(other.frameRect.adjusted(b, b, -b, -b)));
        return b > 0 && border.intersects(text);
    }
    if (otherHoldsText)
        return false;
    if (qobject_cast<const QLabel*>(other.widget))
        return !other.text.isEmpty() && other.textRect.intersects(text);
    return other.box.intersects(text);
}

} // namespace

QStringList TextFitFaults(const QWidget& window, int edgeMargin)
{
    std::vector<Part> parts;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->isWindow() || insideCompoundControl(window, w))
            continue;
        parts.push_back(partOf(window, w));
    }

    QStringList faults;
    const QRect inside = window.rect().adjusted(edgeMargin, edgeMargin, -edgeMargin, -edgeMargin);
    for (const Part& part : parts) {
        if (part.text.isEmpty())
            continue;
        const QString what = QStringLiteral("%1 \"%2\" (text %3,%4 %5x%6)")
                                 .arg(describe(part.widget), part.text)
                                 .arg(part.textRect.x())
                                 .arg(part.textRect.y())
                                 .arg(part.textRect.width())
                                 .arg(part.textRect.height());
        if (!part.textRoom.contains(part.textRect))
            faults << what + QStringLiteral(" is cut by its own box %1,%2 %3x%4").arg(part.textRoom.x()).arg(part.textRoom.y()).arg(part.textRoom.width()).arg(part.textRoom.height());
        for (const QWidget* up = part.widget->parentWidget(); up && up != &window; up = up->parentWidget()) {
            if (!inWindow(window, up, up->rect()).contains(part.textRect))
                faults << what + QStringLiteral(" is cut by %1, which holds it").arg(describe(up));
        }
        if (!inside.contains(part.textRect))
            faults << what + QStringLiteral(" comes nearer than %1 px to the window's edge").arg(edgeMargin);
        for (const Part& other : parts) {
            // What a frame holds must keep clear of its caption.
            if (other.widget == part.widget || (part.widget->isAncestorOf(other.widget) && !part.isFrame))
                continue;
            if (covers(other, part.textRect, other.widget->isAncestorOf(part.widget)))
                faults << what + QStringLiteral(" is covered by %1").arg(describe(other.widget));
        }
    }
    faults.removeDuplicates();
    return faults;
}

} // namespace kavel::test
