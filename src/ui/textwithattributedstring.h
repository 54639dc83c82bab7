#pragma once

#include "rtf/formattedtext.h"

#include <QWidget>

class QTextEdit;
class QUrl;

// A read-only, vertically scrolling view of formatted text, filled once when
// it is created. The text can be selected and copied but not edited; web and
// mail links open in the desktop's browser or mail program. It is a read-only
// text edit rather than a text browser because assistive technology is told
// a browser is a label, which a screen reader speaks whole; a text is read
// line by line with the caret.
class TextWithAttributedString : public QWidget
{
    Q_OBJECT

public:
    explicit TextWithAttributedString(const rtf::FormattedText &attributedString, QWidget *parent = nullptr);

    // The scrolling text view inside, for layout and tests.
    QTextEdit *textView() const { return m_textView; }

private slots:
    void openLink(const QString &link);

private:
    QTextEdit *m_textView = nullptr;
};
