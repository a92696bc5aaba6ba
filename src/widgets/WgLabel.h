#pragma once

#include <QLabel>

// A label that reports presses as clicks. The press is not passed on to QLabel.
class WgLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WgLabel(QWidget* parent);

signals:
    void signalClicked();
    void signalDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
