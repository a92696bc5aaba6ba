#include "mainwindow/environment/ConvtQStringToChar.h"

#include "support/PortalStr.h"

#include <QByteArray>

void ConvtQStringToChar(char* buffer, size_t size, const QString& text)
{
    if (!buffer)
        return;
    Portal::Str::SafeStrCpy(buffer, text.toLocal8Bit().constData(), size);
}
