#include "GallerySection.h"

#include "style/ObjPalette.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

GallerySection::GallerySection(const QString& fileName, const QString& title)
    : m_fileName(fileName)
    , m_grid(new QGridLayout)
{
    setObjectName(QStringLiteral("wgSection_") + fileName);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(title);
    ObjPalette::setNormalTitleStyle(heading);
    layout->addWidget(heading);
    // The samples stand next to their captions, not spread over the gallery's width.
    auto* row = new QHBoxLayout;
    row->addLayout(m_grid);
    row->addStretch();
    layout->addLayout(row);
}

void GallerySection::addRowCaption(int row, const QString& caption)
{
    m_grid->addWidget(new QLabel(caption), row, 0);
}
