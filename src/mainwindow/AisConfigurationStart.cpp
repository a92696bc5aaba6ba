#include "mainwindow/AisConfigurationStart.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <memory>

int RunMainWindow(const AisConfiguration::CommSpacesFactory& makeCommSpaces)
{
    std::unique_ptr<AisConfiguration> window;
    try {
        window = std::make_unique<AisConfiguration>(nullptr, nullptr, makeCommSpaces);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("AIS Configuration Tool"),
                              QStringLiteral("The program could not start: %1").arg(QString::fromLocal8Bit(error.what())));
        return EXIT_FAILURE;
    }
    window->setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->show();
    return QApplication::exec();
}
