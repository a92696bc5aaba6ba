#pragma once

#include "widgets/WgBase.h"

#include <QWidget>

// A frameless box that stays on top and reports mouse release, focus loss and resizing. Below
// full opacity its background turns black with the same alpha.
class WgBox : public QWidget, public WgBase
{
    Q_OBJECT

public:
    WgBox(QWidget* parent, int radius, double alpha, bool layout);
    ~WgBox() override;

    // Shows and raises a hidden box; a box already shown stays where it is in the stack.
    void showRaise();

signals:
    void signalMouseRelease();
    // Declared for the box's users; the box itself does not emit it.
    void signalFocusIn();
    void signalFocusOut();
    void signalResize();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
