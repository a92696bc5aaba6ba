#include "ContactSheet.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

constexpr int Columns = 8;
constexpr int CellWidth = 170;
constexpr int CellHeight = 150;
constexpr int PictureHeight = 118;
constexpr int SmallSide = 36; // images up to this side are shown three times as large, pixel for pixel

void checker(QPainter& painter, const QRect& area)
{
    constexpr int Square = 8;
    for (int y = area.top(); y < area.bottom(); y += Square) {
        for (int x = area.left(); x < area.right(); x += Square) {
            const bool dark = ((x - area.left()) / Square + (y - area.top()) / Square) % 2;
            painter.fillRect(QRect(x, y, Square, Square).intersected(area), dark ? QColor(0x9A9A9A) : QColor(0xB4B4B4));
        }
    }
}

QImage enlarged(const QImage& image, const QSize& room)
{
    if (image.width() <= SmallSide && image.height() <= SmallSide)
        return image.scaled(image.size() * 3, Qt::KeepAspectRatio, Qt::FastTransformation);
    return image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

bool writeContactSheet(const QString& outputDir, const std::vector<SImageFile>& files, const QString& sheetPath)
{
    const int rows = (static_cast<int>(files.size()) + Columns - 1) / Columns;
    QImage sheet(Columns * CellWidth, rows * CellHeight, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    for (size_t i = 0; i < files.size(); ++i) {
        const QRect cell(static_cast<int>(i % Columns) * CellWidth, static_cast<int>(i / Columns) * CellHeight,
                         CellWidth, CellHeight);
        const QRect picture(cell.left() + 4, cell.top() + 4, cell.width() - 8, PictureHeight);
        checker(painter, picture);
        const QImage image(outputDir + '/' + files[i].relativePath);
        if (image.isNull()) {
            QTextStream(stderr) << "Cannot read " << files[i].relativePath << '\n';
            return false;
        }
        const QImage shown = enlarged(image, picture.size());
        QRect place(QPoint(), shown.size());
        place.moveCenter(picture.center());
        painter.drawImage(place, shown);
        QString label = files[i].relativePath;
        label.chop(4);
        label = label.section('/', 1);
        painter.setPen(Qt::black);
        painter.drawText(QRect(cell.left() + 2, picture.bottom() + 2, cell.width() - 4, 26),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere, label);
    }
    painter.end();
    return sheet.save(sheetPath, "PNG");
}
