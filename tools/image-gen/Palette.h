#pragma once

#include <QColor>

// Colours shared by the drawings.
namespace Palette {

inline const QColor White(0xFFFFFF);
inline const QColor Navy(0x0A246A);
inline const QColor Blue(0x1E90FF);
inline const QColor Red(0xD02020);
inline const QColor Green(0x1E9E3A);
inline const QColor DarkGray(0x505050);

} // namespace Palette
