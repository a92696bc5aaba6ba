#include "QrcWriter.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamWriter>
#include <map>

bool writeCollections(const QString& outputDir, const std::vector<SImageFile>& files)
{
    // collection -> prefix -> files, each in the catalogue's order
    std::map<QString, std::map<QString, std::vector<QString>>> collections;
    for (const SImageFile& file : files)
        collections[file.collection][file.prefix].push_back(file.relativePath);

    for (const auto& [collection, prefixes] : collections) {
        QSaveFile qrc(outputDir + '/' + collection + QLatin1String(".qrc"));
        if (!qrc.open(QIODevice::WriteOnly)) {
            QTextStream(stderr) << "Cannot write " << qrc.fileName() << ": " << qrc.errorString() << '\n';
            return false;
        }
        QXmlStreamWriter xml(&qrc);
        xml.setAutoFormatting(true);
        xml.writeDTD(QStringLiteral("<!DOCTYPE RCC>"));
        xml.writeStartElement(QStringLiteral("RCC"));
        xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
        for (const auto& [prefix, paths] : prefixes) {
            xml.writeStartElement(QStringLiteral("qresource"));
            xml.writeAttribute(QStringLiteral("prefix"), prefix);
            for (const QString& path : paths)
                xml.writeTextElement(QStringLiteral("file"), path);
            xml.writeEndElement();
        }
        xml.writeEndElement();
        xml.writeEndDocument();
        if (xml.hasError() || !qrc.commit()) {
            QTextStream(stderr) << "Cannot write " << qrc.fileName() << '\n';
            return false;
        }
    }
    return true;
}
