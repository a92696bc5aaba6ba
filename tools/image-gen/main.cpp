// Draws the program's images into a folder, with the collection files that list them.
// Usage: ais_image_gen <output folder> [--contact-sheet <png>]

#include "ContactSheet.h"
#include "ImageCatalog.h"
#include "QrcWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

bool drawFile(const QString& outputDir, const SImageFile& file)
{
    QImage image(file.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    file.draw(painter, QSizeF(file.size), file.ink);
    painter.end();

    const QString path = outputDir + '/' + file.relativePath;
    if (QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "Cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A build has no session: a private runtime folder keeps Qt from warning about it.
    QTemporaryDir runtimeDir;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    const int sheetOption = arguments.indexOf(QStringLiteral("--contact-sheet"));
    const bool sheetWanted = sheetOption > 0;
    const int expected = sheetWanted ? 4 : 2;
    if (arguments.size() != expected || (sheetWanted && sheetOption != 2)) {
        QTextStream(stderr) << "Usage: " << arguments.value(0) << " <output folder> [--contact-sheet <png>]\n";
        return 2;
    }

    const QString outputDir = arguments.at(1);
    const std::vector<SImageFile> files = imageFiles();
    for (const SImageFile& file : files) {
        if (!drawFile(outputDir, file))
            return 1;
    }
    if (!writeCollections(outputDir, files))
        return 1;
    if (sheetWanted && !writeContactSheet(outputDir, files, arguments.at(3)))
        return 1;
    return 0;
}
