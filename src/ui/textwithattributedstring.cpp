#include "ui/textwithattributedstring.h"

#include <QTextEdit>

TextWithAttributedString::TextWithAttributedString(const QString &attributedString, QWidget *parent)
    : QScrollArea(parent)
    , m_text(new QTextEdit)
{
    m_text->setReadOnly(true);
    m_text->setPlainText(attributedString);
    setWidget(m_text);
    setWidgetResizable(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}
