// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "canvas.h"
#include "spomalenaanimace.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QStringList>

#include <algorithm>
#include <cmath>

#ifdef KESTROVA_ATSPI
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif

namespace {
const char busyProperty[] = "kestrovaBusy";
const char coveredProperty[] = "kestrovaCovered";

class Frame : public QAccessibleWidget
{
public:
    explicit Frame(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.busy = accessibility::isBusy(widget());
        return state;
    }
};

class Picture : public QAccessibleWidget
{
public:
    explicit Picture(QWidget *drawing)
        : QAccessibleWidget(drawing, QAccessible::Graphic)
    {
    }
};

// A label of the window as Qt presents one, that can be covered by the drawing.
class Label : public QAccessibleWidget
{
public:
    explicit Label(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        if (accessibility::isCovered(widget()))
            state.invisible = true;
        return state;
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String(SpomalenaAnimace::staticMetaObject.className()))
        return new Frame(static_cast<QWidget *>(object));
    if (className == QLatin1String(Canvas::staticMetaObject.className()))
        return new Picture(static_cast<QWidget *>(object));
    if (className == QLatin1String(QLabel::staticMetaObject.className())
        && qobject_cast<SpomalenaAnimace *>(object->parent()))
        return new Label(static_cast<QLabel *>(object));
    return nullptr;
}

#ifdef KESTROVA_ATSPI
// An accessible object on the AT-SPI bus: the bus name of its application and its object path.
struct AtSpiReference
{
    QString service;
    QDBusObjectPath path;
};
} // namespace
Q_DECLARE_METATYPE(AtSpiReference)
namespace {

QDBusArgument &operator<<(QDBusArgument &argument, const AtSpiReference &reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, AtSpiReference &reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

// Sends object:state-changed:STATE for the widget on the connection that Qt's bridge keeps to the accessibility
// bus (it names it "a11y"), with the object path the bridge gives the widget, so that a client sees the event
// come from the object it knows.
void sendAtSpiStateChange(QWidget *widget, const QString &state, bool on)
{
    if (!QAccessible::isActive())
        return;
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    if (!bus.isConnected() || !accessible)
        return;
    static const QMetaType registered = qDBusRegisterMetaType<AtSpiReference>();
    (void)registered;
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(accessible));
    const AtSpiReference source{bus.baseService(), QDBusObjectPath(path)};
    const AtSpiReference application{bus.baseService(), QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"))};
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("StateChanged"));
    signal << state << int(on) << 0 << QVariant::fromValue(QDBusVariant(QVariant::fromValue(source)))
           << QVariant::fromValue(application);
    bus.send(signal);
}
#else
void sendAtSpiStateChange(QWidget *, const QString &, bool) {}
#endif

QString pixels(long length)
{
    const char *noun = length == 1 ? "pixel" : length >= 2 && length <= 4 ? "pixely" : "pixelů";
    return QString::number(length) + u' ' + QString::fromUtf8(noun);
}

// "5", "3 a 7", "1, 6 a 11": point numbers counted from 1.
QString pointList(const std::vector<size_t> &points)
{
    QString list;
    for (size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            list += i + 1 == points.size() ? QStringLiteral(" a ") : QStringLiteral(", ");
        list += QString::number(points[i] + 1);
    }
    return list;
}

std::vector<long> rounded(const std::vector<double> &probabilities)
{
    std::vector<long> lengths;
    for (const double probability : probabilities)
        lengths.push_back(std::lround(probability));
    return lengths;
}

// The longest bars, and the bars shorter than both their neighbours; on the lengths as they are spoken.
struct Extrema
{
    std::vector<size_t> maxima;
    std::vector<size_t> minima;
};

Extrema extrema(const std::vector<long> &lengths)
{
    Extrema found;
    if (lengths.empty() || std::all_of(lengths.begin(), lengths.end(), [&](long l) { return l == lengths.front(); }))
        return found;
    const long longest = *std::max_element(lengths.begin(), lengths.end());
    for (size_t i = 0; i < lengths.size(); ++i) {
        if (lengths[i] == longest)
            found.maxima.push_back(i);
        else if (i > 0 && i + 1 < lengths.size() && lengths[i] < lengths[i - 1] && lengths[i] < lengths[i + 1])
            found.minima.push_back(i);
    }
    return found;
}

bool contains(const std::vector<size_t> &points, size_t point)
{
    return std::find(points.begin(), points.end(), point) != points.end();
}
} // namespace

namespace accessibility {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void setBusy(QWidget *window, bool busy)
{
    if (isBusy(window) == busy)
        return;
    window->setProperty(busyProperty, busy);
    QAccessible::State changed;
    changed.busy = true;
    QAccessibleStateChangeEvent event(window, changed);
    QAccessible::updateAccessibility(&event);
    sendAtSpiStateChange(window, QStringLiteral("busy"), busy);
}

bool isBusy(const QWidget *window)
{
    return window->property(busyProperty).toBool();
}

void setCovered(QWidget *label)
{
    if (isCovered(label))
        return;
    label->setProperty(coveredProperty, true);
    QAccessibleEvent event(label, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&event);
}

bool isCovered(const QWidget *label)
{
    return label->property(coveredProperty).toBool();
}

QString resultInWords(const std::vector<double> &probabilities)
{
    const std::vector<long> lengths = rounded(probabilities);
    const Extrema found = extrema(lengths);
    QStringList sentences{QStringLiteral("Výsledek v bodech detektoru odspodu nahoru, délka úsečky pravděpodobnosti "
                                         "v pixelech:")};
    for (size_t i = 0; i < lengths.size(); ++i) {
        QString sentence = QStringLiteral("Bod %1: %2").arg(i + 1).arg(pixels(lengths[i]));
        if (contains(found.maxima, i))
            sentence += QStringLiteral(", maximum");
        else if (contains(found.minima, i))
            sentence += QStringLiteral(", minimum");
        sentences << sentence + u'.';
    }
    const QString extremaSentence = extremaInWords(probabilities);
    sentences << (extremaSentence.isEmpty() ? QStringLiteral("Všechny úsečky jsou stejně dlouhé.") : extremaSentence);
    return sentences.join(u' ');
}

QString extremaInWords(const std::vector<double> &probabilities)
{
    const Extrema found = extrema(rounded(probabilities));
    if (found.maxima.empty())
        return {};
    QString sentence = found.maxima.size() == 1 ? QStringLiteral("Maximum je v bodě ") : QStringLiteral("Maxima jsou v bodech ");
    sentence += pointList(found.maxima);
    if (found.minima.size() == 1)
        sentence += QStringLiteral(", minimum v bodě ") + pointList(found.minima);
    else if (!found.minima.empty())
        sentence += QStringLiteral(", minima v bodech ") + pointList(found.minima);
    return sentence + u'.';
}

} // namespace accessibility
