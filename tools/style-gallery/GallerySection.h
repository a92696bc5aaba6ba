#pragma once

#include <QString>
#include <QWidget>

class QGridLayout;

// One titled part of the gallery; its name is the file name of its screenshot.
class GallerySection : public QWidget
{
public:
    GallerySection(const QString& fileName, const QString& title);

    QString fileName() const { return m_fileName; }
    // The grid below the title, for the section's samples.
    QGridLayout* grid() const { return m_grid; }
    // A caption in the grid's first column.
    void addRowCaption(int row, const QString& caption);

private:
    QString m_fileName;
    QGridLayout* m_grid;
};
