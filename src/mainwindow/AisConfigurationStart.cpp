#include "mainwindow/AisConfigurationStart.h"
#include "resources/ResourceCollections.h"
#include "style/QtObjPalette.h"
#include "support/Singleton.h"
#include "support/SysConfig.h"
#include "support/SysDebug.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <memory>

namespace {

const char* const FontFamily = "Tahoma";

} // namespace

bool PrepareProgramEnvironment()
{
    Resources::registerCollections();
    SysConfig* config = Pattern::Singleton<SysConfig>::Instance();
    config->initialize(std::string());
    if (!Pattern::Singleton<SysDebug>::Instance()->initialize(config->GetProfileIniUrl()))
        return false;
    QtObjPalette::initialize(config->GetProfileIniUrl(), FontFamily, 14, 1.0);
    return true;
}

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
