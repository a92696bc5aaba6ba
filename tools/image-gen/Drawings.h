#pragma once

#include "ImageCatalog.h"

// One function per picture; each draws on a transparent image of the given size.
namespace Drawings {

// Window controls and form widgets.
void winClose(QPainter& painter, const QSizeF& size, const SInk& ink);
void winCloseHover(QPainter& painter, const QSizeF& size, const SInk& ink);
void winMini(QPainter& painter, const QSizeF& size, const SInk& ink);
void winMiniHover(QPainter& painter, const QSizeF& size, const SInk& ink);
void comboDownArrow(QPainter& painter, const QSizeF& size, const SInk& ink);
void editDownArrow(QPainter& painter, const QSizeF& size, const SInk& ink);
void spinAdd(QPainter& painter, const QSizeF& size, const SInk& ink);
void spinSub(QPainter& painter, const QSizeF& size, const SInk& ink);
void sortUp(QPainter& painter, const QSizeF& size, const SInk& ink);
void sortDown(QPainter& painter, const QSizeF& size, const SInk& ink);
void checkBoxChecked(QPainter& painter, const QSizeF& size, const SInk& ink);
void checkBoxUnchecked(QPainter& painter, const QSizeF& size, const SInk& ink);
void suitBack(QPainter& painter, const QSizeF& size, const SInk& ink);
void suitChecked(QPainter& painter, const QSizeF& size, const SInk& ink);
void suitUnchecked(QPainter& painter, const QSizeF& size, const SInk& ink);
void suitDropBox(QPainter& painter, const QSizeF& size, const SInk& ink);
void suitSwitch(QPainter& painter, const QSizeF& size, const SInk& ink);
void suitTitle(QPainter& painter, const QSizeF& size, const SInk& ink);

// Symbols.
void ledRed(QPainter& painter, const QSizeF& size, const SInk& ink);
void ledGreen(QPainter& painter, const QSizeF& size, const SInk& ink);
void ledBlue(QPainter& painter, const QSizeF& size, const SInk& ink);
void ledOrange(QPainter& painter, const QSizeF& size, const SInk& ink);
void ledGray(QPainter& painter, const QSizeF& size, const SInk& ink);
void arrowUp(QPainter& painter, const QSizeF& size, const SInk& ink);
void arrowDown(QPainter& painter, const QSizeF& size, const SInk& ink);
void arrowLeft(QPainter& painter, const QSizeF& size, const SInk& ink);
void arrowRight(QPainter& painter, const QSizeF& size, const SInk& ink);
void pencil(QPainter& painter, const QSizeF& size, const SInk& ink);
void fullScreen(QPainter& painter, const QSizeF& size, const SInk& ink);
void exitFullScreen(QPainter& painter, const QSizeF& size, const SInk& ink);
void eyeOpen(QPainter& painter, const QSizeF& size, const SInk& ink);
void eyeStruck(QPainter& painter, const QSizeF& size, const SInk& ink);
void handled(QPainter& painter, const QSizeF& size, const SInk& ink);
void unhandled(QPainter& painter, const QSizeF& size, const SInk& ink);

// Sky view.
void skyMap(QPainter& painter, const QSizeF& size, const SInk& ink);
void satelliteInView(QPainter& painter, const QSizeF& size, const SInk& ink);
void satelliteInUse(QPainter& painter, const QSizeF& size, const SInk& ink);

// The application's own pictures.
void logoMaker(QPainter& painter, const QSizeF& size, const SInk& ink);
void logoBrand(QPainter& painter, const QSizeF& size, const SInk& ink);
void menuHome(QPainter& painter, const QSizeF& size, const SInk& ink);
void menuSetting(QPainter& painter, const QSizeF& size, const SInk& ink);
void reportGood(QPainter& painter, const QSizeF& size, const SInk& ink);
void reportFailed(QPainter& painter, const QSizeF& size, const SInk& ink);
void help(QPainter& painter, const QSizeF& size, const SInk& ink);
void about(QPainter& painter, const QSizeF& size, const SInk& ink);
void book(QPainter& painter, const QSizeF& size, const SInk& ink);
void vesselDimension(QPainter& painter, const QSizeF& size, const SInk& ink);

// Wi-Fi.
void signalBars1(QPainter& painter, const QSizeF& size, const SInk& ink);
void signalBars2(QPainter& painter, const QSizeF& size, const SInk& ink);
void signalBars3(QPainter& painter, const QSizeF& size, const SInk& ink);
void signalBars4(QPainter& painter, const QSizeF& size, const SInk& ink);
void signalBars5(QPainter& painter, const QSizeF& size, const SInk& ink);
void padlock(QPainter& painter, const QSizeF& size, const SInk& ink);
void linkConnected(QPainter& painter, const QSizeF& size, const SInk& ink);
void linkConnect(QPainter& painter, const QSizeF& size, const SInk& ink);
void linkDisconnect(QPainter& painter, const QSizeF& size, const SInk& ink);
void nothing(QPainter& painter, const QSizeF& size, const SInk& ink);
void accessPointMode(QPainter& painter, const QSizeF& size, const SInk& ink);
void clientMode(QPainter& painter, const QSizeF& size, const SInk& ink);

} // namespace Drawings
