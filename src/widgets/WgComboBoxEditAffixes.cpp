#include "widgets/WgComboBoxEditAffixes.h"

#include "widgets/AffixLabels.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegExpValidator>

namespace {

// Room kept free at the right for the drop-down button.
constexpr int DropDownButtonWidth = 31;

std::string textOrEmpty(const char* text)
{
    return text ? std::string(text) : std::string();
}

} // namespace

WgComboBoxEditAffixes::WgComboBoxEditAffixes(QWidget* parent)
    : QComboBox(parent)
{
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &WgComboBoxEditAffixes::onIndexChanged);
    connect(this, &QComboBox::editTextChanged, this, &WgComboBoxEditAffixes::onTextChanged);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, &WgComboBoxEditAffixes::onSelected);
    setStyleSheetDefault();
}

WgComboBoxEditAffixes::~WgComboBoxEditAffixes() = default;

void WgComboBoxEditAffixes::setStyleSheetDefault()
{
    setStyleSheet(AffixLabels::defaultStyleSheet());
}

void WgComboBoxEditAffixes::setCustomIndex(int index)
{
    m_customIndex = index;
}

void WgComboBoxEditAffixes::setPlaceholder(QString text)
{
    m_placeholder = text;
}

void WgComboBoxEditAffixes::setPrefixValue(const char* text)
{
    m_prefixText = textOrEmpty(text);
}

void WgComboBoxEditAffixes::setPostfixValue(const char* text)
{
    m_postfixText = textOrEmpty(text);
}

void WgComboBoxEditAffixes::setEditRule(QRegExp& rule)
{
    m_validator = std::make_unique<QRegExpValidator>(rule, nullptr);
}

void WgComboBoxEditAffixes::setSizePolicyAndParent(QWidget* parent, QSizePolicy::Policy horizontal,
                                                   QSizePolicy::Policy vertical, int horizontalStretch,
                                                   int verticalStretch)
{
    AffixLabels::setSizePolicyAndParent(this, parent, horizontal, vertical, horizontalStretch, verticalStretch);
}

void WgComboBoxEditAffixes::setCustomText(QString text, bool apply)
{
    m_customText = text;
    if (!apply)
        return;
    setEditable(true);
    blockSignals(true);
    setCompleter(nullptr);
    lineEdit()->setValidator(m_validator.get());
    lineEdit()->setPlaceholderText(m_placeholder);
    // Writing the same text again would throw the user's cursor to the end while typing.
    if (currentText() != text)
        setEditText(text);
    blockSignals(false);
    updateAffixesDisp();
}

void WgComboBoxEditAffixes::setText(const char* text)
{
    const QByteArray wanted(text ? text : "");
    if (count() == 0) {
        makeEditable(true);
        setCustomText(QString::fromLocal8Bit(wanted), true);
        return;
    }
    bool matched = false;
    for (int i = 0; i < count(); ++i) {
        if (itemData(i, Qt::UserRole).toString().toLocal8Bit() == wanted) {
            blockSignals(true);
            setCurrentIndex(i);
            blockSignals(false);
            matched = true;
            break;
        }
    }
    makeEditable(!matched);
    if (!matched)
        setCustomText(QString::fromLocal8Bit(wanted), true);
    else if (m_customText.isEmpty())
        setCustomText(QString::fromLocal8Bit(wanted), false);
}

void WgComboBoxEditAffixes::onIndexChanged(int index)
{
    if (m_customIndex == -1)
        return;
    makeEditable(index >= m_customIndex);
    if (!m_editable)
        return;
    setCustomText(index == m_customIndex ? m_customText : itemText(index), true);
}

void WgComboBoxEditAffixes::onTextChanged(QString text)
{
    if (m_editable && currentIndex() > m_customIndex)
        setCustomText(text, true);
}

void WgComboBoxEditAffixes::onSelected(int index)
{
    if (index == m_customIndex)
        setCustomText(m_customText, true);
}

void WgComboBoxEditAffixes::makeEditable(bool editable)
{
    m_editable = editable;
    setEditable(editable);
}

void WgComboBoxEditAffixes::updateAffixesDisp()
{
    QLineEdit* edit = lineEdit();
    if (!isEditable() || !edit)
        return;
    if (edit != m_edit) {
        // A new edit, often born where the old one was freed: the old labels died with it.
        m_edit = edit;
        m_prefixLabel.clear();
        m_postfixLabel.clear();
    }
    if (!m_prefixLabel && !m_prefixText.empty()) {
        m_prefixLabel = new QLabel(edit);
        m_prefixLabel->show();
    }
    if (!m_postfixLabel && !m_postfixText.empty()) {
        m_postfixLabel = new QLabel(edit);
        m_postfixLabel->show();
    }
    if (m_prefixLabel)
        AffixLabels::showPrefix(m_prefixLabel, edit, QString::fromStdString(m_prefixText), 0, size());
    if (m_postfixLabel)
        AffixLabels::showPostfix(m_postfixLabel, QString::fromStdString(m_postfixText), DropDownButtonWidth, size());
}
