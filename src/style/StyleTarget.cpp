#include "style/StyleTarget.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QWidget>

namespace StyleTarget {

bool present(const QWidget* widget, const char* operation)
{
    if (widget)
        return true;
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, operation, 0, "%s",
                                                        "No widget given: nothing styled");
    return false;
}

bool named(const QWidget* widget, const char* operation)
{
    if (!present(widget, operation))
        return false;
    if (!widget->objectName().isEmpty())
        return true;
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, operation, 0,
                                                        "%s without an object name: its sheet is left as it was",
                                                        widget->metaObject()->className());
    return false;
}

void install(QWidget* widget, const QString& sheet, const char* operation)
{
    if (present(widget, operation))
        widget->setStyleSheet(sheet);
}

} // namespace StyleTarget
