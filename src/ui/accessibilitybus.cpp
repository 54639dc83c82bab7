// What the installer tells the accessibility bus itself, beside Qt's bridge.

#include "ui/accessibility.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

namespace {

// Qt's bridge: the name of its connection to the accessibility bus, and the
// object path under which it serves an accessible.
const QString bridgeConnection = QStringLiteral("a11y");

QString objectPath(QAccessibleInterface *accessible)
{
    return QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(accessible));
}

// One AT-SPI "object:state-changed:<state>" signal, with the arguments the
// bridge gives its own: the state, its new value, 0, the object's reference
// (bus name, path) and no properties.
QDBusMessage stateChanged(const QDBusConnection &bus, const QString &path, const QString &state, bool value)
{
    QDBusArgument reference;
    reference.beginStructure();
    reference << bus.baseService() << QDBusObjectPath(path);
    reference.endStructure();
    QDBusMessage signal =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    signal.setArguments({state, int(value), 0, QVariant::fromValue(QDBusVariant(QVariant::fromValue(reference))),
                         QVariant::fromValue(QVariantMap())});
    return signal;
}

void exposeTree(const QDBusConnection &bus, QAccessibleInterface *accessible)
{
    if (!accessible || !accessible->isValid() || accessible->state().invisible)
        return;
    const QString path = objectPath(accessible);
    for (const QString &state : {QStringLiteral("showing"), QStringLiteral("visible")})
        bus.send(stateChanged(bus, path, state, true));
    for (int i = 0; i < accessible->childCount(); ++i)
        exposeTree(bus, accessible->child(i));
}

} // namespace

namespace accessibility {

void exposeShown(QWidget *page)
{
    if (!QAccessible::isActive())
        return;
    const QDBusConnection bus(bridgeConnection);
    if (bus.isConnected())
        exposeTree(bus, QAccessible::queryAccessibleInterface(page));
}

} // namespace accessibility
