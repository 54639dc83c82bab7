#pragma once

#include <QScrollArea>

class QTextEdit;

// A read-only, vertically scrolling view of the license text, filled once.
// Placeholder: shows plain text until the RTF reader lands.
class TextWithAttributedString : public QScrollArea
{
    Q_OBJECT

public:
    explicit TextWithAttributedString(const QString &attributedString, QWidget *parent = nullptr);

private:
    QTextEdit *m_text = nullptr;
};
