#include "resources/ResourceCollections.h"
#include "support/Singleton.h"
#include "support/SysConfig.h"
#include "support/SysDebug.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Resources::registerCollections();

    SysConfig* config = Pattern::Singleton<SysConfig>::Instance();
    config->initialize(std::string());

    SysDebug* log = Pattern::Singleton<SysDebug>::Instance();
    if (!log->initialize(config->GetProfileIniUrl()))
        return 0;

    QMessageBox::information(nullptr, QStringLiteral("Configuration"),
                             QStringLiteral("The main window is not built yet."));
    return 0;
}
