#pragma once

#include "style/SelectorSwitchRecord.h"

#include <QFrame>
#include <QString>

class QHBoxLayout;
class QPushButton;
class WgLabel;

// Which end the knob takes while the switch is off; it moves to the other end when on.
enum SELECTOR_SWITCH_SIDE : int {
    SELECTOR_SWITCH_KNOB_LEFT_WHEN_OFF = 0,
    SELECTOR_SWITCH_KNOB_RIGHT_WHEN_OFF = 1,
};

// An on/off switch: a narrow knob beside a caption in a frame. Order, caption and style sheet
// follow the state. A click on the knob or the caption toggles it and emits signalClick().
class WgSelectorSwitch : public QFrame
{
    Q_OBJECT

public:
    explicit WgSelectorSwitch(QWidget* parent);
    ~WgSelectorSwitch() override;

    // Inverts the state when toggle is set, then lays out, captions and styles the switch for
    // its state; emits signalClick() when notify is set.
    void setSwitch(bool toggle, bool notify);
    // Silent.
    void setActive(bool on);
    bool isActive() const { return m_active; }
    void refresh();
    void setCaption(QString offText, QString onText);

    // The sheet setters and the side show at the next setSwitch().
    void setSwitchStyleScript(bool on, WIDGET_SELECTOR_SWITCH& style);
    void setOnStyleScript(QString sheet);
    void setOffStyleScript(QString sheet);
    void clearStyleScript();
    void setSwitchBtnSide(SELECTOR_SWITCH_SIDE side);

    void setSwitchBtnText(QString text);
    void setSwitchBtnVisible(bool visible);

signals:
    void signalClick();

public slots:
    void onTrigger();

private:
    void setSwitchStyleScriptDefault(bool on);
    void switchBtnLayout();
    void updateCaption();

    QHBoxLayout* m_layout;
    QPushButton* m_button;
    WgLabel* m_caption;
    QString m_onStyleSheet;
    QString m_offStyleSheet;
    bool m_active = false;
    SELECTOR_SWITCH_SIDE m_side = SELECTOR_SWITCH_KNOB_LEFT_WHEN_OFF;
    QString m_offCaption;
    QString m_onCaption;
};
