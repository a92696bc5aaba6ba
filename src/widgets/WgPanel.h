#pragma once

#include "widgets/WgBase.h"

#include <QDialog>

// A frameless dialog that reports mouse release, focus and close. It paints its rounded outline
// only once it has a corner radius of 1 or more.
class WgPanel : public QDialog, public WgBase
{
    Q_OBJECT

public:
    WgPanel(QWidget* parent, Qt::WindowFlags flags, double alpha, bool layout);

    // Places the panel at (x, y), lifted so that it does not reach below the primary screen.
    // With a new height of 0 the panel takes its preferred size; otherwise that height.
    void movePanel(int x, int y, int newHeight);

signals:
    void signalMouseRelease();
    void signalFocusIn();
    void signalFocusOut();
    // Also when the close was refused.
    void signalClosed();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
