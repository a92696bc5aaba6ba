#pragma once

#include <QWidget>

class ObjGlowGraphEffect;
class WgLabel;

// A caption with a coloured glow around its glyphs that reports clicks.
class WgGlowLabel : public QWidget
{
    Q_OBJECT

public:
    explicit WgGlowLabel(QWidget* parent);

    // Colour as 0xRRGGBB; a radius of 0 draws the caption plain.
    void setGlowEffect(int radius, uint color);
    void setLabelText(QString text);

signals:
    void clicked();

public slots:
    void onClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setStyleSheetDefault();

    WgLabel* m_caption;
    ObjGlowGraphEffect* m_glow;  // owned by the caption
};
