#pragma once

#include <QLineEdit>

class QLabel;

// A line edit showing a fixed prefix and postfix text (a unit, a sign) inside its field.
class WgLineEditAffixes : public QLineEdit
{
    Q_OBJECT

public:
    explicit WgLineEditAffixes(QWidget* parent);

    void setStyleSheetDefault();
    void setSizePolicyAndParent(QWidget* parent, QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical,
                                int horizontalStretch, int verticalStretch);

    // The prefix also moves the text's left margin past itself.
    void updatePrefixDisp(const char* text);
    void updatePostfixDisp(const char* text);

private:
    QLabel* m_prefixLabel;
    QLabel* m_postfixLabel;
};
