// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QScrollBar>


#ifdef KESTROVA_ATSPI
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif

namespace {
const char roleProperty[] = "kestrovaRole";
const char busyProperty[] = "kestrovaBusy";
const char coveredProperty[] = "kestrovaCovered";
const char valueTextProperty[] = "kestrovaValueText";

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

// A scroll bar whose value is told in words as well as in numbers.
class Setting : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit Setting(QScrollBar *bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return widget()->property(valueTextProperty).toString();
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant &value) override { bar()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar *bar() const { return static_cast<QScrollBar *>(widget()); }
};

// By the role a widget was given; a widget being destroyed, no longer of its class, gets Qt's own view.
QAccessibleInterface *factory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    switch (accessibility::Role(object->property(roleProperty).toInt())) {
    case accessibility::Role::Frame:
        return new Frame(widget);
    case accessibility::Role::Picture:
        return new Picture(widget);
    case accessibility::Role::Label:
        if (auto *label = qobject_cast<QLabel *>(object))
            return new Label(label);
        break;
    case accessibility::Role::Setting:
        if (auto *bar = qobject_cast<QScrollBar *>(object))
            return new Setting(bar);
        break;
    case accessibility::Role::Default:
        break;
    }
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

void present(QWidget *widget, Role role)
{
    widget->setProperty(roleProperty, int(role));
}

void setValueText(QWidget *setting, const QString &text)
{
    setting->setProperty(valueTextProperty, text); // the change itself is announced by the widget, once
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

} // namespace accessibility
