// The style gallery: every styled widget kind in every colour tone and the application's page
// styles, under the white theme.
// Usage: ais_style_gallery [--shoot <folder>]   (--shoot writes one PNG per section and quits)

#include "GallerySection.h"
#include "GallerySections.h"

#include "resources/ResourceCollections.h"
#include "style/ObjPalette.h"
#include "style/QtObjPalette.h"
#include "style/CStyledItemDelegate.h"

#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

// Each section as the gallery draws it, on the gallery's own background.
bool shoot(QWidget& gallery, const QList<GallerySection*>& sections, const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "Cannot make " << folder << '\n';
        return false;
    }
    int number = 1;
    for (GallerySection* section : sections) {
        const QString path =
            QStringLiteral("%1/%2-%3.png").arg(folder).arg(number++, 2, 10, QLatin1Char('0')).arg(section->fileName());
        if (!gallery.grab(section->geometry()).save(path)) {
            QTextStream(stderr) << "Cannot write " << path << '\n';
            return false;
        }
        QTextStream(stdout) << path << '\n';
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Resources::registerCollections();
    QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);

    const QStringList arguments = app.arguments();
    const int shootOption = arguments.indexOf(QStringLiteral("--shoot"));
    if ((shootOption > 0 && shootOption + 1 >= arguments.size()) || (shootOption < 0 && arguments.size() > 1)) {
        QTextStream(stderr) << "Usage: ais_style_gallery [--shoot <folder>]\n";
        return 2;
    }

    auto* gallery = new QWidget;
    gallery->setObjectName(QStringLiteral("wgGallery"));
    auto* layout = new QVBoxLayout(gallery);
    const QList<GallerySection*> sections{makeToneSection(0, 3),  makeToneSection(4, 6), makeTitleBarSection(),
                                          makeHomeSection(),      makePanelSection(),     makeWiFiSection(),
                                          makeOtherVesselsSection(), makeLibrarySection()};
    for (GallerySection* section : sections)
        layout->addWidget(section);
    CStyledItemDelegate delegate;
    ObjPalette::setWhiteThemeWgsStyle(gallery, delegate);

    QScrollArea window;
    window.setWindowTitle(QStringLiteral("Style gallery"));
    window.setWidget(gallery);
    window.resize(1400, 900);
    window.show();
    if (shootOption < 0)
        return app.exec();
    QApplication::processEvents();
    return shoot(*gallery, sections, arguments.at(shootOption + 1)) ? 0 : 1;
}
