#include "pageaccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *pageAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QWidget") && object && object->objectName() == QLatin1String("page_5"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installPageAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(pageAccessible);
        return true;
    }();
    Q_UNUSED(installed)
}
