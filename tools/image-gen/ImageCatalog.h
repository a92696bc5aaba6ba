#pragma once

#include <QColor>
#include <QPainter>
#include <QSize>
#include <QString>
#include <vector>

// Colours a drawing takes from its folder and theme.
struct SInk
{
    QColor main;    // strokes and glyphs
    QColor surface; // a plate behind a glyph
    QColor alert;   // the close button's hover plate
};

using DrawFn = void (*)(QPainter& painter, const QSizeF& size, const SInk& ink);

// One file to write: where it lies in its collection and how it is drawn.
struct SImageFile
{
    QString collection;   // the collection file's name, without ".qrc"
    QString prefix;       // the resource prefix, "/" and the group
    QString relativePath; // below the output folder, e.g. "Widget/WinCtrl/A20/Dusk/0.Close.png"
    QSize size;
    SInk ink;
    DrawFn draw;
};

// Every image file of the program, in collection order.
std::vector<SImageFile> imageFiles();
