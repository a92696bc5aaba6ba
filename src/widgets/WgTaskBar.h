#pragma once

#include <QProgressBar>
#include <cstdint>

// A progress bar used as a stepper: a click on its left half steps the value down, on its right
// half up; small steps near the ends, large ones in between.
class WgTaskBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit WgTaskBar(QWidget* parent);

    // The step within edgeWidth pixels of either end, and the step elsewhere.
    void setSpaceValue(short edgeStep, short innerStep, short edgeWidth);

signals:
    void subClicked();
    void addClicked();

protected:
    // The press is taken here, not passed on to a parent that might start dragging on it.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setStyleSheetDefault();

    int16_t m_edgeStep = 1;
    int16_t m_innerStep = 10;
    int16_t m_edgeWidth = 32;
};
