#include "widgets/WgLineEditAffixes.h"

#include "widgets/AffixLabels.h"

#include <QLabel>

namespace {

constexpr int PrefixLeft = 8;
constexpr int PostfixRightGap = 6;

QString textOf(const char* text)
{
    return QString::fromUtf8(text ? text : "");
}

} // namespace

WgLineEditAffixes::WgLineEditAffixes(QWidget* parent)
    : QLineEdit(parent)
    , m_prefixLabel(new QLabel(this))
    , m_postfixLabel(new QLabel(this))
{
    setStyleSheetDefault();
}

void WgLineEditAffixes::setStyleSheetDefault()
{
    setStyleSheet(AffixLabels::defaultStyleSheet());
}

void WgLineEditAffixes::setSizePolicyAndParent(QWidget* parent, QSizePolicy::Policy horizontal,
                                               QSizePolicy::Policy vertical, int horizontalStretch, int verticalStretch)
{
    AffixLabels::setSizePolicyAndParent(this, parent, horizontal, vertical, horizontalStretch, verticalStretch);
}

void WgLineEditAffixes::updatePrefixDisp(const char* text)
{
    AffixLabels::showPrefix(m_prefixLabel, this, textOf(text), PrefixLeft, size());
}

void WgLineEditAffixes::updatePostfixDisp(const char* text)
{
    AffixLabels::showPostfix(m_postfixLabel, textOf(text), PostfixRightGap, size());
}
