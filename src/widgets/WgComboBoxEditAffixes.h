#pragma once

#include <QComboBox>
#include <QPointer>
#include <QRegExp>
#include <QString>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QRegExpValidator;

// A combo box whose items before the custom index are fixed choices. At the custom index and
// after it the box becomes a free-text field with a validator, a placeholder, and a prefix and a
// postfix label (a unit, a sign) inside the edit.
class WgComboBoxEditAffixes : public QComboBox
{
    Q_OBJECT

public:
    explicit WgComboBoxEditAffixes(QWidget* parent);
    ~WgComboBoxEditAffixes() override;

    void setStyleSheetDefault();
    // -1: no custom item; index changes then never make the box editable.
    void setCustomIndex(int index);
    void setPlaceholder(QString text);
    void setPrefixValue(const char* text);
    void setPostfixValue(const char* text);
    // Used by the edit from the next applied custom text on.
    void setEditRule(QRegExp& rule);
    void setSizePolicyAndParent(QWidget* parent, QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical,
                                int horizontalStretch, int verticalStretch);

    // Stores the text; with apply, also shows it in the edit with the rule, placeholder and affixes.
    void setCustomText(QString text, bool apply);
    // Selects, without index signals, the item whose user data is the text; with no such item the
    // text becomes the custom text.
    void setText(const char* text);

public slots:
    void onIndexChanged(int index);
    void onTextChanged(QString text);
    void onSelected(int index);

private:
    void makeEditable(bool editable);
    void updateAffixesDisp();

    // The edit and its labels die with setEditable(false); the guarded pointers see that.
    QPointer<QLineEdit> m_edit;
    QPointer<QLabel> m_prefixLabel;
    QPointer<QLabel> m_postfixLabel;
    std::unique_ptr<QRegExpValidator> m_validator;
    QString m_customText;
    QString m_placeholder;
    std::string m_prefixText;
    std::string m_postfixText;
    bool m_editable = false;
    int m_customIndex = -1;
};
